#include "alsasoundplayer.h"
#include "flitespeech.h"
#include "testwav.h"
#include "wavsound.h"

#include <QElapsedTimer>
#include <QTest>

#include <sys/stat.h>

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
        const QString pipe = device_.filePath(u"pipe"_s);
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        QVERIFY(writeFile(device_.filePath(u"stuck.conf"_s),
                          "pcm.!default { type file slave.pcm { type null } file \"" +
                              QFile::encodeName(pipe) + "\" format \"raw\" }\n"));
        qputenv("ALSA_CONFIG_PATH", QFile::encodeName(device_.filePath(u"stuck.conf"_s)));

        QElapsedTimer timer;
        AlsaSoundPlayer sound;
        const qint64 limit = playbackTimeLimit(defaultSound().duration()).count();
        // The first sound waits out its limit; the device is then known to be stuck and the
        // next one is dropped after a short look.
        for (const qint64 longest : {limit + 200, qint64(300)}) {
            timer.start();
            sound.PlaySoundFile(u"missing.wav"_s);
            QVERIFY2(timer.elapsed() < longest, qPrintable(QString::number(timer.elapsed())));
        }
        timer.start();
        {
            FliteSpeech speech;
            for (int call = 0; call < 3; ++call)
                speech.Speak(u"7, times, 8"_s);
        }
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    }

private:
    AlsaTestDevice device_;
};

QTEST_GUILESS_MAIN(TestStuckDevice)
#include "tst_stuckdevice.moc"
