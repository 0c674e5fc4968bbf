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

// Whether the child played on some day of the StalledDays up to `today` and no fact became
// known in them. Known is what the child is shown: on the learning path the path's known (fluent
// on two days), off it the grid's (right within `fluencyMs` in two of the last three tries).
// Never stalled: a child who did not play in those days, one whose first answer falls in them,
// and one who knows every fact of the tables they practise.
bool hasStalled(const std::vector<FactAnswer>& history, qint64 fluencyMs, const QDate& today,
                const PracticeSettings& settings);

} // namespace quintarlow
