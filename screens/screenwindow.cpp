#include "screenwindow.h"

#include "board/vblabel.h"
#include "boardlayout.h"
#include "screens/screenset.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
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

namespace {

QIcon gameIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quintarlow-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

ScreenWindow::ScreenWindow(ScreenSet& screens, const ScreenDesign& design)
    : QWidget(nullptr), screens(screens), m_backColour(design.backColour) {
    // A border without a title bar or buttons, unless there is no frame at all.
    setWindowFlags(Qt::Window |
                   (design.frameless ? Qt::FramelessWindowHint : Qt::CustomizeWindowHint));
    setFixedSize(twipsToPixels(design.clientTwips.width()),
                 twipsToPixels(design.clientTwips.height()));
    setObjectName(design.name);
    setWindowTitle(design.title);
    m_pictureFile = design.picture;
    if (design.gameIcon)
        setWindowIcon(gameIcon());
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
    if (m_picture.isNull() && !m_pictureFile.isEmpty()) {
        QImageReader reader(m_pictureFile);
        reader.setClipRect(QRect(QPoint(), reader.size()) & rect());
        m_picture = QPixmap::fromImage(reader.read());
    }
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColour, palette()));
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}

void ScreenWindow::hideEvent(QHideEvent* event) {
    m_picture = QPixmap();
    QWidget::hideEvent(event);
}

} // namespace quintarlow
