#pragma once

#include "core/playernames.h"

#include <QString>

namespace quintarlow {

inline constexpr QLatin1String RedNamePlaceholder{"Red Player - Enter Name Here"};
inline constexpr QLatin1String BlueNamePlaceholder{"Blue Player - Enter Name Here"};
inline constexpr int MaximumNameLength = 30;

// A box that is empty or still shows its own default text has no name in it. The test is
// exact: blanks, case and the other box's default text are names like any other.
inline bool namesGiven(const QString& redName, const QString& blueName) {
    return !(blueName == BlueNamePlaceholder || redName == RedNamePlaceholder ||
             blueName.isEmpty() || redName.isEmpty());
}

// Two names the record takes for one player would merge two children's answers.
enum class NamesProblem { None, Missing, Same };
inline NamesProblem namesProblem(const QString& redName, const QString& blueName) {
    if (!namesGiven(redName, blueName))
        return NamesProblem::Missing;
    return sameName(redName, blueName) ? NamesProblem::Same : NamesProblem::None;
}

} // namespace quintarlow
