#include "alsasoundplayer.h"

#include "alsaoutput.h"
#include "wavsound.h"

#include <algorithm>

namespace quintarlow {

namespace {
using namespace std::chrono_literals;
constexpr auto startMargin = 500ms;
} // namespace

std::chrono::milliseconds playbackTimeLimit(std::chrono::milliseconds soundLength) {
    const auto length = std::clamp(soundLength, 0ms, longestSoundPlayback);
    return std::min(length + startMargin, longestSoundPlayback);
}

void AlsaSoundPlayer::PlaySoundFile(const QString& fileName) {
    // The device first: without one there is no point in reading the file.
    std::optional<AlsaOutput> output = AlsaOutput::openDefault();
    if (!output)
        return;
    const auto started = AlsaOutput::Clock::now();
    const PcmSound sound = readWavOrDefault(fileName, longestSoundPlayback);
    output->play(sound, started + playbackTimeLimit(sound.duration()));
}

} // namespace quintarlow
