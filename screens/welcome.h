#pragma once

#include "widgets/screenwindow.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace quintarlow {

class AnimatedGif;
class ScreenSet;

// Name entry: the two players type their names, and "START PLAYING" opens the board.
class NameEntry : public ScreenWindow {
    Q_OBJECT
public:
    explicit NameEntry(ScreenSet& screens);
    void onLoad();

    // Default texts back in both boxes, the letters moving, the screen showing.
    void showForNewPlayers();

    QPushButton* startButton = nullptr; // "START PLAYING"
    QLineEdit* redNameBox = nullptr;
    QLineEdit* blueNameBox = nullptr;
    std::array<AnimatedGif*, 10> titleLetters{};

public Q_SLOTS:
    void startPlaying();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startLetters();
    ScreenSet& screens;
};

} // namespace quintarlow
