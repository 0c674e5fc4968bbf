#include "media/alsasoundplayer.h"
#include "media/wavsound.h"
#include "testwav.h"

#include <QTest>

#include <numeric>

using namespace quintarlow;
using namespace quintarlow::testing;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

using Samples = std::vector<std::int16_t>;
using Milliseconds = std::chrono::milliseconds;
Q_DECLARE_METATYPE(PcmSound)
Q_DECLARE_METATYPE(Milliseconds)

// Reading WAV files, and playing them on the ALSA device or on none.
class TestSound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsPlayablePcmAndGivesTheDefaultSoundForAnythingElse_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Milliseconds>("longest");
        QTest::addColumn<PcmSound>("expected"); // no samples for the default sound

        const Samples mono{0, 1000, -1000, 32767, -32768};
        const QByteArray monoFormat = formatChunk(1, 1, 22050, 16);
        const QByteArray data = chunk("data", samples16(mono));
        const auto row = [](const char* name, const QByteArray& file, const PcmSound& expected,
                            Milliseconds longest = Milliseconds::max()) {
            QTest::newRow(name) << file << longest << expected;
        };
        row("16-bit stereo, partial last frame dropped", wav16(2, 44100, {100, -100, 200, -200, 7}),
            {{100, -100, 200, -200}, 2, 44100});
        row("8-bit is centred and widened",
            riff(formatChunk(1, 2, 11025, 8) + chunk("data", QByteArray::fromHex("80ff00c0"))),
            {{0, 32512, -32768, 16384}, 2, 11025});
        row("data after padded chunks of other kinds",
            riff(chunk("LIST", "odd") + monoFormat + chunk("fact", le<quint32>(5)) + data),
            {mono, 1, 22050});
        // Plain PCM may come in the extensible layout, its code then leading the sub-format GUID.
        const QByteArray extensible = formatChunk(0xFFFE, 1, 16000, 16).mid(8) +
                                      QByteArray::fromHex("160010000400000001000000"
                                                          "00001000800000aa00389b71");
        row("PCM in the extensible layout", riff(chunk("fmt ", extensible) + data),
            {mono, 1, 16000});
        row("no data chunk", riff(monoFormat), {});
        row("data before format", riff(data + monoFormat), {});
        row("A-law", riff(formatChunk(6, 1, 8000, 8) + data), {});
        row("three channels", riff(formatChunk(1, 3, 22050, 16) + data), {});
        row("format chunk too short", riff(chunk("fmt ", monoFormat.mid(8, 8)) + data), {});

        // Only the part that will be heard is read, but a damaged file is damaged even where
        // that part is all there.
        Samples tenSeconds(8000 * 10);
        std::iota(tenSeconds.begin(), tenSeconds.end(), std::int16_t(0));
        const QByteArray whole = wav16(1, 8000, tenSeconds);
        row("the first 2 s of 10", whole,
            {Samples(tenSeconds.begin(), tenSeconds.begin() + 16000), 1, 8000}, 2s);
        row("the first 2 s of 10, cut short after 5", whole.left(whole.size() / 2), {}, 2s);
    }

    void readsPlayablePcmAndGivesTheDefaultSoundForAnythingElse() {
        QFETCH(QByteArray, file);
        QFETCH(Milliseconds, longest);
        QFETCH(PcmSound, expected);
        const QTemporaryDir directory;
        const QString fileName = directory.filePath(QStringLiteral("sound.wav"));
        QVERIFY(writeFile(fileName, file));
        QVERIFY(readWavOrDefault(fileName, longest) ==
                (expected.samples.empty() ? defaultSound() : expected));
    }

    void defaultSoundIsTheBuiltInResource() {
        QVERIFY(readWavFile(QString::fromLatin1(defaultSoundResource)) == defaultSound());
    }

    void playsTheFileOrReturnsAtOnceWithoutADevice_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("heard");
        const Samples mono{0, 900, -900, 1800};
        QTest::newRow("mono") << wav16(1, 22050, mono) << samples16(mono);
        QTest::newRow("empty") << QByteArray() << samples16(defaultSound().samples);
        // Three minutes of stereo at 8 kHz would freeze the game: only the first five seconds play.
        QTest::newRow("long") << wav16(2, 8000, Samples(2 * 8000 * 180, 99))
                              << samples16(Samples(2 * 8000 * 5, 99));
    }

    void playsTheFileOrReturnsAtOnceWithoutADevice() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, heard);
        const QString fileName = device_.filePath(u"sound.wav"_s);
        QVERIFY(writeFile(fileName, file));
        AlsaSoundPlayer player;
        for (const bool capture : {false, true}) {
            QVERIFY(capture ? device_.useCaptureDevice() : device_.useNoDevice());
            QCOMPARE_LT(millisecondsTaken([&] { player.playSoundFile(fileName); }),
                        capture ? 1000 : 250);
        }
        QCOMPARE(device_.captured(), heard);
    }

private:
    AlsaTestDevice device_;
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
