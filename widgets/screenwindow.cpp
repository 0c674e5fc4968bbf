#include "widgets/screenwindow.h"

#include "core/boardlayout.h"
#include "widgets/vblabel.h"

#include <QAccessibleWidget>
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

ScreenWindow::ScreenWindow(ScreenHost& host, const ScreenDesign& design)
    : QWidget(nullptr), host(host), m_backColour(design.backColour) {
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
    m_accessibleRole = design.accessibleRole;
    if (design.gameIcon)
        setWindowIcon(gameIcon());
    if (!design.frameless)
        m_border = new ThinBorder(this);
}

void ScreenWindow::setSpokenSummary(VbLabel* headline, const QList<VbLabel*>& shown) {
    m_headline = headline;
    m_shown = shown;
    const auto tell = [this](QAccessible::Event change) {
        if (!QAccessible::isActive())
            return;
        QAccessibleEvent event(this, change);
        QAccessible::updateAccessibility(&event);
    };
    connect(headline, &VbLabel::spokenNameChanged, this, [=] { tell(QAccessible::NameChanged); });
    for (VbLabel* label : shown) {
        // Told whole in the description: read one by one, a reader would take them in the
        // order of their tops ("X 4 4 16 =") and say them twice.
        label->setAccessibleRole(QAccessible::NoRole);
        connect(label, &VbLabel::spokenNameChanged, this,
                [=] { tell(QAccessible::DescriptionChanged); });
    }
}

QString ScreenWindow::spokenName() const {
    const QString headline = m_headline ? m_headline->spokenName().trimmed() : QString();
    return headline.isEmpty() ? windowTitle() : headline;
}

QString ScreenWindow::spokenDescription() const {
    QStringList said;
    for (const VbLabel* label : m_shown)
        if (const QString text = label->spokenName().trimmed(); !text.isEmpty())
            said.append(text);
    return said.join(QLatin1Char(' '));
}

void ScreenWindow::unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    for (QTimer* timer : findChildren<QTimer*>())
        timer->stop();
    hide();
    host.screenUnloaded();
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
    host.confirmQuit(this);
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

namespace {

class ScreenWindowAccessible final : public QAccessibleWidget {
public:
    explicit ScreenWindowAccessible(ScreenWindow* screen)
        : QAccessibleWidget(screen, screen->accessibleRole()) {}

    QString text(QAccessible::Text kind) const override {
        const auto* screen = static_cast<const ScreenWindow*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return screen->spokenName();
        case QAccessible::Description:
            return screen->spokenDescription();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

} // namespace

QAccessibleInterface* accessibleScreenWindow(const QString& className, QObject* object) {
    if (className != QLatin1String(ScreenWindow::staticMetaObject.className()))
        return nullptr;
    return new ScreenWindowAccessible(static_cast<ScreenWindow*>(object));
}

void nameControls(std::initializer_list<std::pair<QWidget*, const char*>> controls) {
    for (const auto& [control, name] : controls)
        control->setObjectName(QLatin1String(name));
}

} // namespace quintarlow
