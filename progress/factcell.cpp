#include "progress/factcell.h"

#include "core/colours.h"
#include "progress/reportpage.h"

#include <QPainter>

namespace quintarlow {

namespace {
QColor colourOf(VbColour colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

void paintCell(QPainter& painter, const QRectF& cell, FactStatus status, const QString& time) {
    const StatusLook look = statusLook(status);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = cell.adjusted(1, 1, -1, -1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.fill);
    painter.drawRect(box);
    if (look.patternStyle != Qt::NoBrush) {
        QBrush pattern(look.pattern, look.patternStyle);
        // Patterns are drawn in device pixels; scaled up they stay visible on paper too.
        pattern.setTransform(QTransform::fromScale(box.width() / 28.0, box.width() / 28.0));
        painter.setBrush(pattern);
        painter.drawRect(box);
    }
    painter.setPen(QPen(colourOf(Colour::Black), box.width() / 36.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);

    QFont font = painter.font();
    font.setBold(true);
    // Marks of a few pixels blur into dashes: never below 10 pixels, and larger as the cell grows.
    font.setPixelSize(std::max(10, static_cast<int>(box.height() * 0.42)));
    painter.setFont(font);
    const QRectF corner(box.left() + box.width() * 0.06, box.top() - box.height() * 0.04,
                        box.width() * 0.6, box.height() * 0.5);
    painter.setPen(colourOf(Colour::Black));
    painter.drawText(corner, Qt::AlignLeft | Qt::AlignVCenter, look.mark);
    if (!time.isEmpty()) {
        font.setPixelSize(std::max(9, static_cast<int>(box.height() * 0.34)));
        painter.setFont(font);
        // A white plate keeps the numbers readable over any fill and pattern.
        const QRectF plate(box.left() + box.width() * 0.08, box.top() + box.height() * 0.45,
                           box.width() * 0.84, box.height() * 0.45);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 215));
        painter.drawRoundedRect(plate, box.width() * 0.1, box.width() * 0.1);
        painter.setPen(colourOf(Colour::Black));
        painter.drawText(plate, Qt::AlignCenter, time);
    }
    painter.restore();
}
} // namespace

StatusLook statusLook(FactStatus status) {
    switch (status) {
    case FactStatus::NotAsked:
        return {colourOf(Colour::White), {}, Qt::NoBrush, {}};
    case FactStatus::Known:
        // A darker green than the game's: printed in grey it stays apart from the striped red.
        return {QColor(60, 190, 60), {}, Qt::NoBrush, QStringLiteral("✓")};
    case FactStatus::Slow:
        return {colourOf(Colour::Yellow), colourOf(Colour::Orange), Qt::Dense6Pattern,
                QStringLiteral("~")};
    case FactStatus::Missed:
        return {QColor(255, 150, 150), colourOf(Colour::Red), Qt::BDiagPattern,
                QStringLiteral("✗")};
    }
    return {};
}

void paintFactCell(QPainter& painter, const QRectF& cell, const FactStats& stats) {
    paintCell(painter, cell, stats.status, cellText(stats));
}

void paintStatusSwatch(QPainter& painter, const QRectF& cell, FactStatus status) {
    paintCell(painter, cell, status, {});
}

std::vector<LegendEntry> legendEntries(qint64 fluencyMs) {
    const QString seconds = QString::number(fluencyMs / 1000);
    return {
        {FactStatus::Known,
         ProgressWords::tr("✓ green: known, right at least 2 of the last 3 times, each within %1 s")
             .arg(seconds)},
        {FactStatus::Slow,
         ProgressWords::tr("~ yellow, dotted: right but slow, or not yet right twice")},
        {FactStatus::Missed,
         ProgressWords::tr("✗ red, striped: missed, wrong or too late more often than right")},
        {FactStatus::NotAsked, ProgressWords::tr("white: not asked yet")},
    };
}

} // namespace quintarlow
