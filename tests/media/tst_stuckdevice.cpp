#include "media/alsasoundplayer.h"
#include "media/flitespeech.h"
#include "media/wavsound.h"
#include "testwav.h"

#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;
using namespace Qt::StringLiterals;

// ALSA's default device writes into a pipe that nobody reads: ALSA blocks for ever inside the
// library while it sets the device up. The calls it is stuck in are left behind on their
// threads, so this runs in a process of its own.
class TestStuckDevice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aStuckDeviceHoldsTheGameNoLongerThanASoundsLimit() {
        AlsaTestDevice device;
        QVERIFY(device.usePipe(device.filePath(u"pipe"_s)));
        AlsaSoundPlayer sound;
        const auto play = [&sound] { sound.playSoundFile(u"missing.wav"_s); };
        // The first sound waits out its limit; the device is then known to be stuck and the
        // next one is dropped after a short look.
        QCOMPARE_LT(millisecondsTaken(play),
                    playbackTimeLimit(defaultSound().duration()).count() + 200);
        QCOMPARE_LT(millisecondsTaken(play), 300);
        // Speech, and its shutdown, never wait for the device.
        QCOMPARE_LT(millisecondsTaken([] {
                        FliteSpeech speech;
                        for (int call = 0; call < 3; ++call)
                            speech.speak(u"7, times, 8"_s);
                    }),
                    500);
    }
};

QTEST_GUILESS_MAIN(TestStuckDevice)
#include "tst_stuckdevice.moc"
