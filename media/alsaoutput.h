#pragma once

#include "pcmsound.h"

#include <chrono>
#include <memory>
#include <optional>
#include <stop_token>

struct _snd_pcm;

namespace quintarlow {

// ALSA's "default" playback device, opened without blocking so that a machine without sound
// answers at once, and played to with a deadline so that a stuck device cannot hold anyone.
class AlsaOutput {
public:
    using Clock = std::chrono::steady_clock;

    // Nothing when there is no device to play on.
    static std::optional<AlsaOutput> openDefault();

    // Returns when the sound has been heard to its end, when the deadline passes or when a stop
    // is requested, whichever comes first. Call once.
    void play(const PcmSound& sound, Clock::time_point deadline, std::stop_token stop = {});

private:
    struct Closer {
        void operator()(_snd_pcm* pcm) const;
    };

    explicit AlsaOutput(_snd_pcm* pcm) : pcm_(pcm) {}

    std::unique_ptr<_snd_pcm, Closer> pcm_;
};

// ALSA explains every failure on stderr, and a machine without sound fails on every sound.
void silenceAlsaErrors();

} // namespace quintarlow
