#pragma once

#include "core/colours.h"

#include <QAccessible>
#include <QWidget>
#include <functional>

namespace quintarlow {

QColor toQColor(VbColour colour, const QPalette& palette);

// The keyboard's focus frame on `widget`, once the player uses keys: black outside and white
// inside, so that it shows on every colour a square can take.
void paintFocusFrame(QPainter& painter, const QWidget& widget);

class VbLabel;
// A caption with no background of its own, as most of the screens' texts are.
VbLabel* makeCaption(QWidget* parent, const QRect& geometryTwips, const QString& caption,
                     const QFont& font, Qt::Alignment alignment = Qt::AlignLeft);

// A caption drawn as plain text, never as markup, on a back colour, with an optional single
// line border, in the colour model the game's rules read and write. It looks the same
// whether or not its window is enabled, so a board that waits behind a pop-up keeps its
// colours. A caption too big for the label is drawn smaller rather than cut off, always with
// clear space between it and the label's edge.
class VbLabel : public QWidget {
    Q_OBJECT
public:
    enum class BorderStyle { None = 0, FixedSingle = 1 };

    explicit VbLabel(QWidget* parent, const QRect& geometryTwips = {});

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    VbColour backColour() const { return m_backColour; }
    void setBackColour(VbColour colour);
    VbColour foreColour() const { return m_foreColour; }
    void setForeColour(VbColour colour);
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    void setTextAlignment(Qt::Alignment alignment);
    Qt::Alignment textAlignment() const { return m_alignment; }
    // Grows or shrinks the label to its caption, keeping the right edge when right-aligned.
    void setAutoSize(bool autoSize);
    // A name may break inside a word rather than shrink below a readable size.
    void setBreakAnywhere(bool breakAnywhere);
    // Where and in which font the caption is drawn, in the label's coordinates.
    QRect captionRect() const;
    QFont captionFont() const { return fittedCaption().font; }

    // What a screen reader hears: the caption, unless `name` tells more (a square's owner, the
    // seconds left). QAccessible::NoRole hides a mere decoration from screen readers.
    void setSpokenName(std::function<QString()> name) { m_spokenName = std::move(name); }
    QString spokenName() const { return m_spokenName ? m_spokenName() : m_caption; }
    void setAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }
    QAccessible::Role accessibleRole() const { return m_accessibleRole; }

Q_SIGNALS:
    void clicked();
    // The caption or the owner changed: whatever repeats the spoken name must follow it.
    void spokenNameChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Fit {
        QFont font;
        int flags = 0;
    };
    QRect textArea() const;
    Fit fittedCaption() const;
    void fitToCaption();
    void announceSpokenName();

    QString m_caption;
    VbColour m_backColour = Colour::SystemButtonFace;
    VbColour m_foreColour = Colour::SystemButtonText;
    BorderStyle m_borderStyle = BorderStyle::None;
    bool m_transparent = false;
    bool m_autoSize = false;
    QRect m_autoAnchor; // where an auto-sized caption's text starts, as designed
    bool m_breakAnywhere = false;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    std::function<QString()> m_spokenName;
    QAccessible::Role m_accessibleRole = QAccessible::StaticText;
};

} // namespace quintarlow
