#include "alsasoundplayer.h"
#include "testwav.h"
#include "wavsound.h"

#include <QElapsedTimer>
#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;
using namespace Qt::StringLiterals;

using Samples = std::vector<std::int16_t>;

class TestAlsaSoundPlayer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(writeFile(device_.filePath(u"mono.wav"_s), wav16(1, 22050, mono_)));
        // Three minutes of stereo at 8 kHz: the game would freeze if this were played to its end.
        QVERIFY(writeFile(device_.filePath(u"long.wav"_s),
                          wav16(2, 8000, Samples(2 * 8000 * 180, 99))));
    }

    void playsTheFileOrReturnsAtOnceWithoutADevice_data() {
        // Each row plays the file its name names.
        QTest::addColumn<QByteArray>("heard");
        QTest::newRow("mono.wav") << samples16(mono_);
        QTest::newRow("missing.wav") << samples16(defaultSound().samples);
        // Only the first five seconds are played.
        QTest::newRow("long.wav") << samples16(Samples(2 * 8000 * 5, 99));
    }

    void playsTheFileOrReturnsAtOnceWithoutADevice() {
        QFETCH(QByteArray, heard);
        AlsaSoundPlayer player;
        for (const bool capture : {false, true}) {
            QVERIFY(capture ? device_.useCaptureDevice() : device_.useNoDevice());
            QElapsedTimer timer;
            timer.start();
            player.PlaySoundFile(device_.filePath(QString::fromLatin1(QTest::currentDataTag())));
            QVERIFY2(timer.elapsed() < (capture ? 1000 : 250),
                     qPrintable(QString::number(timer.elapsed())));
        }
        QCOMPARE(device_.captured(), heard);
    }

private:
    const Samples mono_{0, 900, -900, 1800};
    AlsaTestDevice device_;
};

QTEST_GUILESS_MAIN(TestAlsaSoundPlayer)
#include "tst_alsasoundplayer.moc"
