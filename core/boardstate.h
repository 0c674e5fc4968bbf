#pragma once

#include <QString>
#include <cstdint>

namespace quintarlow {

inline constexpr int AnswerSeconds = 20;

// The board's per-game record; one instance lives as long as the board screen. The first
// six fields are read and written by the other screens.
struct BoardState {
    std::int16_t Product = 0;
    std::int16_t Multiplier1 = 0;
    std::int16_t Multiplier2 = 0;
    QString TurnColour;       // "BLUE" or "RED"; the winner's colour in lower case after a win
    std::int16_t GameWon = 0; // -1 once a line of four is found
    std::int16_t SecondsLeft = AnswerSeconds;

    QString ClaimColour; // decimal text of the colour just claimed: "16711680" or "255"
    std::int16_t WinSquare1 = 0;
    std::int16_t WinSquare2 = 0;
    std::int16_t WinSquare3 = 0;
    std::int16_t WinSquare4 = 0;
    std::int16_t DiagonalLength = 0;
    QString VerdictText;
};

inline constexpr QLatin1String BlueTurn{"BLUE"};
inline constexpr QLatin1String RedTurn{"RED"};

// "BLUE" becomes "RED"; anything else becomes "BLUE".
inline QString nextTurnColour(const QString& turnColour) {
    return turnColour == BlueTurn ? QString(RedTurn) : QString(BlueTurn);
}

} // namespace quintarlow
