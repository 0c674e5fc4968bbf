#pragma once

#include <QString>

namespace quintarlow {

// ":" followed by the seconds padded to two digits: ":20", ":09", ":00", and, while the
// hidden clock runs on after a time-out, ":-01", ":-02".
inline QString clockCaption(int secondsLeft) {
    const QString digits = QString::number(secondsLeft < 0 ? -secondsLeft : secondsLeft)
                               .rightJustified(2, QLatin1Char('0'));
    return QLatin1String(secondsLeft < 0 ? ":-" : ":") + digits;
}

} // namespace quintarlow
