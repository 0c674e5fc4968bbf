#pragma once

#include "boardlayout.h"
#include "boardstate.h"
#include "questiondraw.h"
#include "screens/screenwindow.h"

#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <optional>

class QPushButton;

namespace quintarlow {

class AnimatedGif;
class Speech;
class SoundPlayer;
class VbLabel;
enum class Outcome;

// The board screen: the 8 x 8 board, the question, the players' names and the game's
// timers. Its state lives in BoardState and in its controls, which the other screens read
// and set directly.
class MULTIPLICATION : public ScreenWindow {
    Q_OBJECT
public:
    explicit MULTIPLICATION(ScreenSet& screens);

    void onLoad();

    BoardState& boardState() { return state; }

    // The board squares 0 to 63 (index = row x 8 + column), then the black shadow squares
    // 64 to 127 drawn behind them.
    std::array<VbLabel*, SquareLabelCount> Label1{};
    VbLabel* Label5 = nullptr;           // first multiplier, "?" when no question is pending
    VbLabel* Label3 = nullptr;           // the times sign
    VbLabel* Label6 = nullptr;           // second multiplier
    VbLabel* lblTime = nullptr;          // answer clock
    std::array<VbLabel*, 2> Label2{};    // the two message lines
    VbLabel* lblRed = nullptr;           // Red player's name, blinking while Red is to move
    VbLabel* Label4 = nullptr;           // plain strip between the names
    VbLabel* lblBlue = nullptr;          // Blue player's name, blinking while Blue is to move
    VbLabel* Label8 = nullptr;           // the rule of the game
    QPushButton* Command1 = nullptr;     // "Generate Multipliers": asks a question
    QPushButton* Command2 = nullptr;     // "START NEW GAME": opens the replay menu
    QPushButton* Command3 = nullptr;     // "QUIT GAME"
    AnimatedGif* AnimatedGif1 = nullptr; // title banner above the board
    AnimatedGif* AnimatedGif2 = nullptr; // FREE picture over square 28
    AnimatedGif* AnimatedGif3 = nullptr; // game-over picture, shown on a win

    QTimer Timer1{this};  // flashes the winning line, 500 ms
    QTimer Timer2{this};  // answer clock, 1000 ms
    QTimer Timer3{this};  // started on a win; changes nothing
    QTimer tmrBlue{this}; // blinks lblBlue, 250 ms
    QTimer tmrRed{this};  // blinks lblRed, 250 ms

    // The name of the player to move blinks; the other rests in white.
    void moveBlinkingTo(const QString& turnColour);
    // Clock off, hidden and back at ":20" with 20 seconds.
    void resetClock();
    // A new game's keyboard focus starts again on the draw button and the square "1".
    void resetKeyboardFocus();
    int focusedSquare() const { return m_focusedSquare; }

    void ShowCorrectAnswer();
    void CheckFourInLine();
    void AnnounceWinner();
    void PlaySoundFile(const QString& fileName);

public Q_SLOTS:
    void generateMultipliers();       // Command1
    void judgeSquareClick(int index); // a click on Label1(index), 0 to 127
    void onFreePictureClicked();      // either click notification of AnimatedGif2
    void startNewGame();              // Command2
    void quitGame();                  // Command3
    void onClockTick();               // Timer2
    void onWinningLineTick();         // Timer1
    void onTimer3Tick() {}            // Timer3: nothing to see
    void onBlueBlinkTick();           // tmrBlue
    void onRedBlinkTick();            // tmrRed
    // Enter or Space on a square: whatever a click on its middle does.
    void pressSquare(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSquares();
    void buildControls();
    void claimSquare(int index);
    void buildKeyboardAccess();
    void focusSquare(int index);
    void refuseDuringQuestion();
    // Reports the pending question's verdict for the player to move.
    void reportAnswer(std::optional<int> answered, Outcome outcome);
    Speech& spkSpeak; // speaks the board's texts
    SoundPlayer& sound;
    BoardState state;
    QElapsedTimer m_questionShown;
    int m_focusedSquare = 1; // the square the arrow keys move from, "1" at a game's start
    DrawMemory m_blueDraw;   // what the draw remembers of each player between their questions
    DrawMemory m_redDraw;
};

} // namespace quintarlow
