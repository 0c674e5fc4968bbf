#include "screenwindow.h"

#include "board/vblabel.h"
#include "boardlayout.h"
#include "screens/screenset.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace quintarlow {

void setTimerEnabled(QTimer& timer, bool enabled) {
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

ScreenWindow::ScreenWindow(ScreenSet& screens, const QSize& clientTwips, Frame frame)
    : QWidget(nullptr), screens(screens) {
    Qt::WindowFlags flags = Qt::Window;
    if (frame == Frame::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::CustomizeWindowHint; // a border, but no title bar and no buttons
    setWindowFlags(flags);
    setFixedSize(twipsToPixels(clientTwips.width()), twipsToPixels(clientTwips.height()));
}

void ScreenWindow::unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    for (QTimer* timer : findChildren<QTimer*>())
        timer->stop();
    hide();
    screens.screenUnloaded();
}

void ScreenWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void ScreenWindow::showOver(QWidget& owner) {
    winId();
    owner.winId();
    if (windowHandle() && owner.windowHandle())
        windowHandle()->setTransientParent(owner.windowHandle());
    show();
    raise();
    activateWindow();
}

void ScreenWindow::setBackColour(VbColour colour) {
    m_backColour = colour;
    update();
}

void ScreenWindow::setBackgroundPicture(const QString& resourcePath) {
    m_picture = QPixmap(resourcePath);
    update();
}

void ScreenWindow::useGameIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quintarlow-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
}

void ScreenWindow::onCloseRequest() {
    screens.confirmQuit(this);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // The window itself never closes on request: screens are hidden or unloaded by the game.
    event->ignore();
    if (!m_unloaded)
        onCloseRequest();
}

void ScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColour, palette()));
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}

} // namespace quintarlow
