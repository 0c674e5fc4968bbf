#pragma once

#include "media/pcmsound.h"

#include <QString>

#include <chrono>
#include <optional>

namespace quintarlow {

// The sound played instead of a file that cannot be played.
inline constexpr auto defaultSoundResource = ":/sounds/default.wav";

// Reads a RIFF/WAVE file of 8- or 16-bit PCM, mono or stereo. Nothing for a file that is
// missing, unreadable, cut short or in any other format. Only the first `longest` of the
// sound is read, so a minutes-long file costs no more than the part that will be heard.
std::optional<PcmSound>
readWavFile(const QString& fileName,
            std::chrono::milliseconds longest = std::chrono::milliseconds::max());

// The built-in default sound: the resource when the program has one, else a short tone.
const PcmSound& defaultSound();

// A soft 880 Hz beep of 150 ms, for a build without the default sound resource.
PcmSound fallbackTone();

PcmSound readWavOrDefault(const QString& fileName,
                          std::chrono::milliseconds longest = std::chrono::milliseconds::max());

} // namespace quintarlow
