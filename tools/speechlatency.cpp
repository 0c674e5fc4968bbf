// How soon the game's voice starts: speaks a typical question and the longest text the game
// says through the real voice on ALSA's "default" device, and prints for each run and text how
// long `speak` took to return and how long it was from `speak` to the first samples handed to the
// device.
//   quintarlow_speechlatency [--runs N]      (10 runs unless told)
// Without a sound device the samples are synthesised all the same and the time is taken to
// where they would be handed over.

#include "app/heaparenas.h"
#include "core/spokentexts.h"
#include "media/alsaoutput.h"
#include "media/flitespeech.h"

#include <QCoreApplication>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>

using namespace quintarlow;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// The first samples of each text, as the voice reports them from its worker.
class HandOvers {
public:
    void record(const QString& text) {
        const std::scoped_lock lock(mutex_);
        text_ = text;
        at_ = Clock::now();
        arrived_.notify_all();
    }
    void forget() {
        const std::scoped_lock lock(mutex_);
        at_.reset();
    }
    std::optional<Clock::time_point> waitFor(const QString& text) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, 5s, [&] { return at_ && text_ == text; });
        return at_ && text_ == text ? at_ : std::nullopt;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    QString text_;
    std::optional<Clock::time_point> at_;
};

QString longestSpokenText() {
    const QStringList texts{
        Texts::rules(20, 20).toLower(),
        Texts::winnerAnnouncement(Player::Blue),
        Texts::correctAnswerSpeech(std::nullopt, 144, Player::Blue),
        Texts::rightAnswer(144, Player::Blue),
        Texts::invalidSelection(12, 12),
        Texts::welcome(),
    };
    QString longest;
    for (const QString& text : texts)
        if (text.size() > longest.size())
            longest = text;
    return longest;
}

} // namespace

int main(int argc, char* argv[]) {
    // The voice's threads allocate as they do in the game.
    shareOneHeap();
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    int runs = 10;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--runs")); at >= 0) {
        bool valid = false;
        runs = at + 1 < arguments.size() ? arguments.at(at + 1).toInt(&valid) : 0;
        if (!valid || runs < 1) {
            std::fprintf(stderr, "usage: quintarlow_speechlatency [--runs N]\n");
            return 2;
        }
    }

    if (!AlsaOutput::openDefault())
        std::printf("# no sound device: first_sample_ms is taken to where the samples would be "
                    "handed to the device\n");
    HandOvers handOvers;
    FliteSpeech speech({[&handOvers](const QString& text) { handOvers.record(text); }, true});
    const QList<std::pair<const char*, QString>> texts{{"question", Texts::question(7, 8)},
                                                       {"longest", longestSpokenText()}};

    // The first utterance also loads the voice, once per run of the game.
    const auto loading = Clock::now();
    speech.speak(texts.front().second);
    if (const auto loaded = handOvers.waitFor(texts.front().second))
        std::printf("# first utterance, voice loading included: %.1f ms (not counted below)\n",
                    std::chrono::duration<double, std::milli>(*loaded - loading).count());

    for (int run = 0; run < runs; ++run) {
        for (const auto& [name, text] : texts) {
            handOvers.forget();
            const auto spoken = Clock::now();
            speech.speak(text);
            const auto returned = Clock::now();
            const std::optional<Clock::time_point> first = handOvers.waitFor(text);
            const auto returnUs =
                std::chrono::duration_cast<std::chrono::microseconds>(returned - spoken).count();
            if (!first) {
                std::printf("# %s: no samples within 5 s\n", name);
                return 1;
            }
            std::printf("speech text=%s speak_return_us=%lld first_sample_ms=%.2f\n", name,
                        static_cast<long long>(returnUs),
                        std::chrono::duration<double, std::milli>(*first - spoken).count());
            std::fflush(stdout);
            // Let it be heard a little, as a player would, before the next text cuts it off.
            std::this_thread::sleep_for(300ms);
        }
    }
    return 0;
}
