#pragma once

#include "core/fact.h"
#include "core/factstats.h"

#include <QDate>
#include <vector>

namespace quintarlow {

// Whether a child is moving on: the class view names the children who are not, so that a
// teacher looks at what they practise before weeks more of the same.

// How long a child plays without moving on before they are named (see movingon.cpp for why).
inline constexpr int StalledDays = 14;

// Where a child stands over the StalledDays up to today, in the order a teacher looks at them.
enum class MovingOn {
    Stalled,   // played in them, began before them, and no fact became known
    TooSoon,   // began in them and knows no fact yet: nothing to compare with
    NotPlayed, // did not play in them
    MovedOn,   // a fact became known in them
    AllKnown,  // knows every fact of the tables they practise
};

// Known is the grid's green (right within `fluencyMs` in two of the last three tries), on the
// learning path as off it: the same "knows" as every count the window and report show.
// `tables` are those the child practises, empty for all.
MovingOn movingOn(const std::vector<FactAnswer>& history, qint64 fluencyMs, const QDate& today,
                  const std::vector<int>& tables);

} // namespace quintarlow
