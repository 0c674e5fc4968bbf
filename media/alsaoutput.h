#pragma once

#include "media/pcmsound.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>

struct _snd_pcm;

namespace quintarlow {

// ALSA's "default" playback device, opened without blocking so that a machine without sound
// answers at once, and played to with a deadline so that a slow device cannot hold anyone.
// Some devices still block inside the library (the file plugin opening a pipe nobody reads),
// so the calls belong on a thread that may be given up on, never on the user-interface thread.
// Closing drops whatever has not been heard yet.
class AlsaOutput {
public:
    using Clock = std::chrono::steady_clock;

    // Nothing when there is no device to play on.
    static std::optional<AlsaOutput> openDefault();

    // Signed 16-bit samples, interleaved. False when the device refuses the format.
    bool configure(int channels, int sampleRate);

    // Hands the frames to the device, waiting for room while it plays. False when the deadline
    // passes, a stop is requested or the device fails first; the rest is then not worth trying.
    bool write(const std::int16_t* samples, std::int64_t frames, Clock::time_point deadline,
               std::stop_token stop = {});

    // Returns when everything written has been heard, the deadline passes or a stop is
    // requested.
    void finish(Clock::time_point deadline, std::stop_token stop = {});

    // All of the above for one sound. Call once.
    void play(const PcmSound& sound, Clock::time_point deadline, std::stop_token stop = {});

private:
    struct Closer {
        void operator()(_snd_pcm* pcm) const;
    };

    explicit AlsaOutput(_snd_pcm* pcm) : pcm_(pcm) {}

    std::unique_ptr<_snd_pcm, Closer> pcm_;
    int channels_ = 0;
    int sampleRate_ = 0;
};

// ALSA explains every failure on stderr, and a machine without sound fails on every sound.
void silenceAlsaErrors();

} // namespace quintarlow
