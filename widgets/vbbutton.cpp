#include "widgets/vbbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quintarlow {

void VbButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (!testAttribute(Qt::WA_ForceDisabled)) {
        option.state |= QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(isActiveWindow() ? QPalette::Active
                                                             : QPalette::Inactive);
    }
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace quintarlow
