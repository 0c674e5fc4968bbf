#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace quintarlow {

// Decoded audio ready for the device: signed 16-bit samples, interleaved when there is more
// than one channel.
struct PcmSound {
    std::vector<std::int16_t> samples;
    int channels = 1;
    int sampleRate = 0;

    std::int64_t frames() const {
        return channels > 0 ? static_cast<std::int64_t>(samples.size()) / channels : 0;
    }
    std::chrono::milliseconds duration() const {
        if (sampleRate <= 0)
            return std::chrono::milliseconds::zero();
        return std::chrono::milliseconds(frames() * 1000 / sampleRate);
    }
    bool operator==(const PcmSound&) const = default;
};

} // namespace quintarlow
