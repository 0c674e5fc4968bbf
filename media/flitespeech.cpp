#include "media/flitespeech.h"

#include "core/spokentexts.h"
#include "media/alsaoutput.h"
#include "media/loudness.h"
#include "media/speechpauses.h"

#include <QtGlobal>

#include <flite/flite.h>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

extern "C" cst_voice* register_cmu_us_kal16(const char* voxdir);

namespace quintarlow {

namespace {

using namespace std::chrono_literals;
using Clock = AlsaOutput::Clock;

// Extra time a phrase may take over its length before the worker gives up on the device.
constexpr auto speechMargin = 2s;
// How long closing the voice waits for the worker to let go of the device.
constexpr auto shutdownWait = 250ms;
// flite's text analysis grows faster than the text, so a long run without commas is said in
// pieces of at most this many characters, cut at a blank where there is one.
constexpr qsizetype longestPiece = 80;

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

int stopWhenAsked(const cst_wave*, int, int, int, cst_audio_streaming_info* info) {
    const auto* stop = static_cast<const std::stop_token*>(info->userdata);
    return stop && stop->stop_requested() ? CST_AUDIO_STREAM_STOP : CST_AUDIO_STREAM_CONT;
}

struct LoadedVoice {
    cst_voice* voice = nullptr;
    // flite reports its progress through this while it makes a wave; answering "stop" ends
    // the wave there, so a long piece can be given up on.
    cst_audio_streaming_info* progress = nullptr;
    double gainDb = 0.0;
};

QList<SpeechPhrase> speechPieces(const QString& text) {
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

struct UtteranceDeleter {
    void operator()(cst_utterance* utterance) const { delete_utterance(utterance); }
};
using UtterancePointer = std::unique_ptr<cst_utterance, UtteranceDeleter>;

// Phrases said as one utterance of the voice, so that they keep the rhythm and intonation of one
// sentence: said apart, each phrase is a sentence of its own that falls at its end, and the
// recogniser takes the last factor of a question, said that way, for another word.
using Utterance = QList<SpeechPhrase>;

// A piece cut out of a long run without commas ends an utterance: joining it to the next would
// put a comma, and so a pause, where the text has none.
QList<Utterance> utterancesOf(const QList<SpeechPhrase>& pieces) {
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

// The phrases said in one go, each pause the voice makes at the comma after a phrase turned into
// exactly that phrase's silence: the voice's own pause is a fixed length and not quite silent.
// The pause it opens with becomes silence of its own length: raised to the game's level, its
// noise is heard as a word ("it", or "and" for an "eight" that follows it). The pause it ends
// with stays: the last sounds of the last word die away in it.
PcmSound waveOf(const LoadedVoice& loaded, const Utterance& phrases, std::stop_token stop) {
    // From a sound to the written word it is part of, and the punctuation that follows it.
    constexpr const char* punctuationAfter = "R:SylStructure.parent.parent.R:Token.parent.punc";
    QStringList texts;
    for (const SpeechPhrase& phrase : phrases)
        texts.append(phrase.text);
    loaded.progress->userdata = &stop;
    const UtterancePointer utterance(
        flite_synth_text(texts.join(QLatin1String(", ")).toUtf8().constData(), loaded.voice));
    loaded.progress->userdata = nullptr;
    const cst_wave* wave = utterance ? utt_wave(utterance.get()) : nullptr;
    if (!wave || stop.stop_requested() || wave->num_channels != 1 || wave->sample_rate <= 0 ||
        wave->num_samples <= 0)
        return {};
    PcmSound said{{}, 1, wave->sample_rate};
    const auto sampleAt = [wave](const cst_item* segment, std::size_t from) {
        const auto at = std::lround(item_feat_float(segment, "end") * wave->sample_rate);
        return std::clamp<std::size_t>(std::max(at, 0L), from, wave->num_samples);
    };
    const auto samplesLasting = [&said](int milliseconds) {
        return static_cast<std::size_t>(milliseconds) * said.sampleRate / 1000;
    };
    std::size_t copied = 0;
    qsizetype pausesMade = 0;
    for (const cst_item* segment = relation_head(utt_relation(utterance.get(), "Segment")); segment;
         segment = item_next(segment)) {
        if (std::string_view(item_feat_string(segment, "name")) != "pau")
            continue;
        const cst_item* before = item_prev(segment);
        const bool atComma =
            before && pausesMade + 1 < phrases.size() &&
            std::string_view(ffeature_string(before, punctuationAfter)).find(',') !=
                std::string_view::npos;
        if (before && !atComma)
            continue;
        const std::size_t pauseStart = before ? sampleAt(before, copied) : copied;
        const std::size_t pauseEnd = sampleAt(segment, pauseStart);
        said.samples.insert(said.samples.end(), wave->samples + copied, wave->samples + pauseStart);
        const std::size_t silence =
            atComma ? samplesLasting(phrases[pausesMade++].pauseAfterMs) : pauseEnd - pauseStart;
        said.samples.insert(said.samples.end(), silence, 0);
        copied = pauseEnd;
    }
    said.samples.insert(said.samples.end(), wave->samples + copied,
                        wave->samples + wave->num_samples);
    said.samples.insert(said.samples.end(), samplesLasting(phrases.last().pauseAfterMs), 0);
    return said;
}

// The gain that brings the game's own texts, said and limited an utterance at a time as the game
// says them, to the voice's level: worked out once, when the voice loads.
double voiceGainDb(const LoadedVoice& loaded) {
    std::vector<PcmSound> pieces;
    for (const QString& text : {QString(Texts::Rules), Texts::question(7, 8)})
        for (const Utterance& utterance : utterancesOf(speechPieces(text)))
            if (PcmSound wave = waveOf(loaded, utterance, {}); !wave.samples.empty())
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

// flite keeps process-wide state and is not known to be thread-safe, so every voice in the
// process takes turns with this one lock; playback does not need it.
std::mutex& fliteLock() {
    static std::mutex lock;
    return lock;
}

// The voice's recordings (3.9 MB) and the lexicon (0.6 MB) are read-only data of flite's
// libraries, mapped from their files; a text reads a few pages of them, but working out the
// voice's level reads most. Those pages go back to the page cache, which keeps them, so a text
// maps what it needs again without reading the disk. They are let go once, after the level:
// letting go after every text would make each next text map its pages again and start later.
// Only segments that are read-only in the file are let go, whole pages of them, so nothing the
// loader wrote is lost.
void releaseVoicePages() {
    dl_iterate_phdr(
        [](dl_phdr_info* library, std::size_t, void*) {
            const std::string_view name = library->dlpi_name ? library->dlpi_name : "";
            if (name.find("libflite_cmu_us_kal16.") == std::string_view::npos &&
                name.find("libflite_cmulex.") == std::string_view::npos)
                return 0;
            const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
            for (int index = 0; index < library->dlpi_phnum; ++index) {
                const ElfW(Phdr)& segment = library->dlpi_phdr[index];
                if (segment.p_type != PT_LOAD || segment.p_flags != PF_R)
                    continue;
                const std::uintptr_t from = library->dlpi_addr + segment.p_vaddr;
                const std::uintptr_t start = (from + page - 1) / page * page;
                const std::uintptr_t end = (from + segment.p_filesz) / page * page;
                if (end > start)
                    madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
            }
            return 0;
        },
        nullptr);
}

// Loaded on first use, on whichever thread speaks first, with fliteLock held.
const LoadedVoice* loadedVoice() {
    static const std::optional<LoadedVoice> voice = []() -> std::optional<LoadedVoice> {
        flite_init();
        LoadedVoice loaded;
        loaded.voice = register_cmu_us_kal16(nullptr);
        if (!loaded.voice) {
            qWarning("Speech: the flite voice cmu_us_kal16 could not be loaded; the game stays "
                     "silent.");
            return std::nullopt;
        }
        loaded.progress = new_audio_streaming_info();
        loaded.progress->asc = &stopWhenAsked;
        loaded.progress->userdata = nullptr;
        // The voice owns it from here on.
        feat_set(loaded.voice->features, "streaming_info",
                 audio_streaming_info_val(loaded.progress));
        loaded.gainDb = voiceGainDb(loaded);
        // Working out the level read most of the recordings.
        releaseVoicePages();
        return loaded;
    }();
    return voice ? &*voice : nullptr;
}

// Synthesises the text an utterance at a time, each levelled and followed by its pause, and
// hands each to `take` as soon as it is made. Ends early when `take` says so or a stop is
// requested.
template <typename Take> void synthesise(const QString& text, std::stop_token stop, Take take) {
    std::optional<Leveller> leveller;
    for (const Utterance& utterance : utterancesOf(speechPieces(text))) {
        if (stop.stop_requested())
            return;
        PcmSound audio;
        double gainDb = 0.0;
        {
            const std::scoped_lock lock(fliteLock());
            const LoadedVoice* voice = loadedVoice();
            if (!voice)
                return;
            audio = waveOf(*voice, utterance, stop);
            gainDb = voice->gainDb;
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

PcmSound synthesiseSpeech(const QString& text) {
    PcmSound whole;
    synthesise(text, {}, [&whole](const PcmSound& piece) {
        whole.sampleRate = piece.sampleRate;
        whole.samples.insert(whole.samples.end(), piece.samples.begin(), piece.samples.end());
        return true;
    });
    return whole;
}

// What the owner and the worker share; either may outlive the other.
struct FliteSpeech::Voice {
    struct Utterance {
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
    std::optional<Utterance> next() {
        const std::scoped_lock lock(mutex);
        if (closing || !pending) {
            working = false;
            idle.notify_all();
            return std::nullopt;
        }
        Utterance utterance{*pending, current.get_token(), hooks.speakWithoutDevice};
        pending.reset();
        return utterance;
    }

    void firstSamplesHandedOver(const QString& text) {
        const std::scoped_lock lock(mutex);
        if (hooks.firstSamplesHandedOver)
            hooks.firstSamplesHandedOver(text);
    }

    void say(const Utterance& utterance) {
        // Without a device nothing is synthesised: there is nobody to hear it.
        std::optional<AlsaOutput> output = AlsaOutput::openDefault();
        if (!output && !utterance.withoutDevice)
            return;
        bool started = false;
        synthesise(utterance.text, utterance.stop, [&](const PcmSound& piece) {
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
        while (const std::optional<Utterance> utterance = voice->next())
            voice->say(*utterance);
    }
};

FliteSpeech::FliteSpeech(SpeechHooks hooks) : voice_(std::make_shared<Voice>()) {
    voice_->hooks = std::move(hooks);
    // Loading the voice takes a moment; done now, alongside, the first text starts at once.
    try {
        std::thread([] {
            const std::scoped_lock lock(fliteLock());
            loadedVoice();
        }).detach();
    } catch (const std::system_error&) {
        // The first text loads it instead.
    }
}

FliteSpeech::~FliteSpeech() {
    std::unique_lock lock(voice_->mutex);
    voice_->closing = true;
    voice_->pending.reset();
    voice_->current.request_stop();
    voice_->hooks = {};
    voice_->idle.wait_for(lock, shutdownWait, [this] { return !voice_->working; });
}

void FliteSpeech::speak(const QString& text) {
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
