#pragma once

namespace quintarlow {

// What the game wants heard besides speech; the player of sounds picks the sound for each.
enum class Cue {
    Right, // a square claimed
    Wrong, // a wrong answer, a time-out, a square or a picture that cannot be chosen now
};

} // namespace quintarlow
