#include "progresschart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

namespace quintarlow {

void showProgress(QChart& chart, const std::vector<DayProgress>& days) {
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
    time->setName(QStringLiteral("median time (s)"));
    time->setPen(QPen(QColor(0, 0, 192), 2.5));
    time->setPointsVisible(true);
    QStringList labels;
    double slowest = 0;
    for (const DayProgress& day : days) {
        const int x = static_cast<int>(labels.size());
        labels.append(QLocale().toString(day.day, QStringLiteral("d MMM")));
        share->append(day.answers > 0 ? 100.0 * day.rights / day.answers : 0.0);
        if (day.medianRightMs) {
            const double seconds = static_cast<double>(*day.medianRightMs) / 1000.0;
            time->append(x, seconds);
            slowest = std::max(slowest, seconds);
        }
    }
    chart.addSeries(bars);
    chart.addSeries(time);
    auto* daysAxis = new QBarCategoryAxis;
    daysAxis->append(labels);
    daysAxis->setLabelsAngle(-90);
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
