#pragma once

#include "core/fact.h"

#include <QLatin1String>
#include <random>

namespace quintarlow {

// How well the computer plays when one child plays alone: easy is right about half the time
// and slow, hard nine times in ten and quick.
enum class ComputerLevel { Easy, Level, Hard };

// The Red player's name while the computer plays; a child reads it as the computer.
inline constexpr QLatin1String ComputerName{"The Computer"};

// One of the computer's answers: the square it clicks and how long it thinks first.
struct ComputerAnswer {
    int square = 0;
    bool right = false;
    int thinkingMs = 0;
};

// The share of its answers the computer gets right at `level`.
double shareRight(ComputerLevel level);

// The computer's answer to `question`: right at its level's share, otherwise the product of a
// neighbouring fact, a x (b +- 1) or (a +- 1) x b, as a child's slip would be. It thinks like
// a child who knows the fact, longer for larger products, and always answers within the first
// half of `answerSeconds`, so its clock never runs out.
ComputerAnswer answerAsComputer(Fact question, ComputerLevel level, int answerSeconds,
                                std::mt19937& random);

} // namespace quintarlow
