#pragma once

#include <QString>

namespace quintarlow {

// Everything the game says or shows, built from fixed pieces. The doubled commas are pauses
// for the voice.
namespace Texts {

inline constexpr QLatin1String InvalidSelection{"that is not a valid selection,, try again,, "};
inline constexpr QLatin1String Welcome{
    "welcome to quintarlow,, enter your names and we'll get started!"};
inline constexpr QLatin1String Rules{"FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, you "
                                     "have 20 seconds to answer,, blue goes FIRST"};
// The rules with each player's own time to answer; the game's own 20 seconds read as always.
inline QString rules(int blueSeconds, int redSeconds) {
    const QString time =
        blueSeconds == redSeconds
            ? QStringLiteral("you have %1 seconds to answer").arg(blueSeconds)
            : QStringLiteral("blue has %1 seconds and red has %2 seconds to answer")
                  .arg(blueSeconds)
                  .arg(redSeconds);
    return QString(Rules).replace(QLatin1String("you have 20 seconds to answer"), time);
}
inline constexpr QLatin1String BlueGoesFirstSpoken{"blue goes first"};
inline constexpr QLatin1String EnterPlayersNames{"enter the players names"};
inline constexpr QLatin1String OutOfTime{"you are out of time. "};

inline constexpr QLatin1String BlueGoesFirst{"BLUE GOES FIRST"};
inline constexpr QLatin1String Correct{"CORRECT"};
inline constexpr QLatin1String YouWereWrong{"YOU WERE WRONG"};
inline constexpr QLatin1String WeHaveAWinner{"WE HAVE A WINNER"};
inline constexpr QLatin1String ChooseOptionBelow{"Choose Option Below"};

inline QString question(int multiplier1, int multiplier2) {
    return QString::number(multiplier1) + QLatin1String(", times, ") + QString::number(multiplier2);
}

inline QString generateYourMultipliers(const QString& turnColour) {
    return (turnColour + QLatin1String(",, generate your multipliers")).toLower();
}

inline QString verdict(const QString& caption, const QString& turnColour) {
    return caption + (turnColour == QLatin1String("BLUE")
                          ? QLatin1String(", that is correct, blue gets the square. ")
                          : QLatin1String(", that is correct, red gets the square. "));
}

// Spoken after a correct answer; `turnColour` names the player who moves next.
inline QString verdictAndTurn(const QString& verdictText, const QString& turnColour) {
    return (verdictText + QLatin1String(", it is, ") + turnColour + QLatin1String("s turn"))
        .toLower();
}

inline QString turnLine(const QString& turnColour) {
    return QLatin1String("IT'S ") + turnColour + QLatin1String("'s TURN");
}

inline QString wrongPrompt(const QString& caption) {
    return caption + QLatin1String("  that is wrong. ");
}

inline QString correctAnswerSpeech(const QString& prompt, int product, const QString& turnColour) {
    return prompt + QLatin1String(" the correct answer was,, ") + QString::number(product) +
           QLatin1String(", it is, ") + turnColour + QLatin1String("s turn.");
}

inline QString winnerAnnouncement(const QString& colourWord) {
    return (QLatin1String("attention! attention! we have a winner! congratulations to the,, ") +
            colourWord + QLatin1String(", player"))
        .toLower();
}

} // namespace Texts
} // namespace quintarlow
