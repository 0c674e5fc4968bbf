#pragma once

#include "dialogs.h"
#include "workarea.h"

namespace quintarlow {

class ScreenWorkArea final : public WorkArea {
public:
    QRect ReadWorkArea() const override;
};

class MessageBoxDialogs final : public Dialogs {
public:
    bool askYesNo(QWidget* parent, const QString& prompt, const QString& title) override;
    void warn(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace quintarlow
