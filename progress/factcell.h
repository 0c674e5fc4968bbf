#pragma once

#include "core/factstats.h"

#include <QColor>
#include <QString>

class QPainter;
class QRectF;

namespace quintarlow {

// How a status looks: a fill in the game's colours, a pattern over it and a mark, so that the
// statuses stay apart for eyes that do not tell red from green.
struct StatusLook {
    QColor fill;
    QColor pattern; // invalid: plain
    Qt::BrushStyle patternStyle = Qt::NoBrush;
    QString mark;
};
StatusLook statusLook(FactStatus status);

// One grid cell: fill, pattern, mark in the corner and the median seconds in the middle.
// The window and the printed report both draw with it.
void paintFactCell(QPainter& painter, const QRectF& cell, const FactStats& stats);
// A legend swatch: the cell of a status without a time.
void paintStatusSwatch(QPainter& painter, const QRectF& cell, FactStatus status);

// The legend's words for each status, in the order the legend lists them.
struct LegendEntry {
    FactStatus status;
    QString words;
};
std::vector<LegendEntry> legendEntries(qint64 fluencyMs);

} // namespace quintarlow
