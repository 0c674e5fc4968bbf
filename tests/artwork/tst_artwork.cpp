// Checks the pictures and sounds the game ships, as committed in the source tree: each picture
// decodes at the size the screens lay it out at and every GIF animates and loops; the sounds are
// read as the player reads them, last as long as meant and are audible without clipping.

#include "loudness.h"
#include "wavsound.h"

#include <QImageReader>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace quintarlow;

class TestArtwork : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pictures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const auto add = [](const QString& p, QSize s) { QTest::newRow(qPrintable(p)) << p << s; };
        add(u"data/gif/quintarlow_small.gif"_s, {441, 33});
        add(u"data/gif/free_.gif"_s, {47, 47});
        add(u"data/gif/gameover.gif"_s, {281, 49});
        add(u"data/gif/fireworks.gif"_s, {89, 89});
        add(u"data/gif/dance.gif"_s, {153, 193});
        for (const QChar letter : u"quintarlow"_s)
            add(u"data/gif/%1.gif"_s.arg(letter), {75, 89});
        add(u"resources/backgrounds/board.jpg"_s, {1024, 768});
        add(u"resources/backgrounds/welcome.png"_s, {791, 351});
        add(u"resources/backgrounds/chalkboard.png"_s, {344, 197});
        for (const int side : {16, 32, 48, 64, 128, 256})
            add(u"resources/icons/quintarlow-%1.png"_s.arg(side), {side, side});
    }

    void pictures() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(path);
        const int frames = reader.imageCount();
        // A loop count of -1 is Qt's word for "loops forever".
        if (path.endsWith(u".gif"))
            QVERIFY2(frames > 1 && reader.loopCount() == -1,
                     qPrintable(u"%1 frames, loop count %2"_s.arg(frames).arg(reader.loopCount())));
        // A frame that cannot be read is a null image, of size 0 by 0.
        for (int i = 0; i < std::max(frames, 1); ++i)
            QCOMPARE(reader.read().size(), size);
    }

    void sounds_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("shortestMs");
        QTest::addColumn<int>("longestMs");
        QTest::newRow("ding") << u"data/ding.WAV"_s << 300 << 600;
        QTest::newRow("error") << u"data/error.WAV"_s << 300 << 500;
        QTest::newRow("ring") << u"data/ring.WAV"_s << 800 << 1200;
        QTest::newRow("default") << u"resources/sounds/default.wav"_s << 100 << 300;
    }

    void sounds() {
        QFETCH(QString, path);
        QFETCH(int, shortestMs);
        QFETCH(int, longestMs);
        const std::optional<PcmSound> sound = readWavFile(path);
        QVERIFY(sound && sound->channels == 1);
        QVERIFY2(sound->sampleRate == 22050 || sound->sampleRate == 44100,
                 qPrintable(QString::number(sound->sampleRate)));
        const int ms = int(sound->duration().count());
        QVERIFY2(ms >= shortestMs && ms <= longestMs, qPrintable(QString::number(ms)));
        // Loud enough to hear over a classroom, and never touching full scale, where a sound has
        // been clipped (the largest sample, 32767, is at -0.0003 dBFS).
        QVERIFY2(peakDbfs(*sound) > -12 && peakDbfs(*sound) < -0.0004,
                 qPrintable(QString::number(peakDbfs(*sound))));
        // Starting and ending near silence keeps the speaker from clicking.
        QVERIFY2(std::abs(sound->samples.front()) < 1000 && std::abs(sound->samples.back()) < 1000,
                 "starts or ends with a click");
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
