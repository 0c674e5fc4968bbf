#include "media/desktopservices.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace quintarlow {

QRect ScreenWorkArea::readWorkArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Qt has no window flag for it, but it merges the states already set on an unmapped window
// with its own when it maps it; so the hint is written just before each show.
class TaskbarSkipper final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            markSkipped(static_cast<QWidget*>(watched)->winId());
        return false;
    }

private:
    static void markSkipped(WId window) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->connection())
            return;
        xcb_connection_t* connection = x11->connection();
        const xcb_atom_t states[] = {internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                     internAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window),
                            internAtom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
        xcb_flush(connection);
    }
};

int runMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                  const QString& title, QMessageBox::StandardButtons buttons,
                  QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    buttons, parent);
    box.setTextFormat(Qt::PlainText);
    // Wide enough for the window manager to show the whole title, "Start a New Game" and its
    // longer translations ("Commencer une nouvelle partie"): the title in a bold face, which
    // title bars use, beside room for the title bar's buttons.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int titleRoom = QFontMetrics(titleFont).horizontalAdvance(title) + 120;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(
            new QSpacerItem(std::max(260, titleRoom), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
    box.setDefaultButton(defaultButton);
    // Escape answers No where there is a No, as closing the box would.
    if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    return box.exec();
}

} // namespace

void keepOffTaskbar(QWidget& window) {
    window.installEventFilter(new TaskbarSkipper(&window));
}

bool MessageBoxDialogs::askYesNo(QWidget* parent, const QString& prompt, const QString& title) {
    return runMessageBox(parent, QMessageBox::NoIcon, prompt, title,
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

bool MessageBoxDialogs::askToDelete(QWidget* parent, const QString& prompt, const QString& title) {
    return runMessageBox(parent, QMessageBox::Warning, prompt, title,
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxDialogs::warn(QWidget* parent, const QString& text, const QString& title) {
    runMessageBox(parent, QMessageBox::Warning, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace quintarlow
