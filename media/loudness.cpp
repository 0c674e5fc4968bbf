#include "media/loudness.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quintarlow {

namespace {

constexpr double fullScale = 32768.0;
constexpr int frameMs = 20;
constexpr double quietestVoicedDbfs = -45.0;

double toDbfs(double meanSquare) {
    return meanSquare > 0.0 ? 10.0 * std::log10(meanSquare / (fullScale * fullScale))
                            : -std::numeric_limits<double>::infinity();
}

} // namespace

double voicedLevelDbfs(const PcmSound& sound) {
    const std::size_t frameSamples =
        static_cast<std::size_t>(sound.sampleRate) * std::max(sound.channels, 1) * frameMs / 1000;
    if (frameSamples == 0)
        return -std::numeric_limits<double>::infinity();
    double voicedEnergy = 0.0;
    std::size_t voicedFrames = 0;
    for (std::size_t start = 0; start + frameSamples <= sound.samples.size();
         start += frameSamples) {
        double energy = 0.0;
        for (std::size_t index = start; index < start + frameSamples; ++index)
            energy += double(sound.samples[index]) * sound.samples[index];
        if (toDbfs(energy / frameSamples) > quietestVoicedDbfs) {
            voicedEnergy += energy / frameSamples;
            ++voicedFrames;
        }
    }
    return voicedFrames > 0 ? toDbfs(voicedEnergy / voicedFrames)
                            : -std::numeric_limits<double>::infinity();
}

double peakDbfs(const PcmSound& sound) {
    int peak = 0;
    for (const std::int16_t sample : sound.samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak > 0 ? 20.0 * std::log10(peak / fullScale)
                    : -std::numeric_limits<double>::infinity();
}

} // namespace quintarlow
