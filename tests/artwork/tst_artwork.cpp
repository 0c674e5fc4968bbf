// Checks the pictures and sounds the game ships, as committed in the source tree: that each
// decodes, has the size the screens lay it out at, animates and loops; that the sounds are in the
// one format the player plays and are audible without clipping; and that the backgrounds leave
// the text drawn over them readable.

#include <QtTest>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSize>
#include <QXmlStreamReader>
#include <QtEndian>

#include <cmath>
#include <cstdlib>

namespace {

QString sourceFile(const char* relative) {
    return QStringLiteral(QUINTARLOW_SOURCE_DIR "/") + QString::fromUtf8(relative);
}

// WCAG relative luminance: 0 for black, 1 for white. Black text on a background of luminance L
// has contrast (L + 0.05) / 0.05, white text (1.05) / (L + 0.05).
double relativeLuminance(QRgb colour) {
    const auto linear = [](int value) {
        const double s = value / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

struct WavFile {
    QString problem; // empty when the file could be read
    quint16 format = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint32 byteRate = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;
    QByteArray data;
};

// Reads a RIFF/WAVE file chunk by chunk, the way the sound player does, so that a file with
// extra chunks or a chunk out of the usual order is read as the player would read it.
WavFile readWav(const QString& path) {
    WavFile wav;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wav.problem = QStringLiteral("cannot open ") + path;
        return wav;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        wav.problem = QStringLiteral("not a RIFF/WAVE file");
        return wav;
    }
    const quint32 riffSize = qFromLittleEndian<quint32>(bytes.constData() + 4);
    if (riffSize + 8 != quint32(bytes.size())) {
        wav.problem = QStringLiteral("RIFF size %1 does not match the file size %2")
                          .arg(riffSize + 8)
                          .arg(bytes.size());
        return wav;
    }
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size()) {
            wav.problem = QStringLiteral("chunk ") + QString::fromLatin1(id) +
                          QStringLiteral(" runs past the end of the file");
            return wav;
        }
        if (id == "fmt ") {
            if (size < 16) {
                wav.problem = QStringLiteral("format chunk too short");
                return wav;
            }
            const char* p = bytes.constData() + body;
            wav.format = qFromLittleEndian<quint16>(p);
            wav.channels = qFromLittleEndian<quint16>(p + 2);
            wav.sampleRate = qFromLittleEndian<quint32>(p + 4);
            wav.byteRate = qFromLittleEndian<quint32>(p + 8);
            wav.blockAlign = qFromLittleEndian<quint16>(p + 12);
            wav.bitsPerSample = qFromLittleEndian<quint16>(p + 14);
            haveFormat = true;
        } else if (id == "data") {
            wav.data = bytes.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat)
        wav.problem = QStringLiteral("no format chunk");
    else if (!haveData)
        wav.problem = QStringLiteral("no data chunk");
    return wav;
}

qint16 sampleAt(const QByteArray& data, qsizetype index) {
    return qFromLittleEndian<qint16>(data.constData() + 2 * index);
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void animations_data();
    void animations();
    void pictureSizes_data();
    void pictureSizes();
    void textStaysReadable_data();
    void textStaysReadable();
    void appleStaysClearOfTheAnswer();
    void iconIsAnSvgDocument();
    void sounds_data();
    void sounds();
};

void TestArtwork::animations_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    // The colour of the window each picture sits on; its corners must match it exactly, or the
    // picture shows as a box. An invalid colour means the picture brings its own background.
    QTest::addColumn<QColor>("surround");

    const QColor white(Qt::white);
    const QColor orange(0xFF, 0x80, 0x00);
    const QColor buttonGrey(0xF0, 0xF0, 0xF0);
    QTest::newRow("title banner") << sourceFile("data/gif/quintarlow_small.gif") << QSize(441, 33)
                                  << white;
    QTest::newRow("free square") << sourceFile("data/gif/free_.gif") << QSize(47, 47) << QColor();
    QTest::newRow("game over") << sourceFile("data/gif/gameover.gif") << QSize(281, 49) << orange;
    QTest::newRow("fireworks") << sourceFile("data/gif/fireworks.gif") << QSize(89, 89) << orange;
    QTest::newRow("dancer") << sourceFile("data/gif/dance.gif") << QSize(153, 193) << buttonGrey;
    for (const char* letter : {"q", "u", "i", "n", "t", "a", "r", "l", "o", "w"}) {
        const QByteArray file = QByteArray("data/gif/") + letter + ".gif";
        QTest::newRow(file.constData()) << sourceFile(file.constData()) << QSize(75, 89) << white;
    }
}

void TestArtwork::animations() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(QColor, surround);

    QImageReader reader(path);
    QVERIFY2(reader.canRead(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.size(), size);
    QVERIFY2(reader.supportsAnimation(), "not an animation");
    // -1 is Qt's word for "loops forever".
    QCOMPARE(reader.loopCount(), -1);

    const int frames = reader.imageCount();
    QVERIFY2(frames >= 8 && frames <= 24,
             qPrintable(QString::number(frames) + QStringLiteral(" frames")));

    QImage previous;
    for (int i = 0; i < frames; ++i) {
        const QImage frame = reader.read();
        QVERIFY2(!frame.isNull(),
                 qPrintable(QStringLiteral("frame %1: %2").arg(i).arg(reader.errorString())));
        QCOMPARE(frame.size(), size);
        // Too short a delay is ignored by some players; too long looks like a slide show.
        const int delay = reader.nextImageDelay();
        QVERIFY2(delay >= 40 && delay <= 150,
                 qPrintable(QStringLiteral("frame %1 lasts %2 ms").arg(i).arg(delay)));
        if (surround.isValid()) {
            const QRgb want = surround.rgb();
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                  QPoint(size.width() - 1, size.height() - 1)}) {
                const QRgb got = frame.pixel(corner) | 0xff000000u;
                QVERIFY2(got == want,
                         qPrintable(QStringLiteral("frame %1 corner (%2,%3) is %4, not %5")
                                        .arg(i)
                                        .arg(corner.x())
                                        .arg(corner.y())
                                        .arg(QColor(got).name(), surround.name())));
            }
        }
        // A frame the same as the one before would be a stutter in the movement.
        if (!previous.isNull())
            QVERIFY2(frame.convertToFormat(QImage::Format_RGB32) != previous,
                     qPrintable(QStringLiteral("frame %1 repeats frame %2").arg(i).arg(i - 1)));
        previous = frame.convertToFormat(QImage::Format_RGB32);
    }
}

void TestArtwork::pictureSizes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    QTest::newRow("board") << sourceFile("resources/backgrounds/board.jpg") << QByteArray("jpeg")
                           << QSize(1024, 768);
    QTest::newRow("welcome") << sourceFile("resources/backgrounds/welcome.png") << QByteArray("png")
                             << QSize(791, 351);
    QTest::newRow("chalkboard") << sourceFile("resources/backgrounds/chalkboard.png")
                                << QByteArray("png") << QSize(344, 197);
    for (int side : {16, 32, 48, 64, 128, 256}) {
        const QByteArray file = "resources/icons/quintarlow-" + QByteArray::number(side) + ".png";
        QTest::newRow(file.constData())
            << sourceFile(file.constData()) << QByteArray("png") << QSize(side, side);
    }
}

void TestArtwork::pictureSizes() {
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);

    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestArtwork::textStaysReadable_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRect>("area");
    // Bounds on the relative luminance of every pixel in the area where text is drawn.
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");

    // Black text needs luminance 0.3 or more for a contrast of 7:1, white text 0.1 or less.
    const QString board = sourceFile("resources/backgrounds/board.jpg");
    const QString welcome = sourceFile("resources/backgrounds/welcome.png");
    const QString chalkboard = sourceFile("resources/backgrounds/chalkboard.png");
    QTest::newRow("board, left column")
        << board << QRect(QPoint(8, 8), QPoint(270, 470)) << 0.3 << 1.0;
    QTest::newRow("welcome, letters")
        << welcome << QRect(QPoint(8, 8), QPoint(782, 97)) << 0.9 << 1.0;
    QTest::newRow("welcome, first name")
        << welcome << QRect(QPoint(92, 144), QPoint(709, 181)) << 0.3 << 1.0;
    QTest::newRow("welcome, second name")
        << welcome << QRect(QPoint(92, 208), QPoint(709, 245)) << 0.3 << 1.0;
    QTest::newRow("welcome, button")
        << welcome << QRect(QPoint(272, 304), QPoint(529, 337)) << 0.3 << 1.0;
    QTest::newRow("chalkboard, heading")
        << chalkboard << QRect(QPoint(53, 32), QPoint(294, 81)) << 0.0 << 0.1;
    QTest::newRow("chalkboard, answer")
        << chalkboard << QRect(QPoint(37, 99), QPoint(302, 140)) << 0.0 << 0.1;
}

void TestArtwork::textStaysReadable() {
    QFETCH(QString, path);
    QFETCH(QRect, area);
    QFETCH(double, lowest);
    QFETCH(double, highest);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY(image.rect().contains(area));
    double darkest = 1.0;
    double lightest = 0.0;
    QPoint darkestAt, lightestAt;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const double l = relativeLuminance(image.pixel(x, y));
            if (l < darkest) {
                darkest = l;
                darkestAt = QPoint(x, y);
            }
            if (l > lightest) {
                lightest = l;
                lightestAt = QPoint(x, y);
            }
        }
    }
    QVERIFY2(darkest >= lowest, qPrintable(QStringLiteral("too dark at (%1,%2): %3")
                                               .arg(darkestAt.x())
                                               .arg(darkestAt.y())
                                               .arg(darkest)));
    QVERIFY2(lightest <= highest, qPrintable(QStringLiteral("too light at (%1,%2): %3")
                                                 .arg(lightestAt.x())
                                                 .arg(lightestAt.y())
                                                 .arg(lightest)));
}

void TestArtwork::appleStaysClearOfTheAnswer() {
    // The apple is the only bright red on the chalkboard (the frame is a dull red-brown); it must
    // be there, and only in the lower right corner, below and right of the written answer.
    const QImage image(sourceFile("resources/backgrounds/chalkboard.png"));
    QVERIFY(!image.isNull());
    const QRect corner(QPoint(290, 145), QPoint(image.width() - 1, image.height() - 1));
    int applePixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) > 170 && qGreen(c) < 80 && qBlue(c) < 80) {
                QVERIFY2(corner.contains(x, y),
                         qPrintable(QStringLiteral("apple red at (%1,%2)").arg(x).arg(y)));
                ++applePixels;
            }
        }
    }
    QVERIFY2(applePixels > 300,
             qPrintable(QString::number(applePixels) + QStringLiteral(" red pixels")));
}

void TestArtwork::iconIsAnSvgDocument() {
    QFile file(sourceFile("resources/icons/quintarlow.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
    QCOMPARE(xml.namespaceUri().toString(), QStringLiteral("http://www.w3.org/2000/svg"));
    QVERIFY(!xml.attributes().value(QStringLiteral("viewBox")).isEmpty());
    int shapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == QStringLiteral("circle") || xml.name() == QStringLiteral("polygon") ||
             xml.name() == QStringLiteral("rect")))
            ++shapes;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    // Background, the "×" and four discs with their highlights.
    QVERIFY2(shapes >= 6, qPrintable(QString::number(shapes) + QStringLiteral(" shapes")));
}

void TestArtwork::sounds_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");

    QTest::newRow("ding") << sourceFile("data/ding.WAV") << 0.3 << 0.6;
    QTest::newRow("error") << sourceFile("data/error.WAV") << 0.3 << 0.5;
    QTest::newRow("ring") << sourceFile("data/ring.WAV") << 0.8 << 1.2;
    QTest::newRow("default") << sourceFile("resources/sounds/default.wav") << 0.1 << 0.3;
}

void TestArtwork::sounds() {
    QFETCH(QString, path);
    QFETCH(double, shortest);
    QFETCH(double, longest);

    const WavFile wav = readWav(path);
    QVERIFY2(wav.problem.isEmpty(), qPrintable(path + QStringLiteral(": ") + wav.problem));
    QCOMPARE(wav.format, quint16(1)); // integer PCM
    QCOMPARE(wav.channels, quint16(1));
    QCOMPARE(wav.bitsPerSample, quint16(16));
    QVERIFY2(wav.sampleRate == 22050 || wav.sampleRate == 44100,
             qPrintable(QString::number(wav.sampleRate) + QStringLiteral(" Hz")));
    QCOMPARE(wav.blockAlign, quint16(2));
    QCOMPARE(wav.byteRate, wav.sampleRate * 2);
    QCOMPARE(wav.data.size() % 2, 0);

    const qsizetype count = wav.data.size() / 2;
    const double seconds = double(count) / wav.sampleRate;
    QVERIFY2(seconds >= shortest && seconds <= longest,
             qPrintable(QStringLiteral("%1 s long").arg(seconds)));

    int peak = 0;
    for (qsizetype i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int(sampleAt(wav.data, i))));
    // Loud enough to hear over a classroom (above -12 dBFS), and never touching full scale,
    // where a sound has been clipped.
    QVERIFY2(peak > 8192, qPrintable(QStringLiteral("peak %1").arg(peak)));
    QVERIFY2(peak < 32767, qPrintable(QStringLiteral("peak %1 is clipped").arg(peak)));
    // Starting and ending near silence keeps the speaker from clicking.
    QVERIFY2(std::abs(int(sampleAt(wav.data, 0))) < 1000, "starts with a click");
    QVERIFY2(std::abs(int(sampleAt(wav.data, count - 1))) < 1000, "ends with a click");
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
