#pragma once

#include "core/factstats.h"

#include <QChart>

namespace quintarlow {

// Per day: the share right as bars against the left axis, the median time of right answers as
// a line against the right axis. The days are labelled as many as fit across `width` pixels,
// the first and the last always.
void showProgress(QChart& chart, const std::vector<DayProgress>& days, int width);

// Which days get a label when `count` days share `width` pixels: their indexes, in order.
std::vector<int> labelledDays(int count, int width);

} // namespace quintarlow
