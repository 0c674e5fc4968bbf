#pragma once

#include <QString>

class QWidget;

namespace quintarlow {

// The system message boxes the game asks and warns with.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes and No, no icon, Yes the default button; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // Yes and No, No the default button: for what cannot be undone, where Enter must not do it.
    virtual bool askToDelete(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // OK with the exclamation icon.
    virtual void warn(QWidget* parent, const QString& text, const QString& title) = 0;
};

} // namespace quintarlow
