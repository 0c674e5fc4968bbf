#pragma once

#include "factstats.h"

#include <QChart>

namespace quintarlow {

// Per day: the share right as bars against the left axis, the median time of right answers as
// a line against the right axis.
void showProgress(QChart& chart, const std::vector<DayProgress>& days);

} // namespace quintarlow
