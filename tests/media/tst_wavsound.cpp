#include "alsasoundplayer.h"
#include "testwav.h"
#include "wavsound.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;
using namespace std::chrono_literals;

using Samples = std::vector<std::int16_t>;
Q_DECLARE_METATYPE(Samples)
Q_DECLARE_METATYPE(std::chrono::milliseconds)

class TestWavSound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsPcmFiles_data();
    void readsPcmFiles();
    void rejectsFilesThatCannotBePlayed_data();
    void rejectsFilesThatCannotBePlayed();
    void readsOnlyTheAudiblePartOfLongFiles();
    void defaultSoundIsTheBuiltInResource();
    void readsTheGamesSounds_data();
    void readsTheGamesSounds();
    void timeLimitCoversTheSoundButNeverExceedsTheCap_data();
    void timeLimitCoversTheSoundButNeverExceedsTheCap();

private:
    QTemporaryDir directory_;
};

void TestWavSound::readsPcmFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<Samples>("samples");

    const Samples mono{0, 1000, -1000, 32767, -32768};
    const Samples stereo{100, -100, 200, -200};
    const QByteArray monoFormat = formatChunk(1, 1, 22050, 16);
    QTest::newRow("16-bit mono 22.05 kHz") << wav16(1, 22050, mono) << 1 << 22050 << mono;
    QTest::newRow("16-bit stereo 44.1 kHz") << wav16(2, 44100, stereo) << 2 << 44100 << stereo;
    QTest::newRow("8-bit is centred and widened")
        << riff(formatChunk(1, 2, 11025, 8) + chunk("data", QByteArray("\x80\xff\x00\xc0", 4))) << 2
        << 11025 << Samples{0, 32512, -32768, 16384};
    QTest::newRow("data after padded chunks of other kinds")
        << riff(chunk("LIST", "odd") + monoFormat + chunk("fact", le32(5)) +
                chunk("data", samples16(mono)))
        << 1 << 22050 << mono;
    const QByteArray extensible = le16(0xFFFE) + le16(1) + le32(16000) + le32(32000) + le16(2) +
                                  le16(16) + le16(22) + le16(16) + le32(4) + le16(1) +
                                  QByteArray::fromHex("000000001000800000aa00389b71");
    QTest::newRow("PCM in the extensible layout")
        << riff(chunk("fmt ", extensible) + chunk("data", samples16(mono))) << 1 << 16000 << mono;
    QTest::newRow("a partial last frame is dropped")
        << riff(formatChunk(1, 2, 22050, 16) + chunk("data", samples16({5, 6, 7}))) << 2 << 22050
        << Samples{5, 6};
}

void TestWavSound::readsPcmFiles() {
    QFETCH(QByteArray, file);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(Samples, samples);
    const QString fileName = directory_.filePath(QStringLiteral("good.wav"));
    QVERIFY(writeFile(fileName, file));

    const std::optional<PcmSound> sound = readWavFile(fileName);
    QVERIFY(sound);
    QCOMPARE(sound->channels, channels);
    QCOMPARE(sound->sampleRate, rate);
    QCOMPARE(sound->samples, samples);
    QVERIFY(readWavOrDefault(fileName) == *sound);
}

void TestWavSound::rejectsFilesThatCannotBePlayed_data() {
    QTest::addColumn<QByteArray>("file");

    const QByteArray data = chunk("data", samples16({1, 2, 3, 4}));
    const QByteArray monoFormat = formatChunk(1, 1, 22050, 16);
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("not RIFF") << QByteArray("ID3\x03 an MP3 file, not a WAV one");
    QTest::newRow("RIFF but not WAVE") << riff(monoFormat + data).replace(8, 4, "AVI ");
    QTest::newRow("header only") << riff(monoFormat);
    QTest::newRow("data chunk cut short")
        << riff(monoFormat + chunk("data", samples16({1, 2, 3}), 200));
    QTest::newRow("no samples") << riff(monoFormat + chunk("data", {}));
    QTest::newRow("data before format") << riff(data + monoFormat);
    QTest::newRow("IEEE float") << riff(formatChunk(3, 1, 22050, 32) + data);
    QTest::newRow("ADPCM") << riff(formatChunk(2, 1, 22050, 4) + data);
    QTest::newRow("24-bit PCM") << riff(formatChunk(1, 1, 22050, 24) + data);
    QTest::newRow("three channels") << riff(formatChunk(1, 3, 22050, 16) + data);
    QTest::newRow("format chunk too short")
        << riff(chunk("fmt ", le16(1) + le16(1) + le32(22050)) + data);
    QTest::newRow("chunk running past the end")
        << riff(monoFormat + chunk("LIST", "abcd", 1'000'000) + data);
}

void TestWavSound::rejectsFilesThatCannotBePlayed() {
    QFETCH(QByteArray, file);
    const QString fileName = directory_.filePath(QStringLiteral("bad.wav"));
    QFile::remove(fileName);
    if (!file.isNull())
        QVERIFY(writeFile(fileName, file));

    QVERIFY(!readWavFile(fileName));
    QVERIFY(readWavOrDefault(fileName) == defaultSound());
}

void TestWavSound::readsOnlyTheAudiblePartOfLongFiles() {
    Samples samples(8000 * 10);
    for (std::size_t index = 0; index < samples.size(); ++index)
        samples[index] = static_cast<std::int16_t>(index % 1000);
    const QByteArray whole = wav16(1, 8000, samples);
    const QString fileName = directory_.filePath(QStringLiteral("long.wav"));
    QVERIFY(writeFile(fileName, whole));

    const std::optional<PcmSound> head = readWavFile(fileName, 2s);
    QVERIFY(head);
    QCOMPARE(head->duration(), 2s);
    QVERIFY(std::equal(head->samples.begin(), head->samples.end(), samples.begin()));
    QCOMPARE(readWavFile(fileName)->duration(), 10s);
    // Damaged is damaged, even where the part that would be heard is all there.
    QVERIFY(writeFile(fileName, whole.left(whole.size() / 2)));
    QVERIFY(!readWavFile(fileName, 2s));
}

void TestWavSound::defaultSoundIsTheBuiltInResource() {
    const std::optional<PcmSound> resource = readWavFile(QString::fromLatin1(defaultSoundResource));
    QVERIFY2(resource, "the default sound resource is missing or cannot be read");
    QVERIFY(defaultSound() == *resource);
}

void TestWavSound::readsTheGamesSounds_data() {
    QTest::addColumn<QString>("fileName");
    const QDir data(QStringLiteral(QUINTARLOW_DATA_DIR));
    const QStringList names = data.entryList({QStringLiteral("*.wav")}, QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << data.filePath(name);
}

void TestWavSound::readsTheGamesSounds() {
    QFETCH(QString, fileName);
    const std::optional<PcmSound> sound = readWavFile(fileName);
    QVERIFY(sound);
    QVERIFY(std::ranges::any_of(sound->samples, [](std::int16_t s) { return std::abs(s) > 1000; }));
}

void TestWavSound::timeLimitCoversTheSoundButNeverExceedsTheCap_data() {
    QTest::addColumn<std::chrono::milliseconds>("length");
    QTest::addColumn<std::chrono::milliseconds>("atLeast");

    // A short sound gets time for the device to start as well.
    QTest::newRow("nothing") << 0ms << 100ms;
    QTest::newRow("a click") << 150ms << 250ms;
    QTest::newRow("just under the cap") << 4900ms << 4900ms;
    QTest::newRow("three minutes") << std::chrono::milliseconds(3min) << longestSoundPlayback;
    QTest::newRow("a damaged length") << std::chrono::milliseconds::max() << longestSoundPlayback;
}

void TestWavSound::timeLimitCoversTheSoundButNeverExceedsTheCap() {
    QFETCH(std::chrono::milliseconds, length);
    QFETCH(std::chrono::milliseconds, atLeast);
    const std::chrono::milliseconds limit = playbackTimeLimit(length);
    QVERIFY2(limit >= atLeast && limit <= longestSoundPlayback,
             qPrintable(QString::number(limit.count())));
}

QTEST_GUILESS_MAIN(TestWavSound)
#include "tst_wavsound.moc"
