#include "flitespeech.h"
#include "testwav.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include <memory>

using namespace quintarlow;
using namespace quintarlow::testing;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

class TestFliteSpeech : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void speaksAudibleWordsWithLongerPausesForMoreCommas() {
        const QString text = u"7, times, 8"_s;
        const PcmSound audio = synthesiseSpeech(text);
        QCOMPARE(audio.channels, 1);
        QVERIFY2(audio.duration() >= 1s && audio.duration() <= 4s,
                 qPrintable(QString::number(audio.duration().count())));
        // Audible: a root mean square above 300.
        double meanSquare = 0.0;
        for (const double sample : audio.samples)
            meanSquare += sample * sample / audio.samples.size();
        QVERIFY2(meanSquare > 300.0 * 300.0, qPrintable(QString::number(meanSquare)));

        // The same words, with a further comma that lengthens one pause by about a quarter second.
        const auto extra = synthesiseSpeech(u"7, times,, 8"_s).duration() - audio.duration();
        QVERIFY2(extra >= 200ms && extra <= 350ms, qPrintable(QString::number(extra.count())));

        // Speaking plays the same audio on the device.
        QVERIFY(device_.useCaptureDevice());
        FliteSpeech speech;
        speech.Speak(text);
        const QByteArray expected = samples16(audio.samples);
        QTRY_COMPARE(device_.captured().size(), expected.size());
        QCOMPARE(device_.captured(), expected);
    }

    void speakReturnsAtOnceAndDestructionJoinsEveryWorker() {
#ifdef __SANITIZE_ADDRESS__
        constexpr int slowdown = 5; // starting a thread costs far more under AddressSanitizer
#else
        constexpr int slowdown = 1;
#endif
        // /proc/self/task holds one folder per thread, besides "." and "..".
        const auto threads = [] { return QDir(u"/proc/self/task"_s).entryList(QDir::Dirs).size(); };
        QVERIFY(device_.useCaptureDevice());
        const auto before = threads();
        const QString sentence = u"It is BLUE's turn, who has three in a row, and must find the "
                                 u"product of six and nine, quickly, before the time runs out"_s;
        auto speech = std::make_unique<FliteSpeech>();
        QElapsedTimer timer;
        timer.start();
        // Synthesising all of it takes about a second, the calls a few milliseconds.
        for (int call = 0; call < 20; ++call)
            speech->Speak(sentence.repeated(10));
        QVERIFY2(timer.elapsed() < 100 * slowdown, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(threads() > before);
        timer.start();
        speech.reset();
        QCOMPARE(threads(), before);
        // A stopped worker ends after the phrase it is synthesising.
        QVERIFY2(timer.elapsed() < 300 * slowdown, qPrintable(QString::number(timer.elapsed())));
    }

private:
    AlsaTestDevice device_;
};

QTEST_GUILESS_MAIN(TestFliteSpeech)
#include "tst_flitespeech.moc"
