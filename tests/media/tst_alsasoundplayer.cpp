#include "alsasoundplayer.h"
#include "alsatestdevice.h"
#include "testwav.h"
#include "wavsound.h"

#include <QElapsedTimer>
#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

class TestAlsaSoundPlayer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void playsTheFileOrReturnsAtOnceWithoutADevice_data();
    void playsTheFileOrReturnsAtOnceWithoutADevice();

private:
    QString fileFor(const QString& name) const { return device_.filePath(name + u".wav"_s); }

    AlsaTestDevice device_;
};

void TestAlsaSoundPlayer::initTestCase() {
    QVERIFY(device_.isValid());
    QVERIFY(writeFile(fileFor(u"mono"_s), wav16(1, 22050, {0, 900, -900, 1800})));
    QVERIFY(writeFile(fileFor(u"stereo"_s), wav16(2, 44100, {1, -1, 2, -2})));
    QVERIFY(writeFile(fileFor(u"8-bit"_s),
                      riff(formatChunk(1, 1, 11025, 8) + chunk("data", "\x80\x90"))));
    // Three minutes at 8 kHz: the game would freeze if this were played to its end.
    QByteArray buzz(8000 * 180, '\0');
    for (qsizetype index = 0; index < buzz.size(); ++index)
        buzz[index] = static_cast<char>(index % 2 == 0 ? 0xa0 : 0x60);
    QVERIFY(writeFile(fileFor(u"long"_s), riff(formatChunk(1, 1, 8000, 8) + chunk("data", buzz))));
}

void TestAlsaSoundPlayer::playsTheFileOrReturnsAtOnceWithoutADevice_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("heard");

    QTest::newRow("16-bit mono") << u"mono"_s << samples16({0, 900, -900, 1800});
    QTest::newRow("16-bit stereo") << u"stereo"_s << samples16({1, -1, 2, -2});
    QTest::newRow("8-bit widened to 16") << u"8-bit"_s << samples16({0, 4096});
    QTest::newRow("missing file plays the default sound")
        << u"missing"_s << samples16(defaultSound().samples);
    const std::optional<PcmSound> head = readWavFile(fileFor(u"long"_s), longestSoundPlayback);
    QTest::newRow("three-minute file is cut at the cap")
        << u"long"_s << (head ? samples16(head->samples) : QByteArray());
}

void TestAlsaSoundPlayer::playsTheFileOrReturnsAtOnceWithoutADevice() {
    QFETCH(QString, name);
    QFETCH(QByteArray, heard);
    AlsaSoundPlayer player;
    QElapsedTimer timer;

    QVERIFY(device_.useNoDevice());
    timer.start();
    player.PlaySoundFile(fileFor(name));
    QVERIFY2(timer.elapsed() < 250, qPrintable(QString::number(timer.elapsed())));

    // The capture device takes samples as fast as they come, without playing them out.
    QVERIFY(device_.useCaptureDevice());
    timer.start();
    player.PlaySoundFile(fileFor(name));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!heard.isEmpty());
    QCOMPARE(device_.captured(), heard);
}

QTEST_GUILESS_MAIN(TestAlsaSoundPlayer)
#include "tst_alsasoundplayer.moc"
