#include "progress/report.h"

#include "core/colours.h"
#include "core/learningpath.h"
#include "core/movingon.h"
#include "core/playernames.h"
#include "core/practicetext.h"
#include "core/savedfile.h"
#include "progress/factcell.h"
#include "progress/progresschart.h"
#include "record/recordcsv.h"
#include "record/recordreader.h"
#include "widgets/fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <array>
#include <span>

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

// "7 × 8 = 56" held together where lines wrap: a fact broken across lines reads as two.
QString unbroken(QString text) {
    return text.replace(QStringLiteral(" × "), QStringLiteral("\u00a0×\u00a0"))
        .replace(QStringLiteral(" = "), QStringLiteral("\u00a0=\u00a0"));
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

namespace {

// The class sheet, a line per child, on as many pages as it takes (one for 30 children).
bool drawSheet(QPainter& painter, QPagedPaintDevice& device, const ReportPage& page,
               double height) {
    constexpr std::array<double, 8> Widths = {130, 62, 62, 46, 80, 70, 200, 70};
    constexpr double Row = 22;
    double y = Margin;
    const QStringList header = sheetHeader();
    const auto heading = [&] {
        painter.setPen(QColor(0, 0, 192));
        painter.setFont(pixelFont(Face::ComicSans, 22, Bold));
        painter.drawText(QRectF(Margin, y, PageWidth - 2 * Margin, 30), Qt::AlignLeft,
                         ProgressWords::tr("The class, child by child, %1").arg(page.period));
        y += 40;
        painter.setPen(Qt::black);
        painter.setFont(pixelFont(Face::Arial, 12, Bold));
        double x = Margin;
        for (std::size_t column = 0; column < Widths.size(); ++column) {
            painter.drawText(QRectF(x, y, Widths[column] - 4, Row * 2),
                             Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                             header[qsizetype(column)]);
            x += Widths[column];
        }
        y += Row * 2 + 4;
        painter.drawLine(QPointF(Margin, y - 2), QPointF(PageWidth - Margin, y - 2));
        painter.setFont(pixelFont(Face::Arial, 12));
    };
    heading();
    for (std::size_t line = 0; line < page.sheet.size(); ++line) {
        if (y + Row > height - Margin) {
            if (!device.newPage())
                return false;
            y = Margin;
            heading();
        }
        // Every other line shaded, so that a finger can follow it across.
        if (line % 2 == 1)
            painter.fillRect(QRectF(Margin, y, PageWidth - 2 * Margin, Row), QColor(232, 232, 232));
        const QStringList cells = sheetCells(page.sheet[line]);
        double x = Margin;
        for (std::size_t column = 0; column < Widths.size(); ++column) {
            painter.drawText(QRectF(x + 2, y, Widths[column] - 6, Row),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             painter.fontMetrics().elidedText(cells[qsizetype(column)],
                                                              Qt::ElideRight,
                                                              int(Widths[column] - 6)));
            x += Widths[column];
        }
        y += Row;
    }
    return true;
}

void drawPage(QPainter& painter, const ReportPage& page, double height) {
    const double width = PageWidth - 2 * Margin;
    double y = Margin;

    painter.setPen(QColor(0, 0, 192));
    painter.setFont(pixelFont(Face::ComicSans, 30, Bold));
    painter.drawText(QRectF(Margin, y, width, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     ProgressWords::tr("Quintarlow! Practice Record"));
    y += 46;
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(Face::Arial, 20, Bold));
    painter.drawText(QRectF(Margin, y, width, 28),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shownName(page.player));
    y += 30;
    painter.setFont(pixelFont(Face::Arial, 13));
    const QLocale locale;
    painter.drawText(QRectF(Margin, y, width, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     (page.answers == 0 ? QString()
                                        : ProgressWords::tr("Answers from %1 to %2. ")
                                              .arg(locale.toString(page.from, QLocale::LongFormat),
                                                   locale.toString(page.to, QLocale::LongFormat))));
    y += 22;
    painter.setFont(pixelFont(Face::Arial, 14, Bold));
    const QRectF summary = painter.boundingRect(QRectF(Margin, y, width, 200), Qt::TextWordWrap,
                                                unbroken(summaryLine(page)));
    painter.drawText(summary, Qt::TextWordWrap, unbroken(summaryLine(page)));
    y += summary.height() + 4;
    if (!page.movingOn.isEmpty()) {
        painter.setPen(QColor(0, 0, 192));
        const QRectF movingOn = painter.boundingRect(QRectF(Margin, y, width, 200),
                                                     Qt::TextWordWrap, unbroken(page.movingOn));
        painter.drawText(movingOn, Qt::TextWordWrap, unbroken(page.movingOn));
        y += movingOn.height() + 4;
        painter.setPen(Qt::black);
    }
    painter.setFont(pixelFont(Face::Arial, 13));
    // Below the summary, each on its own line where it applies.
    for (const QString& line :
         {page.practice, keepingSentence(page.keepDays), keyLine(page.fluencyMs)}) {
        if (line.isEmpty())
            continue;
        painter.drawText(QRectF(Margin, y, width, 20), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += 20;
    }
    y += 14;

    const double gridSize = drawGrid(painter, {Margin, y}, 33, page.grid);
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
                     page.wholeClass
                         ? ProgressWords::tr("A cell's colour is what most children show; its "
                                             "number, how many keep missing it.")
                         : ProgressWords::tr("The number in a cell: the seconds its right answers "
                                             "usually take, of its last three tries."));
    sideY += 46;
    painter.setFont(pixelFont(Face::ComicSans, 18, Bold));
    painter.setPen(QColor(0, 0, 192));
    painter.drawText(QRectF(side, sideY, sideWidth, 24), Qt::AlignLeft,
                     page.wholeClass ? ProgressWords::tr("Facts most children miss")
                                     : ProgressWords::tr("Facts to practise"));
    sideY += 28;
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(Face::Arial, 13));
    if (page.facts.empty())
        painter.drawText(QRectF(side, sideY, sideWidth, 40), Qt::TextWordWrap,
                         ProgressWords::tr("None: every fact asked lately is known."));
    for (const FactToPractise& fact : page.facts) {
        painter.drawText(QRectF(side, sideY, sideWidth, 36), Qt::TextWordWrap, unbroken(fact.text));
        sideY += 36;
    }
    y = std::max(y + gridSize, sideY) + 20;

    painter.setPen(QColor(0, 0, 192));
    painter.setFont(pixelFont(Face::ComicSans, 18, Bold));
    painter.drawText(QRectF(Margin, y, width, 24), Qt::AlignLeft, daysHeading(page));
    y += 26;
    // The chart is laid out for the screen, so it is drawn as a picture at three times the
    // screen's detail and placed on the page: its labels keep their size against its bars.
    // It takes what is left of the page.
    // Under it, its trend in words.
    constexpr double TrendLine = 22;
    const QSizeF chartSize(width, std::max(160.0, height - y - Margin - TrendLine));
    QGraphicsScene scene; // owns the chart
    auto* chart = new QChart;
    scene.addItem(chart);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->resize(chartSize);
    showProgress(*chart, page.days, static_cast<int>(chartSize.width()));
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
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(Face::Arial, 13));
    painter.drawText(QRectF(Margin, y + chartSize.height(), width, TrendLine),
                     Qt::AlignLeft | Qt::AlignVCenter, trendSentence(page.trend));
}

} // namespace

bool drawReport(QPagedPaintDevice& device, const ReportPage& page) {
    return drawReports(device, std::span(&page, 1));
}

bool drawReports(QPagedPaintDevice& device, std::span<const ReportPage> pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect paper = painter.viewport();
    const double height = PageWidth * paper.height() / paper.width();
    painter.setWindow(QRect(0, 0, static_cast<int>(PageWidth), static_cast<int>(height)));
    for (const ReportPage& page : pages) {
        if (&page != &pages.front() && !device.newPage())
            return false;
        drawPage(painter, page, height);
        if (!page.sheet.empty() && !(device.newPage() && drawSheet(painter, device, page, height)))
            return false;
    }
    return painter.end();
}

namespace {
QString savePdf(const QString& path, std::span<const ReportPage> pages, const QString& keptOutOf) {
    return writeWholeFile(
        path,
        [pages](QIODevice& device) {
            QPdfWriter writer(&device);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(300);
            writer.setTitle(ProgressWords::tr("Practice Record: %1").arg(pages.front().player));
            writer.setCreator(QStringLiteral("Quintarlow!"));
            return drawReports(writer, pages);
        },
        keptOutOf);
}
} // namespace

QString saveReport(const QString& path, const ReportPage& page, const QString& keptOutOf) {
    return savePdf(path, std::span(&page, 1), keptOutOf);
}

QString saveReportBook(const QString& path, const std::vector<ReportPage>& pages,
                       const QString& keptOutOf) {
    // The class's pages first: the sheet a teacher prints for the evening, then each child's.
    std::vector<ReportPage> book(pages.rbegin(), pages.rbegin() + 1);
    book.insert(book.end(), pages.begin(), pages.end() - 1);
    return savePdf(path, book, keptOutOf);
}

QString saveReports(const QString& folder, const std::vector<ReportPage>& pages,
                    const QString& keptOutOf) {
    // The folder itself, before it is made.
    if (const QString refused = refusedTarget(folder, keptOutOf); !refused.isEmpty())
        return QStringLiteral("%1: %2").arg(folder, refused);
    if (!QDir().mkpath(folder))
        return ProgressWords::tr("the folder %1 cannot be made").arg(folder);
    for (const ReportPage& page : pages) {
        const QString path = QDir(folder).filePath(reportFileName(page));
        if (const QString failure = saveReport(path, page, keptOutOf); !failure.isEmpty())
            return QStringLiteral("%1: %2").arg(path, failure);
    }
    return {};
}

} // namespace quintarlow
