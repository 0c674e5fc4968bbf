#include "media/alsaoutput.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace quintarlow {

namespace {

using namespace std::chrono_literals;

// Small enough that a stop request or the deadline is noticed quickly, large enough that the
// device is not starved while playback goes on.
constexpr unsigned int deviceLatencyUs = 100'000;
constexpr std::int64_t framesPerWrite = 1024;
constexpr auto longestWait = 10ms;

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

std::chrono::milliseconds waitBefore(AlsaOutput::Clock::time_point deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - AlsaOutput::Clock::now());
    return std::clamp<std::chrono::milliseconds>(left, 0ms, longestWait);
}

} // namespace

void silenceAlsaErrors() {
    static const bool installed = [] {
        snd_lib_error_set_handler(&ignoreAlsaError);
        return true;
    }();
    (void)installed;
}

void AlsaOutput::Closer::operator()(_snd_pcm* pcm) const {
    snd_pcm_drop(pcm);
    snd_pcm_close(pcm);
}

std::optional<AlsaOutput> AlsaOutput::openDefault() {
    silenceAlsaErrors();
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return std::nullopt;
    return AlsaOutput(pcm);
}

bool AlsaOutput::configure(int channels, int sampleRate) {
    if (channels < 1 || sampleRate <= 0)
        return false;
    if (snd_pcm_set_params(pcm_.get(), SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                           static_cast<unsigned int>(channels),
                           static_cast<unsigned int>(sampleRate), 1, deviceLatencyUs) < 0)
        return false;
    channels_ = channels;
    sampleRate_ = sampleRate;
    return true;
}

bool AlsaOutput::write(const std::int16_t* samples, std::int64_t frames, Clock::time_point deadline,
                       std::stop_token stop) {
    snd_pcm_t* pcm = pcm_.get();
    if (channels_ < 1)
        return false;
    std::int64_t written = 0;
    while (written < frames) {
        if (stop.stop_requested() || Clock::now() >= deadline)
            return false;
        const snd_pcm_sframes_t result = snd_pcm_writei(
            pcm, samples + written * channels_,
            static_cast<snd_pcm_uframes_t>(std::min(framesPerWrite, frames - written)));
        if (result >= 0) {
            written += result;
        } else if (result == -EAGAIN) {
            snd_pcm_wait(pcm, static_cast<int>(waitBefore(deadline).count()));
        } else if (result == -EPIPE) {
            if (snd_pcm_prepare(pcm) < 0)
                return false;
        } else if (result == -ESTRPIPE) {
            // snd_pcm_recover would wait for the resume without any limit.
            const int resumed = snd_pcm_resume(pcm);
            if (resumed == -EAGAIN)
                std::this_thread::sleep_for(waitBefore(deadline));
            else if (resumed < 0 && snd_pcm_prepare(pcm) < 0)
                return false;
        } else if (result != -EINTR) {
            return false;
        }
    }
    return true;
}

void AlsaOutput::finish(Clock::time_point deadline, std::stop_token stop) {
    snd_pcm_t* pcm = pcm_.get();
    if (sampleRate_ <= 0)
        return;
    // A sound shorter than the device's buffer has not reached the start threshold yet.
    if (snd_pcm_state(pcm) == SND_PCM_STATE_PREPARED)
        snd_pcm_start(pcm);
    // snd_pcm_drain is not used: depending on the plugin it blocks without a limit or keeps
    // answering EAGAIN. The delay says how much is still to be heard; once the device has
    // played everything it underruns, and some devices then leave the last delay standing.
    while (!stop.stop_requested() && Clock::now() < deadline) {
        if (snd_pcm_state(pcm) != SND_PCM_STATE_RUNNING)
            return;
        snd_pcm_sframes_t delay = 0;
        if (snd_pcm_delay(pcm, &delay) < 0 || delay <= 0)
            return;
        const std::chrono::milliseconds left(delay * 1000 / sampleRate_ + 1);
        std::this_thread::sleep_for(std::min(left, waitBefore(deadline)));
    }
}

void AlsaOutput::play(const PcmSound& sound, Clock::time_point deadline, std::stop_token stop) {
    if (sound.samples.empty() || !configure(sound.channels, sound.sampleRate))
        return;
    if (write(sound.samples.data(), sound.frames(), deadline, stop))
        finish(deadline, stop);
}

} // namespace quintarlow
