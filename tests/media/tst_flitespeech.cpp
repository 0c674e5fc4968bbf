#include "core/spokentexts.h"
#include "media/espeakspeech.h"
#include "media/flitespeech.h"
#include "media/loudness.h"
#include "media/wavsound.h"
#include "testwav.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

using namespace quintarlow;
using namespace quintarlow::testing;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

// The voice's samples as bytes: mono 16-bit at 16 kHz, 32 bytes to the millisecond.
constexpr int bytesPerMs = 32;

QByteArray spoken(const QString& text) {
    return samples16(synthesiseSpeech(text).samples);
}

} // namespace

class TestFliteSpeech : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A further comma lengthens one pause by a little over a quarter second. A question is said in
    // one go: its phrases said apart would each end in the voice's own pause.
    void commasMakeTheirOwnPausesInOneUtterance() {
        const auto lasting = [](const QString& text) { return synthesiseSpeech(text).duration(); };
        QCOMPARE(lasting(u"7, times,, 8"_s) - lasting(u"7, times, 8"_s), 270ms);
        QCOMPARE_LT(lasting(u"7, times, 8"_s),
                    lasting(u"7"_s) + lasting(u"times"_s) + lasting(u"8"_s));
    }

    // The questions and the longest texts come out as loud as the game's sounds, their peaks
    // under the ceiling without being held there (no flat tops), their comma pauses silent: in
    // English from flite, in another language from eSpeak NG.
    void theVoiceIsAsLoudAsTheSoundsUnclippedAndSilentAtCommas_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("texts"); // questions first, then longer texts
        QTest::newRow("English") << u"en"_s
                                 << QStringList{Texts::question(7, 8), Texts::question(12, 9),
                                                Texts::question(1, 10),
                                                Texts::rules(20, 20).toLower(),
                                                Texts::winnerAnnouncement(Player::Red)};
        QTest::newRow("German") << u"de"_s
                                << QStringList{u"7, mal, 8"_s, u"12, mal, 9"_s, u"1, mal, 10"_s,
                                               u"vier in einer reihe,,waagrecht, senkrecht oder "
                                               u"diagonal gewinnt"_s};
    }
    void theVoiceIsAsLoudAsTheSoundsUnclippedAndSilentAtCommas() {
        QFETCH(QString, language);
        QFETCH(QStringList, texts);
        VoiceEngine& engine = language == u"en"_s ? fliteEngine() : espeakEngine(language);
        double sounds = 0.0;
        for (const QString& wav : {u"ding.WAV"_s, u"error.WAV"_s, u"ring.WAV"_s}) // as the game
            sounds += voicedLevelDbfs(readWavFile(wav).value_or(PcmSound{})) / 3;
        PcmSound all;
        for (const QString& text : texts) {
            const PcmSound voice = synthesiseSpeech(engine, text);
            QVERIFY2(!voice.samples.empty(), qPrintable(text));
            QVERIFY2(peakDbfs(voice) <= -1.0, qPrintable(text));
            const int top = int(32768 * std::pow(10.0, (peakDbfs(voice) - 0.1) / 20));
            const qsizetype zerosAt180Ms = 180 * voice.sampleRate / 1000;
            qsizetype nearTop = 0, run = 0, longestRun = 0, zeros = 0, silences = 0;
            for (const std::int16_t sample : voice.samples) {
                run = std::abs(sample) >= top ? run + 1 : 0;
                nearTop += run > 0;
                longestRun = std::max(longestRun, run);
                zeros = sample == 0 ? zeros + 1 : 0;
                silences += zeros == zerosAt180Ms;
            }
            const auto what = u"%1: %2 near the top, runs of %3"_s.arg(text).arg(nearTop);
            QVERIFY2(longestRun <= 2 && nearTop * 1000 <= qsizetype(voice.samples.size()),
                     qPrintable(what.arg(longestRun)));
            // 180 ms of zeros after each factor, however the words end (and before an English
            // question, where flite's opening pause is made silent).
            if (text.count(QLatin1Char(',')) == 2)
                QVERIFY2(silences >= (language == u"en"_s ? 3 : 2), qPrintable(text));
            all.sampleRate = voice.sampleRate;
            all.samples.insert(all.samples.end(), voice.samples.begin(), voice.samples.end());
        }
        QVERIFY2(std::abs(voicedLevelDbfs(all) - sounds) <= 1.0,
                 qPrintable(u"%1 dB against %2 dB"_s.arg(voicedLevelDbfs(all)).arg(sounds)));
    }

    // Without its voice the game goes on silent, and says once on stderr what to install.
    void aMissingVoiceIsSaidOnceAndTheGameGoesOnSilent() {
        struct MissingVoice final : VoiceEngine {
            std::mutex m_lock;
            std::mutex& lock() override { return m_lock; }
            bool load() override { return false; }
            QString whatIsMissing() const override { return u"no voice for \"de\""_s; }
            PcmSound say(const Utterance&, std::stop_token) override { return {}; }
        } missing;
        QTest::ignoreMessage(QtWarningMsg, "Speech: no voice for \"de\"; the game shows its texts "
                                           "and stays silent.");
        QTest::failOnWarning(QRegularExpression(u"^Speech:"_s));
        for (const QString& text : {Texts::question(7, 8), Texts::correct()})
            QVERIFY(synthesiseSpeech(missing, text).samples.empty());
    }

    void aNewTextCutsOffTheLastWithinFiftyMilliseconds() {
        const QByteArray firstAudio = spoken(Texts::rules(20, 20).toLower());
        const QByteArray secondAudio = spoken(Texts::question(7, 8));
        // The device writes into a pipe that this test empties at the voice's own pace, as a
        // sound card plays; what waits in the pipe can no longer be taken back.
        const QString pipe = device_.filePath(u"speech.pipe"_s);
        QVERIFY(device_.usePipe(pipe));
        std::signal(SIGPIPE, SIG_IGN); // the reader goes away before the voice ends
        const int reader = open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        const int pipeMs = fcntl(reader, F_SETPIPE_SZ, 4096) / bytesPerMs;

        QByteArray heard;
        QElapsedTimer playing, waited;
        waited.start();
        // Reads until the given time after the first sample, at the voice's pace if paced.
        const auto listen = [&](qint64 untilMs, bool paced) {
            while (playing.isValid() ? playing.elapsed() < untilMs : waited.elapsed() < 2000) {
                char buffer[4096];
                const qint64 room = paced && playing.isValid()
                                        ? playing.elapsed() * bytesPerMs - heard.size()
                                        : qint64(sizeof buffer);
                const ssize_t got = read(reader, buffer, std::clamp<qint64>(room, 0, 4096));
                if (got > 0 && !playing.isValid())
                    playing.start();
                heard.append(buffer, std::max<ssize_t>(got, 0));
                QTest::qSleep(2);
            }
        };
        auto speech = std::make_unique<FliteSpeech>();
        speech->speak(Texts::rules(20, 20).toLower());
        listen(600, true);
        const qsizetype heardBefore = heard.size();
        speech->speak(Texts::question(7, 8));
        listen(playing.elapsed() + 400, true);
        listen(playing.elapsed() + 5000, false);
        close(reader);

        qsizetype common = 0;
        while (common < std::min(heard.size(), firstAudio.size()) &&
               heard[common] == firstAudio[common])
            ++common;
        QVERIFY2(heardBefore > 500 * bytesPerMs, "the first text was not playing");
        const qsizetype afterwardsMs = (common - heardBefore) / bytesPerMs;
        // The file plugin also holds back up to one period (a quarter of the 100 ms buffer).
        QVERIFY2(afterwardsMs <= 50 + pipeMs + 25,
                 qPrintable(u"%1 ms, %2 of them in the pipe"_s.arg(afterwardsMs).arg(pipeMs)));
        // The second text follows from its first word, and the first never comes back.
        QVERIFY(heard.indexOf(secondAudio) >= common);
        QCOMPARE(heard.size() - heard.indexOf(secondAudio), secondAudio.size());
    }

    void aBurstLeavesOneUtteranceAndNoThreadOrHandleBehind() {
        QVERIFY(device_.useCaptureDevice());
        // The voice is loaded once per process; let that happen first.
        synthesiseSpeech(u"a"_s);
        const auto before = threadsAndHandles();
        auto speech = std::make_unique<FliteSpeech>();
        const QString text = u"that is not a valid selection,, try again,, "_s;
        // A child clicking ten times a second, with a very long text among them and an empty one
        // in the middle and at the end: an empty text cuts nothing off.
        std::vector<qint64> took;
        for (int call = 0; call < 100; ++call)
            took.push_back(millisecondsTaken([&] {
                speech->speak(call == 50                 ? u"nine "_s.repeated(2000)
                              : call == 60 || call == 99 ? QString()
                                                         : text);
            }));
        // `speak` returns at once: held to the median call, as a busy machine delays only some of
        // them, and the slowest, which is still far from the time to say a text.
        QCOMPARE_LT(*std::max_element(took.begin(), took.end()), 500);
        std::nth_element(took.begin(), took.begin() + 50, took.end());
        QCOMPARE_LT(took[50], 5);
        QTRY_COMPARE(threadsAndHandles(), before);
        // Only the last text with words in it was said to its end.
        QCOMPARE(device_.captured(), spoken(text));
        speech->speak(u"nine "_s.repeated(2000));
        QCOMPARE_LT(millisecondsTaken([&] { speech.reset(); }), 300);
        QTRY_COMPARE(threadsAndHandles(), before);
    }

private:
    AlsaTestDevice device_;
};

QTEST_GUILESS_MAIN(TestFliteSpeech)
#include "tst_flitespeech.moc"
