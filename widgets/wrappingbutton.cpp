#include "widgets/wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quintarlow {

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect(), Qt::AlignCenter | Qt::TextWordWrap, caption);
}

} // namespace quintarlow
