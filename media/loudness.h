#pragma once

#include "media/pcmsound.h"

namespace quintarlow {

// How loud a sound is to a listener: the root mean square, in dB below full scale, over the
// 20 ms frames that are louder than -45 dBFS, so that pauses and fades do not count. The voice
// and the game's sounds are held to the same figure. Minus infinity for a silent sound.
double voicedLevelDbfs(const PcmSound& sound);

// The largest sample, in dB below full scale.
double peakDbfs(const PcmSound& sound);

} // namespace quintarlow
