#pragma once

#include "widgets/screenwindow.h"

#include <QTimer>
#include <array>
#include <cstdint>

class QFrame;

namespace quintarlow {

class AnimatedGif;
class ScreenSet;
class Speech;
class VbLabel;

// The first screen: one red loading block a second while it loads the others, greets the
// players, and opens the name entry; it closes itself after ten seconds.
class frmSplash : public ScreenWindow {
    Q_OBJECT
public:
    explicit frmSplash(ScreenSet& screens);
    void onLoad();

    std::int16_t SplashTicks = 0;
    std::array<VbLabel*, 10> Label1{};   // the loading blocks
    AnimatedGif* AnimatedGif1 = nullptr; // the dancing figure
    QTimer Timer1{this};                 // the start-up sequence, one tick a second

public Q_SLOTS:
    void onTick();

protected:
    // Nothing has started yet that would need a question: the program just ends.
    void onCloseRequest() override;

private:
    ScreenSet& screens;
    Speech& spkSpeak; // says the welcome
};

} // namespace quintarlow
