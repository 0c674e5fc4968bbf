#pragma once

#include "widgets/screenwindow.h"

namespace quintarlow {

class ScreenSet;
class VbLabel;

// The pop-up after a wrong answer or a time-out: shows the correct product over the board while
// the game says it and passes the turn, and goes when the game hands the board back.
class CorrectAnswerPopup : public ScreenWindow {
    Q_OBJECT
public:
    explicit CorrectAnswerPopup(ScreenSet& screens);
    void onLoad() {}

    // Centred the first time it shows; afterwards where it was.
    void showOver(ScreenWindow& owner);

protected:
    // It closes itself within nine seconds; a close request would only lose the turn.
    void onCloseRequest() override {}

private:
    VbLabel* heading = nullptr;
    VbLabel* firstFactor = nullptr;
    VbLabel* timesSign = nullptr;
    VbLabel* secondFactor = nullptr;
    VbLabel* equalsSign = nullptr;
    VbLabel* product = nullptr;
    ScreenSet& screens;
    bool m_placed = false;
};

} // namespace quintarlow
