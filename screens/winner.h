#pragma once

#include "widgets/screenwindow.h"

class QPushButton;

namespace quintarlow {

class AnimatedGif;
class Game;
class ScreenSet;
class VbLabel;

// The small orange screen over the board's corner: the winner with fireworks, or, after
// "START NEW GAME", a plain menu of the replays.
class WinnerWindow : public ScreenWindow {
    Q_OBJECT
public:
    explicit WinnerWindow(ScreenSet& screens);
    void onLoad();

public Q_SLOTS:
    void quitGame();

protected:
    // The first option takes the focus each time the screen opens.
    void showEvent(QShowEvent* event) override;

private:
    void drawWinner();
    void drawMenu();

    VbLabel* headline = nullptr;
    VbLabel* winnerName = nullptr; // on the winner's colour
    QPushButton* samePlayersButton = nullptr;
    QPushButton* newPlayersButton = nullptr;
    QPushButton* quitButton = nullptr;
    AnimatedGif* leftFireworks = nullptr;
    AnimatedGif* rightFireworks = nullptr;
    ScreenSet& screens;
    Game& game;
};

} // namespace quintarlow
