#pragma once

#include "soundplayer.h"

#include <chrono>

namespace quintarlow {

// No sound holds the game longer than this, whatever the file says or the device does.
inline constexpr std::chrono::milliseconds longestSoundPlayback{5000};

// How long a sound of the given length may hold the caller: its length with a margin for the
// device to start, never more than longestSoundPlayback.
std::chrono::milliseconds playbackTimeLimit(std::chrono::milliseconds soundLength);

// Plays WAV files on ALSA's "default" device on the calling thread. Without a sound device it
// returns at once.
class AlsaSoundPlayer final : public SoundPlayer {
public:
    void PlaySoundFile(const QString& fileName) override;
};

} // namespace quintarlow
