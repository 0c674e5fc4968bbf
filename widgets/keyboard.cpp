#include "widgets/keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOption>

namespace quintarlow {

void addAltShortcut(QAbstractButton* button, Qt::Key letter) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | letter), button);
    shortcut->setAutoRepeat(false);
    // click() does nothing while the button is disabled, as a mouse click would.
    QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
}

namespace {

// The desktop style's own focus frame is a faint tint that a child can miss: the game's is a
// plain black line, drawn only when the keyboard is in use.
class ClearFocusFrameStyle final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        const auto keyboardFocus = State_HasFocus | State_KeyboardFocusChange;
        if (element != CE_PushButton || (option->state & keyboardFocus) != keyboardFocus)
            return;
        painter->save();
        painter->setPen(QPen(Qt::black, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(2, 2, -2, -2));
        painter->restore();
    }
};

} // namespace

KeyboardCues::KeyboardCues(QObject* parent) : QObject(parent) {
    QApplication::setStyle(new ClearFocusFrameStyle);
    qApp->installEventFilter(this);
}

KeyboardCues::~KeyboardCues() {
    qApp->removeEventFilter(this);
}

void KeyboardCues::setShown(bool shown) {
    if (shown == m_shown)
        return;
    m_shown = shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->setAttribute(Qt::WA_KeyboardFocusChange, shown);
        if (QWidget* focused = window->focusWidget())
            focused->update();
    }
}

bool KeyboardCues::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        setShown(true);
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        // Message boxes press their own buttons on Enter.
        if (!button || button->autoDefault() ||
            (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            break;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        setShown(false);
        break;
    case QEvent::Show:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow())
            widget->setAttribute(Qt::WA_KeyboardFocusChange, m_shown);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quintarlow
