#pragma once

#include "screens/screenwindow.h"

#include <QTimer>
#include <cstdint>

class QPushButton;

namespace quintarlow {

class AnimatedGif;
class Speech;
class VbLabel;

// The small orange screen over the board's corner: the winner with fireworks, or, after
// "START NEW GAME", a plain menu. Its replay buttons are the only place a used board is
// put back to its starting state.
class WINNER : public ScreenWindow {
    Q_OBJECT
public:
    explicit WINNER(ScreenSet& screens);
    void onLoad();

    QString AnnouncementText;       // spoken at the second tick after a win
    std::int16_t AnnounceTicks = 0; // ticks counted before the announcement

    VbLabel* Label1 = nullptr;           // headline
    VbLabel* lblName = nullptr;          // the winner's name on the winner's colour
    QPushButton* Command1 = nullptr;     // "Play Again - Same Players"
    QPushButton* Command2 = nullptr;     // "Play Again - New Players"
    QPushButton* Command3 = nullptr;     // "Quit Game"
    AnimatedGif* AnimatedGif1 = nullptr; // fireworks, left
    AnimatedGif* AnimatedGif2 = nullptr; // fireworks, right
    QTimer Timer1{this};                 // delays the announcement

public Q_SLOTS:
    void onTick();
    void playAgainSamePlayers(); // Command1
    void playAgainNewPlayers();  // Command2
    void quitGame();             // Command3

protected:
    // The first option takes the focus each time the screen opens.
    void showEvent(QShowEvent* event) override;

private:
    void resetSquares();
    void prepareBoard(bool sayBlueGoesFirst);
    Speech& spkSpeak; // says the congratulation and "enter the players names"
};

} // namespace quintarlow
