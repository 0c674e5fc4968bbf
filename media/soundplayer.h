#pragma once

#include "core/cue.h"

#include <QString>

namespace quintarlow {

// Plays a WAV file to its end before returning, so whatever the caller does next follows the
// sound. A file that cannot be played gives a short default sound instead.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playSoundFile(const QString& fileName) = 0;
};

// The game's own sound for each cue, a file of its data folder.
inline QString soundFileOf(Cue cue) {
    return cue == Cue::Right ? QStringLiteral("ding.WAV") : QStringLiteral("error.WAV");
}

} // namespace quintarlow
