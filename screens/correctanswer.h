#pragma once

#include "screens/screenwindow.h"

#include <QTimer>
#include <cstdint>

namespace quintarlow {

class Speech;
class VbLabel;

// The pop-up after a wrong answer or a time-out: shows and says the correct product, passes
// the turn, and after nine ticks gives the board back.
class CorrectAnswer : public ScreenWindow {
    Q_OBJECT
public:
    explicit CorrectAnswer(ScreenSet& screens);
    void onLoad() {}

    // Centred the first time it shows; afterwards where it was.
    void showOver(ScreenWindow& owner);

    QString PromptText;          // the board's message that leads the spoken answer
    std::int16_t PopupTicks = 0; // ticks handled since the pop-up opened

    VbLabel* Label1 = nullptr;  // heading
    VbLabel* MultOne = nullptr; // first multiplier
    VbLabel* Label3 = nullptr;  // "X"
    VbLabel* MultTwo = nullptr; // second multiplier
    VbLabel* Label5 = nullptr;  // "="
    VbLabel* Answer = nullptr;  // the product
    QTimer Timer1{this};        // the pop-up's one-second sequence

public Q_SLOTS:
    void onTick();

protected:
    // It closes itself within nine seconds; a close request would only lose the turn.
    void onCloseRequest() override {}

private:
    Speech& spkSpeak; // says the correct answer
    bool m_placed = false;
};

} // namespace quintarlow
