#include "screenwindow.h"

#include "board/vblabel.h"
#include "boardlayout.h"
#include "screens/screenset.h"

#include <QApplication>
#include <QChildEvent>
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

// The thin single border a window without a title bar gets, one pixel wide inside the client
// area, drawn over the controls so that a picture reaching the edge does not hide it.
class ThinBorder : public QWidget {
public:
    explicit ThinBorder(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window->rect());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Active, QPalette::Shadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

ScreenWindow::ScreenWindow(ScreenSet& screens, const ScreenDesign& design)
    : QWidget(nullptr), screens(screens), m_backColour(design.backColour) {
    // A border without a title bar or buttons, unless there is no frame at all. The desktop
    // keeps a window above the one it is transient for only when it is a dialog: an ordinary
    // window gets no WM_TRANSIENT_FOR, and one click on its owner would bury it.
    setWindowFlags((design.opensOver ? Qt::Dialog : Qt::Window) |
                   (design.frameless ? Qt::FramelessWindowHint : Qt::CustomizeWindowHint));
    setFixedSize(twipsToPixels(design.clientTwips.width()),
                 twipsToPixels(design.clientTwips.height()));
    setObjectName(design.name);
    setWindowTitle(design.title);
    m_pictureFile = design.picture;
    if (design.gameIcon)
        setWindowIcon(gameIcon());
    if (!design.frameless)
        m_border = new ThinBorder(this);
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

void ScreenWindow::showOver(ScreenWindow& owner) {
    winId();
    owner.winId();
    if (windowHandle() && owner.windowHandle())
        windowHandle()->setTransientParent(owner.windowHandle());
    owner.m_over = this;
    show();
    raise();
    activateWindow();
}

bool ScreenWindow::event(QEvent* event) {
    // A click on a screen that waits disabled behind another must change nothing: the
    // desktop hands it the focus all the same, so hand it on to what the player must answer.
    if (event->type() == QEvent::WindowActivate && !isEnabled() && m_over && m_over->isVisible()) {
        QWidget* answer = QApplication::activeModalWidget();
        if (!answer)
            answer = m_over;
        answer->raise();
        answer->activateWindow();
    }
    return QWidget::event(event);
}

void ScreenWindow::childEvent(QChildEvent* event) {
    // Each control placed later would otherwise cover the border.
    if (event->added() && m_border && event->child() != m_border && event->child()->isWidgetType())
        m_border->raise();
    QWidget::childEvent(event);
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
