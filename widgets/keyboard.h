#pragma once

#include <QObject>

class QAbstractButton;

namespace quintarlow {

// Presses `button` on Alt+`letter` while its window is active; the caption stays as it is.
void addAltShortcut(QAbstractButton* button, Qt::Key letter);

// Keyboard play for every window of the game, watched from the application:
// - focus frames show once a key is pressed and hide again on a mouse press, as desktops hide
//   keyboard cues from mouse players;
// - Enter presses the focused button, as Space does. A held key presses it once: a repeated
//   press would be a second answer the player never gave.
class KeyboardCues : public QObject {
    Q_OBJECT
public:
    explicit KeyboardCues(QObject* parent = nullptr);
    ~KeyboardCues() override;

    bool shown() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setShown(bool shown);
    bool m_shown = false;
};

} // namespace quintarlow
