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
class SplashScreen : public ScreenWindow {
    Q_OBJECT
public:
    explicit SplashScreen(ScreenSet& screens);
    void onLoad();

public Q_SLOTS:
    void onTick();

protected:
    // Nothing has started yet that would need a question: the program just ends.
    void onCloseRequest() override;

private:
    ScreenSet& screens;
    Speech& m_voice; // says the welcome
    std::int16_t m_ticks = 0;
    std::array<VbLabel*, 10> m_loadingBlocks{};
    AnimatedGif* m_dancer = nullptr;
    QTimer m_startUpClock{this}; // one tick a second
};

} // namespace quintarlow
