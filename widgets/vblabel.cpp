#include "widgets/vblabel.h"

#include "core/boardlayout.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quintarlow {

namespace {

// Between a caption and its label's edge or border, however much the caption is shrunk.
constexpr int ClearSpace = 2;
// The smallest size at which a player's name still reads easily.
constexpr int ReadablePixels = 11;

} // namespace

QColor toQColor(VbColour colour, const QPalette& palette) {
    switch (colour) {
    case Colour::SystemWindowBackground:
        return palette.color(QPalette::Active, QPalette::Base);
    case Colour::SystemWindowText:
        return palette.color(QPalette::Active, QPalette::WindowText);
    case Colour::SystemButtonFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case Colour::SystemButtonText:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    default:
        return {redOf(colour), greenOf(colour), blueOf(colour)};
    }
}

VbLabel* makeCaption(QWidget* parent, const QRect& geometryTwips, const QString& caption,
                     const QFont& font, Qt::Alignment alignment) {
    auto* label = new VbLabel(parent, geometryTwips);
    label->setFont(font);
    label->setCaption(caption);
    label->setTextAlignment(alignment);
    label->setTransparent(true);
    return label;
}

VbLabel::VbLabel(QWidget* parent, const QRect& geometryTwips) : QWidget(parent) {
    if (!geometryTwips.isNull())
        setGeometry(twipsToPixels(geometryTwips));
}

void VbLabel::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_autoSize)
        fitToCaption();
    update();
    announceSpokenName();
}

void VbLabel::setBackColour(VbColour colour) {
    if (colour == m_backColour)
        return;
    m_backColour = colour;
    update();
    announceSpokenName(); // a square's owner
}

void VbLabel::setForeColour(VbColour colour) {
    if (colour == m_foreColour)
        return;
    m_foreColour = colour;
    update();
}

void VbLabel::setBorderStyle(BorderStyle style) {
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void VbLabel::setTransparent(bool transparent) {
    m_transparent = transparent;
    update();
}

void VbLabel::setTextAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void VbLabel::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    if (autoSize) {
        m_autoAnchor = geometry();
        fitToCaption();
    }
}

void VbLabel::setBreakAnywhere(bool breakAnywhere) {
    m_breakAnywhere = breakAnywhere;
    update();
}

// The clear space grows the label around its caption, so the text stays where it was designed.
void VbLabel::fitToCaption() {
    const QFontMetrics metrics(font());
    const int width = std::max(1, metrics.horizontalAdvance(m_caption) + 2) + 2 * ClearSpace;
    const int height = metrics.height() + 2 * ClearSpace;
    const int top = m_autoAnchor.top() - ClearSpace;
    if (m_alignment & Qt::AlignRight)
        setGeometry(m_autoAnchor.right() + ClearSpace - width + 1, top, width, height);
    else
        setGeometry(m_autoAnchor.left() - ClearSpace, top, width, height);
}

QRect VbLabel::textArea() const {
    const int inset = (m_borderStyle == BorderStyle::FixedSingle ? 1 : 0) + ClearSpace;
    return rect().adjusted(inset, inset, -inset, -inset);
}

VbLabel::Fit VbLabel::fittedCaption() const {
    const QRect area = textArea();
    auto shrunk = [&](int wrap) {
        Fit fit{font(), static_cast<int>(m_alignment | Qt::AlignVCenter) | wrap};
        while (fit.font.pixelSize() > 6) {
            const QRect needed = QFontMetrics(fit.font).boundingRect(area, fit.flags, m_caption);
            if (needed.width() <= area.width() && needed.height() <= area.height())
                break;
            fit.font.setPixelSize(fit.font.pixelSize() - 1);
        }
        return fit;
    };
    const Fit byWords = shrunk(Qt::TextWordWrap);
    if (!m_breakAnywhere || byWords.font.pixelSize() >= ReadablePixels)
        return byWords;
    const Fit anywhere = shrunk(Qt::TextWrapAnywhere);
    return anywhere.font.pixelSize() > byWords.font.pixelSize() ? anywhere : byWords;
}

QRect VbLabel::captionRect() const {
    if (m_caption.isEmpty())
        return {};
    const Fit fit = fittedCaption();
    return QFontMetrics(fit.font).boundingRect(textArea(), fit.flags, m_caption);
}

void VbLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && m_autoSize)
        fitToCaption();
    QWidget::changeEvent(event);
}

void paintFocusFrame(QPainter& painter, const QWidget& widget) {
    if (!widget.hasFocus() || !widget.window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    const QRect area(QPoint(), widget.size());
    painter.setPen(QPen(Qt::black, 4));
    painter.drawRect(area.adjusted(2, 2, -2, -2));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(area.adjusted(5, 5, -5, -5));
}

void VbLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    if (!m_transparent)
        painter.fillRect(rect(), toQColor(m_backColour, colours));
    if (m_borderStyle == BorderStyle::FixedSingle) {
        painter.setPen(QColor(Qt::black));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    paintFocusFrame(painter, *this);
    if (m_caption.isEmpty())
        return;
    const Fit fit = fittedCaption();
    painter.setFont(fit.font);
    painter.setPen(toQColor(m_foreColour, colours));
    painter.drawText(textArea(), fit.flags, m_caption);
}

void VbLabel::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void VbLabel::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void VbLabel::announceSpokenName() {
    Q_EMIT spokenNameChanged();
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void VbLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    event->accept();
}

} // namespace quintarlow
