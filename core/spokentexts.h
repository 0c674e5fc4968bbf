#pragma once

#include "core/colours.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace quintarlow {

// Everything the game says or shows, each a whole sentence to translate. The doubled commas are
// pauses for the voice; a translation keeps them where its own sentence pauses.
namespace Texts {

inline QString welcome() {
    return QCoreApplication::translate(
        "Texts", "welcome to quintarlow,, enter your names and we'll get started!");
}

// The rules with each player's own time to answer; the game's own 20 seconds read as always.
inline QString rules(int blueSeconds, int redSeconds) {
    if (blueSeconds == redSeconds)
        return QCoreApplication::translate(
                   "Texts",
                   "FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, you have %1 seconds to "
                   "answer,, blue goes FIRST")
            .arg(blueSeconds);
    return QCoreApplication::translate("Texts", "FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY "
                                                "WINS,, blue has %1 seconds and red "
                                                "has %2 seconds to answer,, blue goes FIRST")
        .arg(blueSeconds)
        .arg(redSeconds);
}
inline QString blueGoesFirstSpoken() {
    return QCoreApplication::translate("Texts", "blue goes first");
}
inline QString enterPlayersNames() {
    return QCoreApplication::translate("Texts", "enter the players names");
}

inline QString blueGoesFirst() {
    return QCoreApplication::translate("Texts", "BLUE GOES FIRST");
}
inline QString correct() {
    return QCoreApplication::translate("Texts", "CORRECT");
}
inline QString youWereWrong() {
    return QCoreApplication::translate("Texts", "YOU WERE WRONG");
}
inline QString weHaveAWinner() {
    return QCoreApplication::translate("Texts", "WE HAVE A WINNER");
}
inline QString chooseOptionBelow() {
    return QCoreApplication::translate("Texts", "Choose Option Below");
}

inline QString question(int multiplier1, int multiplier2) {
    return QCoreApplication::translate("Texts", "%1, times, %2").arg(multiplier1).arg(multiplier2);
}

// A square chosen while a question waits: the hint, then the question again.
inline QString invalidSelection(int multiplier1, int multiplier2) {
    return QCoreApplication::translate("Texts",
                                       "that is not a valid selection,, try again,, %1, times, %2")
        .arg(multiplier1)
        .arg(multiplier2);
}

// A square chosen before any question.
inline QString generateYourMultipliers(Player toMove) {
    return toMove == Player::Red
               ? QCoreApplication::translate("Texts", "red,, generate your multipliers")
               : QCoreApplication::translate("Texts", "blue,, generate your multipliers");
}

// Spoken after a right answer that wins nothing yet: the square goes to `claimant`, and the other
// player moves next.
inline QString rightAnswer(int product, Player claimant) {
    return (claimant == Player::Red
                ? QCoreApplication::translate(
                      "Texts", "%1, that is correct, red gets the square. , it is, blues turn")
                : QCoreApplication::translate(
                      "Texts", "%1, that is correct, blue gets the square. , it is, reds turn"))
        .arg(product);
}

// The line under the factors while `toMove` is to move.
inline QString turnLine(Player toMove) {
    return toMove == Player::Red ? QCoreApplication::translate("Texts", "IT'S RED's TURN")
                                 : QCoreApplication::translate("Texts", "IT'S BLUE's TURN");
}

// Spoken as the pop-up shows the right product: after a wrong square (`chosen`) or a time-out
// (none), then whose turn it is now.
inline QString correctAnswerSpeech(std::optional<int> chosen, int product, Player toMove) {
    if (!chosen)
        return (toMove == Player::Red
                    ? QCoreApplication::translate(
                          "Texts",
                          "you are out of time.  the correct answer was,, %1, it is, REDs turn.")
                    : QCoreApplication::translate(
                          "Texts",
                          "you are out of time.  the correct answer was,, %1, it is, BLUEs turn."))
            .arg(product);
    return (toMove == Player::Red
                ? QCoreApplication::translate(
                      "Texts", "%1  that is wrong.  the correct answer was,, %2, it is, REDs turn.")
                : QCoreApplication::translate(
                      "Texts",
                      "%1  that is wrong.  the correct answer was,, %2, it is, BLUEs turn."))
        .arg(*chosen)
        .arg(product);
}

inline QString winnerAnnouncement(Player winner) {
    return winner == Player::Red
               ? QCoreApplication::translate(
                     "Texts",
                     "attention! attention! we have a winner! congratulations to the,, red, player")
               : QCoreApplication::translate(
                     "Texts",
                     "attention! attention! we have a winner! congratulations to the,, blue, "
                     "player");
}

} // namespace Texts
} // namespace quintarlow
