#pragma once

#include <QPushButton>

namespace quintarlow {

// A button that is greyed only when its own enabled flag is off. A screen that waits disabled
// behind another keeps its buttons' look, as it keeps its labels' look: it stays visible and
// only takes no clicks.
class VbButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quintarlow
