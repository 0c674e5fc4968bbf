#pragma once

#include <QCoreApplication>
#include <QString>

namespace quintarlow {

// What a name box holds until a name is typed, in the language the game is played in.
inline QString redNamePlaceholder() {
    return QCoreApplication::translate("Names", "Red Player - Enter Name Here");
}
inline QString blueNamePlaceholder() {
    return QCoreApplication::translate("Names", "Blue Player - Enter Name Here");
}
inline constexpr int MaximumNameLength = 30;

// A box that is empty or still shows its own default text has no name in it. The test is
// exact: blanks, case and the other box's default text are names like any other.
inline bool namesGiven(const QString& redName, const QString& blueName) {
    return !(blueName == blueNamePlaceholder() || redName == redNamePlaceholder() ||
             blueName.isEmpty() || redName.isEmpty());
}

} // namespace quintarlow
