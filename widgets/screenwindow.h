#pragma once

#include "core/colours.h"

#include <QAccessible>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <utility>

class QAccessibleInterface;
class QTimer;

namespace quintarlow {

class VbLabel;

// What a screen asks of the set of screens it belongs to.
class ScreenHost {
public:
    // Asks "Are you sure?" under the title "Close the Program"; on Yes ends the game.
    virtual bool confirmQuit(QWidget* asker) = 0;
    // Called by each screen as it is unloaded.
    virtual void screenUnloaded() = 0;

protected:
    ~ScreenHost() = default;
};

// Timers are switched on and off like the flag they are: switching on a running timer does
// not restart its interval.
void setTimerEnabled(QTimer& timer, bool enabled);

// How a screen was designed: everything its window needs before its controls are placed.
struct ScreenDesign {
    QString name{}; // as the game calls the screen, e.g. "MULTIPLICATION"
    QSize clientTwips{};
    VbColour backColour = Colour::SystemButtonFace;
    QString picture{}; // drawn at its natural size from the top-left corner; empty for none
    bool gameIcon = false;
    bool frameless = false; // otherwise a thin border and no title bar
    // Opens over another screen (showOver): the desktop must keep it above that screen.
    bool opensOver = false;
    QString title = QStringLiteral("Quintarlow!");
    // What a screen reader takes the window for: a frame to play in, a dialog that offers a
    // choice, an alert that only tells.
    QAccessible::Role accessibleRole = QAccessible::Window;
};

// One of the game's top-level windows. Each is loaded once and then only shown, hidden,
// enabled and disabled, until the player quits and every screen is unloaded.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(ScreenHost& host, const ScreenDesign& design);

    // Stops the screen's timers and hides it for good.
    void unload();
    bool isUnloaded() const { return m_unloaded; }

    void centreOnScreen();
    // Shows this window and keeps it above `owner`, even when the player clicks the owner.
    void showOver(ScreenWindow& owner);

    VbColour backColour() const { return m_backColour; }

    QAccessible::Role accessibleRole() const { return m_accessibleRole; }
    // What a screen reader hears when the screen appears: the headline as its name (the title
    // while the headline is empty) and what `shown` say as its description, both following the
    // captions as they change. The `shown` labels are no longer read on their own.
    void setSpokenSummary(VbLabel* headline, const QList<VbLabel*>& shown);
    QString spokenName() const;
    QString spokenDescription() const;

protected:
    // A close request from the desktop (Alt+F4, the window manager). By default the player is
    // asked whether to end the game, as with the quit buttons.
    virtual void onCloseRequest();

    bool event(QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    ScreenHost& host;

private:
    VbColour m_backColour = Colour::SystemButtonFace;
    // Decoded when the screen is painted, cut to the part that shows, and dropped when it
    // hides: most screens spend most of the game hidden.
    QString m_pictureFile;
    QAccessible::Role m_accessibleRole = QAccessible::Window;
    VbLabel* m_headline = nullptr;
    QList<VbLabel*> m_shown;
    QPixmap m_picture;
    bool m_unloaded = false;
    QPointer<ScreenWindow> m_over; // the screen last opened over this one
    QWidget* m_border = nullptr;   // drawn over every control; none on a frameless screen
};

// Gives each control its object name, by which tests and tools find it: a screen's controls
// are its own, not members for others to reach into.
void nameControls(std::initializer_list<std::pair<QWidget*, const char*>> controls);

// The accessibility factory for the screens: each in its role, named by what it shows.
QAccessibleInterface* accessibleScreenWindow(const QString& className, QObject* object);

} // namespace quintarlow
