#include "progresschart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

namespace quintarlow {

namespace {
// Room for "30 Nov" in the chart's font, with a gap to the next.
constexpr int LabelWidth = 64;
} // namespace

std::vector<int> labelledDays(int count, int width) {
    std::vector<int> shown;
    if (count <= 0)
        return shown;
    const int fit = std::max(2, width / LabelWidth);
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

void showProgress(QChart& chart, const std::vector<DayProgress>& days, int width) {
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    auto* share = new QBarSet(QStringLiteral("right (%)"));
    share->setColor(QColor(0, 192, 0));
    share->setBorderColor(QColor(0, 120, 0));
    auto* bars = new QBarSeries;
    bars->append(share);
    auto* time = new QLineSeries;
    time->setName(QStringLiteral("time (s)"));
    time->setPen(QPen(QColor(0, 0, 192), 2.5));
    time->setPointsVisible(true);
    double slowest = 0;
    for (int x = 0; x < std::ssize(days); ++x) {
        const DayProgress& day = days[x];
        share->append(day.answers > 0 ? 100.0 * day.rights / day.answers : 0.0);
        if (day.medianRightMs) {
            const double seconds = static_cast<double>(*day.medianRightMs) / 1000.0;
            time->append(x, seconds);
            slowest = std::max(slowest, seconds);
        }
    }
    chart.addSeries(bars);
    chart.addSeries(time);
    // Labels at chosen days, level so they can be read, rather than one on end for every day.
    auto* daysAxis = new QCategoryAxis;
    daysAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    daysAxis->setRange(-0.5, std::max<double>(0.5, std::ssize(days) - 0.5));
    daysAxis->setGridLineVisible(false);
    for (int x : labelledDays(static_cast<int>(days.size()), width))
        daysAxis->append(QLocale().toString(days[x].day, QStringLiteral("d MMM")), x);
    chart.addAxis(daysAxis, Qt::AlignBottom);
    auto* shareAxis = new QValueAxis;
    shareAxis->setRange(0, 100);
    shareAxis->setLabelFormat(QStringLiteral("%d %"));
    shareAxis->setTickCount(6);
    chart.addAxis(shareAxis, Qt::AlignLeft);
    auto* timeAxis = new QValueAxis;
    timeAxis->setRange(0, std::max(5.0, std::ceil(slowest)));
    timeAxis->setLabelFormat(QStringLiteral("%.0f s"));
    timeAxis->setTickCount(6);
    timeAxis->setLinePenColor(QColor(0, 0, 192));
    timeAxis->setLabelsColor(QColor(0, 0, 192));
    chart.addAxis(timeAxis, Qt::AlignRight);
    bars->attachAxis(daysAxis);
    bars->attachAxis(shareAxis);
    time->attachAxis(daysAxis);
    time->attachAxis(timeAxis);
}

} // namespace quintarlow
