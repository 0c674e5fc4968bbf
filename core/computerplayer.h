#pragma once

#include "core/fact.h"

#include <QCoreApplication>
#include <QLatin1String>
#include <cstddef>
#include <random>
#include <vector>

namespace quintarlow {

// The Red player's name while the computer plays; a child reads it as the computer.
inline constexpr QLatin1String ComputerName{"The Computer"};
// The same, as a child reads it: the record keeps the one above in every language.
inline QString computerShownName() {
    return QCoreApplication::translate("Names", "The Computer");
}

// What the record keeps for a guest playing Red (a parent, a visiting friend), whose answers
// are never reported: no guest's name is kept.
inline constexpr QLatin1String GuestName{"A guest"};

// One of the computer's answers: the square it clicks and how long it thinks first.
struct ComputerAnswer {
    int square = 0;
    bool right = false;
    int thinkingMs = 0;
};

// How the computer plays one question: its share of right answers, and its pace against a
// child who knows the facts (above 1 slower).
struct ComputerStrength {
    double shareRight = 0.7;
    double pace = 1.0;
};

// The child's answers the computer's own level follows: enough to move with the child within a
// week of play, few enough that one bad day does not decide it.
inline constexpr std::size_t RecentAnswerCount = 50;

// The computer at `level`; at the child's level it is right as often as the child was in
// `recentOutcomes` (oldest first, the last RecentAnswerCount counted), kept between one and
// nine answers in ten, so that neither side wins every game; 70 % for a child without answers.
ComputerStrength computerStrength(ComputerLevel level, const std::vector<Outcome>& recentOutcomes);

// The computer's answer to `question`: right at its strength's share, otherwise the product of a
// neighbouring fact, a x (b +- 1) or (a +- 1) x b, as a child's slip would be. It thinks like
// a child who knows the fact, longer for larger products, and always answers within the first
// half of `answerSeconds`, so its clock never runs out.
ComputerAnswer answerAsComputer(Fact question, ComputerStrength strength, int answerSeconds,
                                std::mt19937& random);

} // namespace quintarlow
