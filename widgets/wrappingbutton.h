#pragma once

#include <QPushButton>

namespace quintarlow {

// A narrow button whose caption wraps onto two lines instead of being cut.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    // Where the caption is drawn, wrapped at its words.
    QRect captionRect() const { return rect().adjusted(3, 2, -3, -2); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quintarlow
