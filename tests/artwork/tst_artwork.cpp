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

    // Each sound lasts as long as meant, is loud enough to hear over a classroom without touching
    // full scale, where it has been clipped (the largest sample is at -0.0003 dBFS), and starts
    // and ends near silence, which keeps the speaker from clicking.
    void sounds() {
        for (const auto& [path, shortestMs, longestMs] :
             {std::tuple{u"data/ding.WAV"_s, 300, 600},
              {u"data/error.WAV"_s, 300, 500},
              {u"data/ring.WAV"_s, 800, 1200},
              {u"resources/sounds/default.wav"_s, 100, 300}}) {
            const std::optional<PcmSound> sound = readWavFile(path);
            QVERIFY2(sound && sound->channels == 1, qPrintable(path));
            const int ms = int(sound->duration().count());
            const double peak = peakDbfs(*sound);
            QVERIFY2(ms >= shortestMs && ms <= longestMs && peak > -12 && peak < -0.0004 &&
                         std::abs(sound->samples.front()) < 1000 &&
                         std::abs(sound->samples.back()) < 1000,
                     qPrintable(u"%1: %2 ms, peak %3 dBFS"_s.arg(path).arg(ms).arg(peak)));
        }
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
