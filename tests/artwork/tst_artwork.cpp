// Checks the pictures and sounds the game ships, as committed in the source tree: each picture
// decodes at the size the screens lay it out at and every GIF animates and loops; the sounds are
// in the one format the player plays and are audible without clipping; and the backgrounds leave
// the text drawn over them readable.

#include <QtTest>

#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <cmath>

using namespace Qt::StringLiterals;

// WCAG relative luminance: 0 for black, 1 for white. Black text on a background of luminance L
// has contrast (L + 0.05) / 0.05, white text (1.05) / (L + 0.05).
static double relativeLuminance(QRgb colour) {
    const auto linear = [](int value) {
        const double s = value / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

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

    void textStaysReadable_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QRect>("area");
        // Bounds on the relative luminance of every pixel in the area where text is drawn.
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");

        // Black text needs luminance 0.3 or more for a contrast of 7:1, white text 0.1 or less.
        QTest::newRow("board, left column")
            << u"resources/backgrounds/board.jpg"_s << QRect(8, 8, 263, 463) << 0.3 << 1.0;
        QTest::newRow("welcome, letters")
            << u"resources/backgrounds/welcome.png"_s << QRect(8, 8, 775, 90) << 0.9 << 1.0;
        QTest::newRow("welcome, names and button")
            << u"resources/backgrounds/welcome.png"_s << QRect(92, 144, 618, 194) << 0.3 << 1.0;
        QTest::newRow("chalkboard, heading and answer")
            << u"resources/backgrounds/chalkboard.png"_s << QRect(37, 32, 266, 109) << 0.0 << 0.1;
    }

    void textStaysReadable() {
        QFETCH(QString, path);
        QFETCH(QRect, area);
        QFETCH(double, lowest);
        QFETCH(double, highest);

        const QImage image(path);
        QVERIFY(image.rect().contains(area));
        double darkest = 1.0, lightest = 0.0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const double l = relativeLuminance(image.pixel(x, y));
                darkest = std::min(darkest, l);
                lightest = std::max(lightest, l);
            }
        }
        QVERIFY2(darkest >= lowest && lightest <= highest,
                 qPrintable(u"luminance from %1 to %2"_s.arg(darkest).arg(lightest)));
    }

    void appleStaysClearOfTheText() {
        // The apple is the only bright red on the chalkboard (the frame is a dull red-brown); it
        // must be there, and only in the lower right corner, below and right of the written answer.
        const QImage image(u"resources/backgrounds/chalkboard.png"_s);
        const QRect corner(QPoint(290, 145), image.rect().bottomRight());
        int applePixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (qRed(c) > 170 && qGreen(c) < 80 && qBlue(c) < 80) {
                    QVERIFY2(corner.contains(x, y),
                             qPrintable(u"apple red at (%1,%2)"_s.arg(x).arg(y)));
                    ++applePixels;
                }
            }
        }
        QVERIFY2(applePixels > 300, qPrintable(u"%1 red pixels"_s.arg(applePixels)));
    }

    void sounds_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");

        QTest::newRow("ding") << u"data/ding.WAV"_s << 0.3 << 0.6;
        QTest::newRow("error") << u"data/error.WAV"_s << 0.3 << 0.5;
        QTest::newRow("ring") << u"data/ring.WAV"_s << 0.8 << 1.2;
        QTest::newRow("default") << u"resources/sounds/default.wav"_s << 0.1 << 0.3;
    }

    void sounds() {
        QFETCH(QString, path);
        QFETCH(double, shortest);
        QFETCH(double, longest);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(bytes.data() + i); };
        const auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(bytes.data() + i); };
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
        // Chunk by chunk, each padded to an even length, up to the data, as the player reads them.
        qsizetype format = 0, data = 0;
        for (qsizetype at = 12; at + 8 <= bytes.size() && !data;
             at += 8 + u32(at + 4) % 2 + u32(at + 4)) {
            QVERIFY2(at + 8 + qsizetype(u32(at + 4)) <= bytes.size(), "a chunk runs past the end");
            if (bytes.mid(at, 4) == "fmt ")
                format = at + 8;
            else if (bytes.mid(at, 4) == "data" && format)
                data = at + 8;
        }
        QVERIFY2(data && u32(format - 4) >= 16, "no full format chunk before the data");
        // Integer PCM, mono, 16 bits in a two-byte block.
        QCOMPARE((QList<int>{u16(format), u16(format + 2), u16(format + 12), u16(format + 14)}),
                 (QList<int>{1, 1, 2, 16}));
        const quint32 rate = u32(format + 4);
        QVERIFY2(rate == 22050 || rate == 44100, qPrintable(u"%1 Hz"_s.arg(rate)));

        const qsizetype count = u32(data - 4) / 2;
        const double seconds = double(count) / rate;
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
        const auto level = [&](qsizetype i) { return std::abs(int(qint16(u16(data + 2 * i)))); };
        int peak = 0;
        for (qsizetype i = 0; i < count; ++i)
            peak = std::max(peak, level(i));
        // Loud enough to hear over a classroom (above -12 dBFS), and never touching full scale,
        // where a sound has been clipped.
        QVERIFY2(peak > 8192 && peak < 32767, qPrintable(u"peak %1"_s.arg(peak)));
        // Starting and ending near silence keeps the speaker from clicking.
        QVERIFY2(level(0) < 1000 && level(count - 1) < 1000, "starts or ends with a click");
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
