#pragma once

#include "media/dialogs.h"
#include "media/workarea.h"

class QWidget;

namespace quintarlow {

// Keeps a top-level window out of the desktop's taskbar and window switcher, each time it is
// shown: the game should appear there once, as the window the player is using.
void keepOffTaskbar(QWidget& window);

class ScreenWorkArea final : public WorkArea {
public:
    QRect readWorkArea() const override;
};

class MessageBoxDialogs final : public Dialogs {
public:
    bool askYesNo(QWidget* parent, const QString& prompt, const QString& title) override;
    bool askToDelete(QWidget* parent, const QString& prompt, const QString& title) override;
    void warn(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace quintarlow
