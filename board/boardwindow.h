#pragma once

#include "core/boardlayout.h"
#include "widgets/screenwindow.h"

#include <QTimer>
#include <array>
#include <optional>

class QPushButton;

namespace quintarlow {

class AnimatedGif;
class Dialogs;
class FocusFrame;
class Game;
class VbLabel;
struct Fact;

// The board screen: draws the game (the 8 x 8 board, the question, its clock, the messages and
// the players' names) and hands the player's clicks and keys to it. Only the blinking of names
// and of the winning line is its own.
// The object name of squares[index], by which tests and tools find a square.
inline QString squareObjectName(int index) {
    return QStringLiteral("square%1").arg(index);
}

class BoardWindow : public ScreenWindow {
    Q_OBJECT
public:
    BoardWindow(ScreenHost& host, Game& game, Dialogs& dialogs);

    void onLoad();

    int focusedSquare() const { return m_focusedSquare; }

public Q_SLOTS:
    void clickSquare(int index); // a click on squares[index], 0 to 127
    // Enter or Space on a square: whatever a click on its middle does.
    void pressSquare(int index);
    void startNewGame();
    void quitGame();
    void onWinningLineTick();
    void onBlueBlinkTick();
    void onRedBlinkTick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSquares();
    void buildControls();
    void buildKeyboardAccess();
    void connectGame();
    void focusSquare(int index);
    void resetKeyboardFocus();
    // The name of the player to move blinks; the other rests in white.
    void moveBlinking();
    void drawFactors();
    void drawClock();
    void drawMessages();
    void drawButtons();
    void drawWin();
    void drawReset();
    // The question the factors show: the pending one, or the winning one after a win.
    std::optional<Fact> shownQuestion() const;

    // Tests reach the controls by their object names, as a screen reader reaches them by theirs.
    // The board squares 0 to 63 (index = row x 8 + column), then the black shadow squares
    // 64 to 127 drawn behind them.
    std::array<VbLabel*, SquareLabelCount> squares{};
    VbLabel* firstFactor = nullptr;
    VbLabel* timesSign = nullptr;
    VbLabel* secondFactor = nullptr;
    VbLabel* answerClock = nullptr;
    std::array<VbLabel*, 2> messageLines{};
    VbLabel* redName = nullptr; // blinks while Red is to move
    VbLabel* nameStrip = nullptr;
    VbLabel* blueName = nullptr; // blinks while Blue is to move
    VbLabel* ruleLine = nullptr;
    QPushButton* askButton = nullptr; // "Generate Multipliers"
    QPushButton* newGameButton = nullptr;
    QPushButton* quitButton = nullptr;
    AnimatedGif* titleBanner = nullptr;
    AnimatedGif* freePicture = nullptr;    // over the middle of the FREE square
    FocusFrame* freeSquareFrame = nullptr; // the FREE square's focus frame, over the picture
    AnimatedGif* gameOverPicture = nullptr;

    QTimer winningLineTimer{this}; // 500 ms
    QTimer blueBlinkTimer{this};   // 250 ms
    QTimer redBlinkTimer{this};    // 250 ms

    Game& game;
    Dialogs& dialogs;
    int m_focusedSquare = 1; // the square the arrow keys move from, "1" at a game's start
};

} // namespace quintarlow
