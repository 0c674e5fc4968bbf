#pragma once

#include "screens/screenwindow.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace quintarlow {

class AnimatedGif;
class Speech;

// Name entry: the two players type their names, and "START PLAYING" opens the board.
class WELCOME : public ScreenWindow {
    Q_OBJECT
public:
    explicit WELCOME(ScreenSet& screens);
    void onLoad();

    // Default texts back in both boxes, the letters moving, the screen showing.
    void showForNewPlayers();

    QPushButton* Command1 = nullptr;             // "START PLAYING"
    QLineEdit* Text1 = nullptr;                  // Red player's name
    QLineEdit* Text2 = nullptr;                  // Blue player's name
    std::array<AnimatedGif*, 10> AnimatedGif1{}; // the letters of the title word

public Q_SLOTS:
    void startPlaying(); // Command1

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startLetters();
    Speech& spkSpeak; // reads the rules aloud
};

} // namespace quintarlow
