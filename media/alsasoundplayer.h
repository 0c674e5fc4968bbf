#pragma once

#include "media/soundplayer.h"

#include <chrono>
#include <memory>

namespace quintarlow {

// No sound holds the game longer than this, whatever the file says or the device does.
inline constexpr std::chrono::milliseconds longestSoundPlayback{5000};

// How long a sound of the given length may hold the caller: its length with a margin for the
// device to start, never more than longestSoundPlayback.
std::chrono::milliseconds playbackTimeLimit(std::chrono::milliseconds soundLength);

// Plays WAV files on ALSA's "default" device, holding the caller until the sound ends or its
// time limit passes. Without a sound device it returns at once. The device is driven from a
// thread of its own, so that a device stuck inside ALSA holds the caller no longer than the
// limit: that thread is then left behind, and the sounds that follow are dropped until it
// comes free.
class AlsaSoundPlayer final : public SoundPlayer {
public:
    AlsaSoundPlayer();
    ~AlsaSoundPlayer() override;
    AlsaSoundPlayer(const AlsaSoundPlayer&) = delete;
    AlsaSoundPlayer& operator=(const AlsaSoundPlayer&) = delete;

    void playSoundFile(const QString& fileName) override;

private:
    struct Playback;
    std::shared_ptr<Playback> last_;
};

} // namespace quintarlow
