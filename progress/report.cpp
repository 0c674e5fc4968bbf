#include "report.h"

#include "colours.h"
#include "factcell.h"
#include "practicetext.h"
#include "progresschart.h"
#include "widgets/fonts.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace quintarlow {

namespace {
// The page is laid out on a sheet 800 units wide, whatever the device's resolution.
constexpr double PageWidth = 800;
constexpr double Margin = 40;

QFont pixelFont(Face face, int pixels, int style = Regular) {
    QFont font = gameFont(face, 10, style);
    font.setPixelSize(pixels);
    return font;
}

double drawGrid(QPainter& painter, QPointF origin, double cell, const FactGrid& grid) {
    painter.setFont(pixelFont(Face::Arial, static_cast<int>(cell * 0.45), Bold));
    painter.setPen(Qt::black);
    for (int i = 0; i < FactorCount; ++i) {
        painter.drawText(QRectF(origin.x() + (i + 1) * cell, origin.y(), cell, cell),
                         Qt::AlignCenter, QString::number(i + 1));
        painter.drawText(QRectF(origin.x(), origin.y() + (i + 1) * cell, cell, cell),
                         Qt::AlignCenter, QString::number(i + 1));
    }
    painter.drawText(QRectF(origin.x(), origin.y(), cell, cell), Qt::AlignCenter,
                     QStringLiteral("×"));
    for (int a = 0; a < FactorCount; ++a)
        for (int b = 0; b < FactorCount; ++b)
            paintFactCell(
                painter,
                QRectF(origin.x() + (b + 1) * cell, origin.y() + (a + 1) * cell, cell, cell),
                grid[a][b]);
    return (FactorCount + 1) * cell;
}
} // namespace

QString practiceSentence(const PracticeSettings& settings) {
    QString words = practiceWords(settings);
    if (words.isEmpty())
        return words;
    words[0] = words[0].toUpper();
    return words + QLatin1Char('.');
}

bool drawReport(QPagedPaintDevice& device, const ReportPage& page) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect paper = painter.viewport();
    const double height = PageWidth * paper.height() / paper.width();
    painter.setWindow(QRect(0, 0, static_cast<int>(PageWidth), static_cast<int>(height)));
    const double width = PageWidth - 2 * Margin;
    double y = Margin;

    painter.setPen(QColor(0, 0, 192));
    painter.setFont(pixelFont(Face::ComicSans, 30, Bold));
    painter.drawText(QRectF(Margin, y, width, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Quintarlow! Practice Record"));
    y += 46;
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(Face::Arial, 20, Bold));
    painter.drawText(QRectF(Margin, y, width, 28),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, page.player);
    y += 30;
    painter.setFont(pixelFont(Face::Arial, 13));
    const QLocale locale;
    painter.drawText(QRectF(Margin, y, width, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Answers from %1 to %2. Known means right within %3 seconds.")
                         .arg(locale.toString(page.from, QLocale::LongFormat),
                              locale.toString(page.to, QLocale::LongFormat))
                         .arg(page.fluencyMs / 1000));
    y += 20;
    if (!page.practice.isEmpty())
        painter.drawText(QRectF(Margin, y, width, 20), Qt::AlignLeft | Qt::AlignVCenter,
                         page.practice);
    y += 14 + (page.practice.isEmpty() ? 0 : 20);

    const double gridSize = drawGrid(painter, {Margin, y}, 31, page.grid);
    // Beside the grid: the legend, then the facts to practise.
    const double side = Margin + gridSize + 24;
    const double sideWidth = PageWidth - Margin - side;
    double sideY = y;
    painter.setFont(pixelFont(Face::Arial, 12));
    for (const LegendEntry& entry : legendEntries(page.fluencyMs)) {
        paintStatusSwatch(painter, QRectF(side, sideY, 26, 26), entry.status);
        const QRectF words(side + 32, sideY, sideWidth - 32, 40);
        painter.drawText(words, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, entry.words);
        sideY += 44;
    }
    painter.setFont(pixelFont(Face::Arial, 12, Italic));
    painter.drawText(QRectF(side, sideY, sideWidth, 34), Qt::TextWordWrap,
                     QStringLiteral("The number in a cell is the median time of its right "
                                    "answers, in seconds."));
    sideY += 46;
    painter.setFont(pixelFont(Face::ComicSans, 18, Bold));
    painter.setPen(QColor(0, 0, 192));
    painter.drawText(QRectF(side, sideY, sideWidth, 24), Qt::AlignLeft,
                     QStringLiteral("Facts to practise"));
    sideY += 28;
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(Face::Arial, 13));
    if (page.facts.empty())
        painter.drawText(QRectF(side, sideY, sideWidth, 40), Qt::TextWordWrap,
                         QStringLiteral("None: every fact asked lately is known."));
    for (const FactToPractise& fact : page.facts) {
        painter.drawText(QRectF(side, sideY, sideWidth, 36), Qt::TextWordWrap, fact.text);
        sideY += 36;
    }
    y += gridSize + 20;

    painter.setPen(QColor(0, 0, 192));
    painter.setFont(pixelFont(Face::ComicSans, 18, Bold));
    painter.drawText(QRectF(Margin, y, width, 24), Qt::AlignLeft,
                     QStringLiteral("The last %1 days of play").arg(page.days.size()));
    y += 26;
    // The chart is laid out for the screen, so it is drawn as a picture at three times the
    // screen's detail and placed on the page: its labels keep their size against its bars.
    const QSizeF chartSize(width, std::min(320.0, height - y - Margin));
    QGraphicsScene scene; // owns the chart
    auto* chart = new QChart;
    scene.addItem(chart);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->resize(chartSize);
    showProgress(*chart, page.days);
    QCoreApplication::sendPostedEvents(chart);
    QCoreApplication::sendPostedEvents(&scene);
    constexpr int Detail = 3;
    QImage picture((chartSize * Detail).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(Detail);
    picture.fill(Qt::white);
    {
        QPainter chartPainter(&picture);
        chartPainter.setRenderHint(QPainter::Antialiasing);
        scene.render(&chartPainter, QRectF(QPointF(), chartSize), chart->rect());
    }
    painter.drawImage(QRectF(QPointF(Margin, y), chartSize), picture);
    return painter.end();
}

QString saveReport(const QString& path, const ReportPage& page) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Practice Record: %1").arg(page.player));
        writer.setCreator(QStringLiteral("Quintarlow!"));
        if (!drawReport(writer, page)) {
            file.cancelWriting();
            return QStringLiteral("the page could not be drawn");
        }
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace quintarlow
