#include "progress/progresschart.h"

#include "progress/reportpage.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <optional>

namespace quintarlow {

namespace {
// Room for "30 Nov" in the chart's font, with a gap to the next.
constexpr int LabelWidth = 64;
} // namespace

std::vector<int> labelledDays(int count, int width) {
    std::vector<int> shown;
    if (count <= 0)
        return shown;
    // The axis gives each label an equal share of the plot, one share more than there are
    // labels, and cuts a label longer than its share ("29 N…"): one label fewer than would fit.
    const int fit = std::max(2, width / LabelWidth - 1);
    const int step = (count + fit - 1) / fit;
    for (int day = 0; day < count; day += step)
        shown.push_back(day);
    // The last day always: it is the one a parent asks about. The label before it goes when
    // the two would touch.
    if (shown.back() != count - 1) {
        if (count - 1 - shown.back() < step && shown.size() > 1)
            shown.pop_back();
        shown.push_back(count - 1);
    }
    return shown;
}

namespace {

// What a shown chart is refilled through.
struct ChartParts {
    QBarSet* share = nullptr;
    QLineSeries* time = nullptr;
    QCategoryAxis* days = nullptr;
    QValueAxis* timeAxis = nullptr;
};

// The parts a chart already shows, all or none: making its series and axes anew is most of
// what showing another player costs, so a window's chart is built once and then refilled.
std::optional<ChartParts> shownParts(const QChart& chart) {
    ChartParts parts;
    for (QAbstractSeries* series : chart.series()) {
        if (auto* bars = qobject_cast<QBarSeries*>(series); bars && bars->count() == 1)
            parts.share = bars->barSets().front();
        else if (auto* line = qobject_cast<QLineSeries*>(series))
            parts.time = line;
    }
    for (QAbstractAxis* axis : chart.axes()) {
        if (auto* category = qobject_cast<QCategoryAxis*>(axis))
            parts.days = category;
        else if (auto* value = qobject_cast<QValueAxis*>(axis);
                 value && value->alignment() == Qt::AlignRight)
            parts.timeAxis = value;
    }
    if (!parts.share || !parts.time || !parts.days || !parts.timeAxis)
        return std::nullopt;
    return parts;
}

ChartParts buildChart(QChart& chart) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    ChartParts parts;
    parts.share = new QBarSet(ProgressWords::tr("right (%)"));
    parts.share->setColor(QColor(0, 192, 0));
    parts.share->setBorderColor(QColor(0, 120, 0));
    auto* bars = new QBarSeries;
    bars->append(parts.share);
    parts.time = new QLineSeries;
    parts.time->setName(ProgressWords::tr("time (s)"));
    parts.time->setPen(QPen(QColor(0, 0, 192), 2.5));
    parts.time->setPointsVisible(true);
    chart.addSeries(bars);
    chart.addSeries(parts.time);
    // Labels at chosen days, level so they can be read, rather than one on end for every day.
    parts.days = new QCategoryAxis;
    parts.days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    parts.days->setGridLineVisible(false);
    chart.addAxis(parts.days, Qt::AlignBottom);
    auto* shareAxis = new QValueAxis;
    shareAxis->setRange(0, 100);
    shareAxis->setLabelFormat(QStringLiteral("%d %"));
    shareAxis->setTickCount(6);
    chart.addAxis(shareAxis, Qt::AlignLeft);
    parts.timeAxis = new QValueAxis;
    parts.timeAxis->setLabelFormat(QStringLiteral("%.0f s"));
    parts.timeAxis->setTickCount(6);
    parts.timeAxis->setLinePenColor(QColor(0, 0, 192));
    parts.timeAxis->setLabelsColor(QColor(0, 0, 192));
    chart.addAxis(parts.timeAxis, Qt::AlignRight);
    bars->attachAxis(parts.days);
    bars->attachAxis(shareAxis);
    parts.time->attachAxis(parts.days);
    parts.time->attachAxis(parts.timeAxis);
    return parts;
}

} // namespace

void showProgress(QChart& chart, const std::vector<DayProgress>& days, int width) {
    const ChartParts parts = shownParts(chart).value_or(ChartParts{});
    const ChartParts& shown = parts.share ? parts : buildChart(chart);
    QList<qreal> shares;
    QList<QPointF> times;
    double slowest = 0;
    for (int x = 0; x < std::ssize(days); ++x) {
        const DayProgress& day = days[x];
        shares.append(day.answers > 0 ? 100.0 * day.rights / day.answers : 0.0);
        if (day.medianRightMs) {
            const double seconds = static_cast<double>(*day.medianRightMs) / 1000.0;
            times.append(QPointF(x, seconds));
            slowest = std::max(slowest, seconds);
        }
    }
    shown.share->remove(0, shown.share->count());
    shown.share->append(shares);
    shown.time->replace(times);
    for (const QString& label : shown.days->categoriesLabels())
        shown.days->remove(label);
    shown.days->setRange(-0.5, std::max<double>(0.5, std::ssize(days) - 0.5));
    for (int x : labelledDays(static_cast<int>(days.size()), width))
        shown.days->append(
            QLocale().toString(days[x].day, ProgressWords::tr("d MMM", "a date's format")), x);
    shown.timeAxis->setRange(0, std::max(5.0, std::ceil(slowest)));
}

} // namespace quintarlow
