#include "flitespeech.h"
#include "loudness.h"
#include "spokentexts.h"
#include "testwav.h"
#include "wavsound.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace quintarlow;
using namespace quintarlow::testing;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

// The voice's samples as bytes: mono 16-bit at 16 kHz, 32 bytes to the millisecond.
constexpr int bytesPerMs = 32;

int countEntries(const QString& folder) {
    return int(
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

} // namespace

class TestFliteSpeech : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // A pipe whose reader goes away must not end the test.
        std::signal(SIGPIPE, SIG_IGN);
    }

    void speaksAudibleWordsWithLongerPausesForMoreCommas() {
        const QString text = u"7, times, 8"_s;
        const PcmSound audio = synthesiseSpeech(text);
        QCOMPARE(audio.channels, 1);
        QVERIFY2(audio.duration() >= 1s && audio.duration() <= 4s,
                 qPrintable(QString::number(audio.duration().count())));

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

    void theVoiceIsAsLoudAsEachSoundAndNeverClips_data() {
        QTest::addColumn<QString>("wav");
        // The game's own sounds, in the folder the game reads them from.
        for (const char* wav : {"ding.WAV", "error.WAV", "ring.WAV"})
            QTest::newRow(wav) << QString::fromLatin1(wav);
    }

    void theVoiceIsAsLoudAsEachSoundAndNeverClips() {
        QFETCH(QString, wav);
        const std::optional<PcmSound> sound = readWavFile(wav);
        QVERIFY(sound);
        for (const QString& text : {Texts::question(7, 8), QString(Texts::Rules).toLower(),
                                    Texts::winnerAnnouncement(u"RED"_s)}) {
            const PcmSound voice = synthesiseSpeech(text);
            const double apart = voicedLevelDbfs(voice) - voicedLevelDbfs(*sound);
            QVERIFY2(std::abs(apart) <= 3.0, qPrintable(text + u": %1 dB"_s.arg(apart)));
            QVERIFY2(peakDbfs(voice) <= -1.0, qPrintable(text + u": peak"_s));
        }
    }

    void aNewTextCutsOffTheLastWithinFiftyMilliseconds() {
        const QString first = QString(Texts::Rules).toLower();
        const QString second = Texts::question(7, 8);
        const QByteArray firstAudio = samples16(synthesiseSpeech(first).samples);
        const QByteArray secondAudio = samples16(synthesiseSpeech(second).samples);

        // The device writes into a pipe that this test empties at the voice's own pace, as a
        // sound card plays; what waits in the pipe can no longer be taken back.
        const QString pipe = device_.filePath(u"speech.pipe"_s);
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        QVERIFY(device_.useConfig("pcm.!default { type file slave.pcm { type null } file \"" +
                                  QFile::encodeName(pipe) + "\" format \"raw\" }\n"));
        const int reader = open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        const int pipeMs = fcntl(reader, F_SETPIPE_SZ, 4096) / bytesPerMs;

        QByteArray heard;
        QElapsedTimer playing;
        const auto listen = [&](qint64 untilMs, bool paced) {
            QElapsedTimer waited;
            waited.start();
            while (playing.isValid() ? playing.elapsed() < untilMs : waited.elapsed() < 2000) {
                char buffer[4096];
                const qint64 room = paced && playing.isValid()
                                        ? playing.elapsed() * bytesPerMs - heard.size()
                                        : qint64(sizeof buffer);
                const ssize_t got = read(reader, buffer, std::clamp<qint64>(room, 0, 4096));
                if (got > 0) {
                    if (!playing.isValid())
                        playing.start();
                    heard.append(buffer, got);
                }
                QTest::qSleep(2);
            }
        };

        auto speech = std::make_unique<FliteSpeech>();
        speech->Speak(first);
        listen(600, true);
        const qsizetype heardBefore = heard.size();
        speech->Speak(second);
        listen(playing.elapsed() + 400, true);
        const qint64 lastOfFirst = playing.elapsed();
        listen(lastOfFirst + 5000, false);
        close(reader);

        qsizetype common = 0;
        while (common < heard.size() && common < firstAudio.size() &&
               heard[common] == firstAudio[common])
            ++common;
        QVERIFY2(heardBefore > 500 * bytesPerMs, "the first text was not playing");
        const qsizetype afterwardsMs = (common - heardBefore) / bytesPerMs;
        qInfo("first text went on %lld ms after the second Speak, %d ms of it from the pipe",
              qint64(afterwardsMs), pipeMs);
        // The file plugin also holds back up to one period (a quarter of the 100 ms buffer).
        QVERIFY2(afterwardsMs <= 50 + pipeMs + 25, qPrintable(QString::number(afterwardsMs)));
        // The second text follows from its first word, and the first never comes back.
        QVERIFY(heard.indexOf(secondAudio) >= common);
        QCOMPARE(heard.size() - heard.indexOf(secondAudio), secondAudio.size());
    }

    void aBurstLeavesOneUtteranceAndNoThreadOrHandleBehind() {
        const auto counts = [] {
            return std::pair(countEntries(u"/proc/self/task"_s), countEntries(u"/proc/self/fd"_s));
        };
        QVERIFY(device_.useCaptureDevice());
        // The voice is loaded once per process; let that happen first.
        synthesiseSpeech(u"a"_s);
        const auto before = counts();
        auto speech = std::make_unique<FliteSpeech>();
        QElapsedTimer timer;
        timer.start();
        // A child clicking ten times a second, with an empty and a very long text among them.
        for (int call = 0; call < 100; ++call)
            speech->Speak(call == 50   ? u"nine "_s.repeated(2000)
                          : call == 60 ? QString()
                                       : u"that is not a valid selection,, try again,, "_s);
        QVERIFY2(timer.elapsed() < 100, qPrintable(QString::number(timer.elapsed())));
        QTRY_COMPARE(counts(), before);
        // Only the last text was said to its end.
        QCOMPARE(
            device_.captured(),
            samples16(synthesiseSpeech(u"that is not a valid selection,, try again,, "_s).samples));
        speech->Speak(u"nine "_s.repeated(2000));
        timer.start();
        speech.reset();
        QVERIFY2(timer.elapsed() < 300, qPrintable(QString::number(timer.elapsed())));
        QTRY_COMPARE(counts(), before);
    }

private:
    AlsaTestDevice device_;
};

QTEST_GUILESS_MAIN(TestFliteSpeech)
#include "tst_flitespeech.moc"
