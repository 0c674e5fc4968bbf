#include "media/flitespeech.h"

#include <QtGlobal>

#include <flite/flite.h>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

extern "C" cst_voice* register_cmu_us_kal16(const char* voxdir);

namespace quintarlow {

namespace {

int stopWhenAsked(const cst_wave*, int, int, int, cst_audio_streaming_info* info) {
    const auto* stop = static_cast<const std::stop_token*>(info->userdata);
    return stop && stop->stop_requested() ? CST_AUDIO_STREAM_STOP : CST_AUDIO_STREAM_CONT;
}

struct LoadedVoice {
    cst_voice* voice = nullptr;
    // flite reports its progress through this while it makes a wave; answering "stop" ends
    // the wave there, so a long piece can be given up on.
    cst_audio_streaming_info* progress = nullptr;
};

struct UtteranceDeleter {
    void operator()(cst_utterance* utterance) const { delete_utterance(utterance); }
};
using UtterancePointer = std::unique_ptr<cst_utterance, UtteranceDeleter>;

// Phrases said as one utterance of the voice, so that they keep the rhythm and intonation of one
// sentence: said apart, each phrase is a sentence of its own that falls at its end, and the
// recogniser takes the last factor of a question, said that way, for another word.
using Utterance = QList<SpeechPhrase>;

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

// flite's cmu_us_kal16, the English voice. flite keeps process-wide state, so there is one.
class FliteEngine final : public VoiceEngine {
public:
    std::mutex& lock() override { return m_lock; }

    QString whatIsMissing() const override {
        return QStringLiteral("the flite voice cmu_us_kal16 could not be loaded (the package "
                              "libflite1)");
    }

    bool load() override {
        if (std::exchange(m_tried, true))
            return m_voice.has_value();
        flite_init();
        LoadedVoice loaded;
        loaded.voice = register_cmu_us_kal16(nullptr);
        if (!loaded.voice)
            return false;
        loaded.progress = new_audio_streaming_info();
        loaded.progress->asc = &stopWhenAsked;
        loaded.progress->userdata = nullptr;
        // The voice owns it from here on.
        feat_set(loaded.voice->features, "streaming_info",
                 audio_streaming_info_val(loaded.progress));
        m_voice = loaded;
        return true;
    }

    PcmSound say(const Utterance& phrases, std::stop_token stop) override {
        return m_voice ? waveOf(*m_voice, phrases, stop) : PcmSound{};
    }

    // Working out the level read most of the recordings.
    void levelWorkedOut() override { releaseVoicePages(); }

private:
    std::mutex m_lock;
    bool m_tried = false;
    std::optional<LoadedVoice> m_voice;
};

} // namespace

VoiceEngine& fliteEngine() {
    static FliteEngine engine;
    return engine;
}

} // namespace quintarlow
