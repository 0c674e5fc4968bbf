#include "flitespeech.h"

#include "alsaoutput.h"
#include "speechpauses.h"

#include <QtGlobal>

#include <flite/flite.h>

#include <memory>
#include <mutex>
#include <system_error>

extern "C" cst_voice* register_cmu_us_kal16(const char* voxdir);

namespace quintarlow {

namespace {

using namespace std::chrono_literals;

// Extra time an utterance may take over its length before its worker gives up on the device.
constexpr auto speechMargin = 2s;

struct WaveDeleter {
    void operator()(cst_wave* wave) const { delete_wave(wave); }
};
using WavePointer = std::unique_ptr<cst_wave, WaveDeleter>;

// flite keeps process-wide state and is not known to be thread-safe, so every voice in the
// process takes turns with this one lock; playback does not need it.
std::mutex& fliteLock() {
    static std::mutex lock;
    return lock;
}

// Loaded on first use, on whichever thread speaks first, with fliteLock held.
cst_voice* fliteVoice() {
    static cst_voice* const voice = [] {
        flite_init();
        cst_voice* loaded = register_cmu_us_kal16(nullptr);
        if (!loaded)
            qWarning("Speech: the flite voice cmu_us_kal16 could not be loaded; the game stays "
                     "silent.");
        return loaded;
    }();
    return voice;
}

void appendPhrase(PcmSound& audio, const QString& phrase) {
    const std::scoped_lock lock(fliteLock());
    cst_voice* voice = fliteVoice();
    if (!voice)
        return;
    const WavePointer wave(flite_text_to_wave(phrase.toUtf8().constData(), voice));
    if (!wave || wave->num_channels != 1 || wave->sample_rate <= 0 || wave->num_samples <= 0)
        return;
    if (audio.sampleRate == 0)
        audio.sampleRate = wave->sample_rate;
    audio.samples.insert(audio.samples.end(), wave->samples, wave->samples + wave->num_samples);
}

PcmSound synthesise(const QString& text, std::stop_token stop) {
    PcmSound audio;
    // The voice spells out words in capitals ("BLUE" as B-L-U-E), and the game's texts use
    // capitals for emphasis, not for letters.
    for (const SpeechPhrase& phrase : splitAtCommaRuns(text.toLower())) {
        if (stop.stop_requested())
            return {};
        appendPhrase(audio, phrase.text);
        const auto pauseSamples =
            static_cast<std::size_t>(phrase.pauseAfterMs) * audio.sampleRate / 1000;
        audio.samples.insert(audio.samples.end(), pauseSamples, 0);
    }
    return audio;
}

void speakOnDevice(const QString& text, std::stop_token stop) {
    // Without a device the utterance is dropped before anything is synthesised.
    std::optional<AlsaOutput> output = AlsaOutput::openDefault();
    if (!output)
        return;
    const PcmSound audio = synthesise(text, stop);
    if (audio.samples.empty() || stop.stop_requested())
        return;
    output->play(audio, AlsaOutput::Clock::now() + audio.duration() + speechMargin, stop);
}

} // namespace

PcmSound synthesiseSpeech(const QString& text) {
    return synthesise(text, {});
}

FliteSpeech::~FliteSpeech() {
    // Stop them all before joining any, so they wind down side by side.
    for (Worker& worker : workers_)
        worker.thread.request_stop();
    workers_.clear();
}

void FliteSpeech::joinFinishedWorkers() {
    workers_.remove_if([](const Worker& worker) { return worker.finished.load(); });
}

void FliteSpeech::Speak(const QString& text) {
    joinFinishedWorkers();
    Worker& worker = workers_.emplace_back();
    try {
        worker.thread = std::jthread([text, &finished = worker.finished](std::stop_token stop) {
            speakOnDevice(text, stop);
            finished = true;
        });
    } catch (const std::system_error&) {
        // Out of threads: this utterance goes unsaid rather than taking the game down.
        workers_.pop_back();
    }
}

} // namespace quintarlow
