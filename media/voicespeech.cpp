#include "media/voicespeech.h"

#include "core/spokentexts.h"
#include "media/alsaoutput.h"
#include "media/loudness.h"
#include "media/mediawords.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace quintarlow {

namespace {

using namespace std::chrono_literals;
using Clock = AlsaOutput::Clock;

// Extra time a phrase may take over its length before the worker gives up on the device.
constexpr auto speechMargin = 2s;
// How long closing the voice waits for the worker to let go of the device.
constexpr auto shutdownWait = 250ms;
// The voice's level over its voiced frames, the same as the game's sounds, and the ceiling its
// peaks are held under.
constexpr double voiceLevelDbfs = -17.0;
constexpr double voiceCeilingDbfs = -2.0;
// The limiter turns the gain down over this long before a peak, and lets it back up at this
// pace after one: both far slower than a period of the voice's pitch, so the gain never follows
// the waveform and the vowels keep their shape.
constexpr double limiterLookAheadSeconds = 0.005;
constexpr double limiterHoldSeconds = 0.05;
constexpr double limiterReleaseSeconds = 0.15;

// Raises the voice by a fixed gain and keeps the peaks under the ceiling with a look-ahead
// limiter. The limiter's gain is worked out for a whole piece at once, before any of it is
// played: the least gain any sample from the hold behind to the look-ahead in front needs, let
// back up gradually after that, then averaged over the look-ahead, so that it falls in a smooth
// ramp that ends at a peak's gain exactly when the peak comes. Silence stays silence.
class Leveller {
public:
    Leveller(double gainDb, int sampleRate)
        : gain_(std::pow(10.0, gainDb / 20.0)),
          lookAhead_(std::max<std::size_t>(
              1, static_cast<std::size_t>(limiterLookAheadSeconds * sampleRate))),
          hold_(static_cast<std::size_t>(limiterHoldSeconds * sampleRate)),
          release_(std::exp(-1.0 / (limiterReleaseSeconds * std::max(sampleRate, 1)))) {}

    void apply(std::int16_t* samples, std::size_t count) {
        const double ceiling = 32768.0 * std::pow(10.0, voiceCeilingDbfs / 20.0);
        std::vector<double> limited(count);
        for (std::size_t index = 0; index < count; ++index) {
            const double raised = std::abs(samples[index] * gain_);
            limited[index] = raised > ceiling ? ceiling / raised : 1.0;
        }
        // The least gain any sample from the hold behind to the look-ahead in front needs, from a
        // queue of the samples that can still be the least, the least at its front.
        std::vector<double> least(count);
        std::deque<std::size_t> candidates;
        for (std::size_t index = 0, next = 0; index < count; ++index) {
            for (; next < count && next < index + lookAhead_; ++next) {
                while (!candidates.empty() && limited[candidates.back()] >= limited[next])
                    candidates.pop_back();
                candidates.push_back(next);
            }
            while (candidates.front() + hold_ < index)
                candidates.pop_front();
            least[index] = limited[candidates.front()];
        }
        limited = std::move(least);
        for (double& gain : limited) {
            released_ = std::min(gain, 1.0 - (1.0 - released_) * release_);
            gain = released_;
        }
        // Before the piece, the gain is taken as its first: a piece begins in silence.
        double sum = count > 0 ? limited.front() * double(lookAhead_) : 0.0;
        for (std::size_t index = 0; index < count; ++index) {
            sum += limited[index] -
                   (index >= lookAhead_ ? limited[index - lookAhead_] : limited.front());
            const double levelled = samples[index] * gain_ * sum / double(lookAhead_);
            samples[index] =
                static_cast<std::int16_t>(std::clamp(std::lround(levelled), -32768L, 32767L));
        }
    }

private:
    double gain_;
    std::size_t lookAhead_;
    std::size_t hold_;
    double release_;
    // The limiter's gain at the end of the last piece, which the next one carries on from.
    double released_ = 1.0;
};

// A synthesiser's text analysis grows faster than the text, so a long run without commas is
// said in pieces of at most `longestPiece` characters, cut at a blank where there is one.
QList<SpeechPhrase> speechPieces(const QString& text, qsizetype longestPiece) {
    QList<SpeechPhrase> pieces;
    // The voice spells out words in capitals ("BLUE" as B-L-U-E), and the game's texts use
    // capitals for emphasis, not for letters.
    for (const SpeechPhrase& phrase : splitAtCommaRuns(text.toLower())) {
        QString rest = phrase.text;
        while (rest.size() > longestPiece) {
            qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), longestPiece);
            if (cut <= 0)
                cut = longestPiece;
            pieces.append({rest.left(cut), 0});
            rest = rest.mid(cut).trimmed();
        }
        pieces.append({rest, phrase.pauseAfterMs});
    }
    return pieces;
}

// A piece cut out of a long run without commas ends an utterance: joining it to the next would
// put a comma, and so a pause, where the text has none.
QList<Utterance> utterancesOf(const QList<SpeechPhrase>& pieces, qsizetype longestPiece) {
    QList<Utterance> utterances;
    qsizetype length = 0;
    for (const SpeechPhrase& piece : pieces) {
        const bool joins = !utterances.isEmpty() && utterances.last().last().pauseAfterMs > 0 &&
                           length + piece.text.size() <= longestPiece;
        if (!joins) {
            utterances.append(Utterance());
            length = 0;
        }
        utterances.last().append(piece);
        length += piece.text.size() + 2;
    }
    return utterances;
}

// The gain that brings the game's own texts, said and limited an utterance at a time as the game
// says them, to the voice's level: worked out once, when the voice loads.
double voiceGainDb(VoiceEngine& engine) {
    std::vector<PcmSound> pieces;
    for (const QString& text : {Texts::rules(20, 20), Texts::question(7, 8)})
        for (const Utterance& utterance :
             utterancesOf(speechPieces(text, engine.longestUtterance()), engine.longestUtterance()))
            if (PcmSound wave = engine.say(utterance, {}); !wave.samples.empty())
                pieces.push_back(std::move(wave));
    const auto levelOf = [&pieces](std::optional<double> gainDb) {
        PcmSound whole;
        std::optional<Leveller> leveller;
        for (PcmSound piece : pieces) {
            if (gainDb) {
                if (!leveller)
                    leveller.emplace(*gainDb, piece.sampleRate);
                leveller->apply(piece.samples.data(), piece.samples.size());
            }
            whole.sampleRate = piece.sampleRate;
            whole.samples.insert(whole.samples.end(), piece.samples.begin(), piece.samples.end());
        }
        return voicedLevelDbfs(whole);
    };
    const double raw = levelOf(std::nullopt);
    if (!std::isfinite(raw))
        return 0.0;
    // The limiter takes a little off the level; a few rounds make up for it.
    double gain = voiceLevelDbfs - raw;
    for (int round = 0; round < 4; ++round)
        gain += voiceLevelDbfs - levelOf(gain);
    return gain;
}

// Loads the voice and works out its gain on first use; nothing when it cannot be loaded. Called
// with the engine's lock held.
std::optional<double> loadedGain(VoiceEngine& engine) {
    if (!engine.load()) {
        // Silent rather than another language's voice: English would read a German text with
        // English sounds and numbers, which a child learning the tables in German must not hear.
        if (!std::exchange(engine.missingTold, true))
            qWarning("%s",
                     qUtf8Printable(MediaWords::tr("Speech: %1; the game shows its texts and stays "
                                                   "silent.")
                                        .arg(engine.whatIsMissing())));
        return std::nullopt;
    }
    if (!engine.gainDb) {
        engine.gainDb = voiceGainDb(engine);
        engine.levelWorkedOut();
    }
    return engine.gainDb;
}

// Synthesises the text an utterance at a time, each levelled and followed by its pause, and
// hands each to `take` as soon as it is made. Ends early when `take` says so or a stop is
// requested.
template <typename Take>
void synthesise(VoiceEngine& engine, const QString& text, std::stop_token stop, Take take) {
    std::optional<Leveller> leveller;
    const qsizetype longest = engine.longestUtterance();
    for (const Utterance& utterance : utterancesOf(speechPieces(text, longest), longest)) {
        if (stop.stop_requested())
            return;
        PcmSound audio;
        double gainDb = 0.0;
        {
            const std::scoped_lock lock(engine.lock());
            const std::optional<double> gain = loadedGain(engine);
            if (!gain)
                return;
            audio = engine.say(utterance, stop);
            gainDb = *gain;
        }
        if (audio.samples.empty()) {
            if (stop.stop_requested())
                return;
            continue;
        }
        if (!leveller)
            leveller.emplace(gainDb, audio.sampleRate);
        leveller->apply(audio.samples.data(), audio.samples.size());
        if (!take(audio))
            return;
    }
}

} // namespace

PcmSound synthesiseSpeech(VoiceEngine& engine, const QString& text) {
    PcmSound whole;
    synthesise(engine, text, {}, [&whole](const PcmSound& piece) {
        whole.sampleRate = piece.sampleRate;
        whole.samples.insert(whole.samples.end(), piece.samples.begin(), piece.samples.end());
        return true;
    });
    return whole;
}

// What the owner and the worker share; either may outlive the other.
struct VoiceSpeech::Voice {
    explicit Voice(VoiceEngine& engine) : engine(engine) {}
    VoiceEngine& engine;
    struct Request {
        QString text;
        std::stop_token stop;
        bool withoutDevice = false;
    };

    std::mutex mutex;
    std::condition_variable idle;
    std::optional<QString> pending; // the newest text, not yet begun
    std::stop_source current;       // stops the utterance being said
    bool working = false;           // a worker is running
    bool closing = false;
    SpeechHooks hooks;

    // The next text to say, or nothing when the worker is to end.
    std::optional<Request> next() {
        const std::scoped_lock lock(mutex);
        if (closing || !pending) {
            working = false;
            idle.notify_all();
            return std::nullopt;
        }
        Request utterance{*pending, current.get_token(), hooks.speakWithoutDevice};
        pending.reset();
        return utterance;
    }

    void firstSamplesHandedOver(const QString& text) {
        const std::scoped_lock lock(mutex);
        if (hooks.firstSamplesHandedOver)
            hooks.firstSamplesHandedOver(text);
    }

    void say(const Request& utterance) {
        // Without a device nothing is synthesised: there is nobody to hear it.
        std::optional<AlsaOutput> output = AlsaOutput::openDefault();
        if (!output && !utterance.withoutDevice)
            return;
        bool started = false;
        synthesise(engine, utterance.text, utterance.stop, [&](const PcmSound& piece) {
            if (!started && output && !output->configure(piece.channels, piece.sampleRate))
                return false;
            if (!started)
                firstSamplesHandedOver(utterance.text);
            started = true;
            return !output ||
                   output->write(piece.samples.data(), piece.frames(),
                                 Clock::now() + piece.duration() + speechMargin, utterance.stop);
        });
        if (output && started)
            output->finish(Clock::now() + speechMargin, utterance.stop);
    }

    static void work(const std::shared_ptr<Voice>& voice) {
        while (const std::optional<Request> utterance = voice->next())
            voice->say(*utterance);
    }
};

VoiceSpeech::VoiceSpeech(VoiceEngine& engine, SpeechHooks hooks)
    : voice_(std::make_shared<Voice>(engine)) {
    voice_->hooks = std::move(hooks);
    // Loading the voice takes a moment; done now, alongside, the first text starts at once.
    try {
        std::thread([&engine] {
            const std::scoped_lock lock(engine.lock());
            loadedGain(engine);
        }).detach();
    } catch (const std::system_error&) {
        // The first text loads it instead.
    }
}

VoiceSpeech::~VoiceSpeech() {
    std::unique_lock lock(voice_->mutex);
    voice_->closing = true;
    voice_->pending.reset();
    voice_->current.request_stop();
    voice_->hooks = {};
    voice_->idle.wait_for(lock, shutdownWait, [this] { return !voice_->working; });
}

void VoiceSpeech::speak(const QString& text) {
    // A screen may hand over a text it has already emptied (the winner screen's announcement
    // after a quick replay); silencing the game for it would cut off what another screen says.
    if (text.trimmed().isEmpty())
        return;
    const std::scoped_lock lock(voice_->mutex);
    voice_->current.request_stop();
    voice_->current = std::stop_source();
    voice_->pending = text;
    if (voice_->working)
        return;
    try {
        std::thread([voice = voice_] { Voice::work(voice); }).detach();
        voice_->working = true;
    } catch (const std::system_error&) {
        // Out of threads: this text goes unsaid rather than taking the game down.
        voice_->pending.reset();
    }
}

} // namespace quintarlow
