#include "alsasoundplayer.h"
#include "testwav.h"
#include "wavsound.h"

#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;
using namespace Qt::StringLiterals;

using Samples = std::vector<std::int16_t>;

class TestAlsaSoundPlayer : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
            QCOMPARE_LT(millisecondsTaken([&] { player.PlaySoundFile(fileName); }),
                        capture ? 1000 : 250);
        }
        QCOMPARE(device_.captured(), heard);
    }

private:
    AlsaTestDevice device_;
};

QTEST_GUILESS_MAIN(TestAlsaSoundPlayer)
#include "tst_alsasoundplayer.moc"
