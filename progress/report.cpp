#include "progress/report.h"

#include "core/colours.h"
#include "core/learningpath.h"
#include "core/movingon.h"
#include "core/playernames.h"
#include "core/practicetext.h"
#include "core/savedfile.h"
#include "progress/factcell.h"
#include "progress/progresschart.h"
#include "record/recordreader.h"
#include "widgets/fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

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

ReportPage playerPage(const QString& player, const std::vector<FactAnswer>& history,
                      qint64 fluencyMs) {
    ReportPage page;
    page.player = player;
    page.fluencyMs = fluencyMs;
    page.grid = factGrid(history, fluencyMs);
    page.facts = factsToPractise(page.grid);
    page.days = dailyProgress(history);
    for (const FactAnswer& answer : history) {
        ++page.answers;
        page.rights += answer.outcome == Outcome::Right;
        if (!page.from.isValid() || answer.day < page.from)
            page.from = answer.day;
        page.to = std::max(page.to, answer.day);
    }
    // The last two weeks of play, however long ago they were: a child back from the holidays
    // is compared with how they were before them.
    page.trend = twoWeekTrend(history, page.to);
    return page;
}

ReportPage classPage(const std::vector<std::vector<FactAnswer>>& children, qint64 fluencyMs) {
    std::vector<FactAnswer> everyone;
    std::vector<FactGrid> grids;
    for (const std::vector<FactAnswer>& child : children) {
        if (child.empty())
            continue;
        everyone.insert(everyone.end(), child.begin(), child.end());
        grids.push_back(factGrid(child, fluencyMs));
    }
    ReportPage page = playerPage(QStringLiteral("The whole class"), everyone, fluencyMs);
    page.wholeClass = true;
    page.children = static_cast<int>(grids.size());
    page.grid = classGrid(grids);
    page.facts = factsMostMissed(page.grid);
    return page;
}

std::vector<ReportPage>
everyPage(const QStringList& players,
          const std::function<std::vector<FactAnswer>(const QString&)>& answersOf,
          RecordEditor& editor, const PageChoices& choices) {
    std::vector<ReportPage> pages;
    std::vector<std::vector<FactAnswer>> children;
    QStringList stalled;
    for (const QString& name : players) {
        const std::vector<FactAnswer> all = answersOf(name);
        const PracticeSettings settings = editor.practiceSettings(name);
        children.push_back(answersFrom(all, choices.from));
        pages.push_back(playerPage(name, children.back(), choices.fluencyMs));
        pages.back().practice = practiceSentence(settings);
        if (settings.path)
            pages.back().movingOn =
                parentLine(shownName(name),
                           pathSummary(all, choices.fluencyMs, choices.today, settings.tables));
        if (hasStalled(all, choices.fluencyMs, choices.today, settings))
            stalled.append(name);
    }
    pages.push_back(classPage(children, choices.fluencyMs));
    pages.back().movingOn = stalledSentence(stalled);
    for (ReportPage& page : pages) {
        page.period = choices.period;
        page.keepDays = choices.keepDays;
    }
    return pages;
}

QString summaryLine(const ReportPage& page) {
    if (page.answers == 0)
        return QStringLiteral("No answers %1.").arg(page.period);
    QString line =
        QStringLiteral("%1 %2, %3 % right")
            .arg(counted(page.answers, QStringLiteral("answer"), QStringLiteral("answers")),
                 page.period)
            .arg(qRound(100.0 * page.rights / page.answers));
    if (page.wholeClass)
        line += QStringLiteral(" by ") +
                counted(page.children, QStringLiteral("child"), QStringLiteral("children"));
    line += QStringLiteral(". ") + trendSentence(page.trend);
    QStringList weakest;
    for (const FactToPractise& fact : page.facts)
        if (weakest.size() < 3)
            weakest.append(QStringLiteral("%1 × %2").arg(fact.fact.a).arg(fact.fact.b));
    if (weakest.isEmpty())
        return line + QStringLiteral(" Nothing to practise: every fact asked lately is known.");
    return line + QStringLiteral(" Practise ") + listed(weakest) + QLatin1Char('.');
}

QString stalledSentence(const QStringList& names) {
    if (names.isEmpty())
        return QStringLiteral("Every child who played in the last two weeks moved on: a fact "
                              "became known to each.");
    QStringList shown;
    for (const QString& name : names)
        shown.append(shownName(name));
    return QStringLiteral("Not moved on for two weeks (played, and no fact became known): %1.")
        .arg(listed(shown));
}

QString keepingSentence(int keepDays) {
    if (keepDays <= 0)
        return {};
    return QStringLiteral("Answers are kept for %1, then deleted.")
        .arg(counted(keepDays, QStringLiteral("day"), QStringLiteral("days")));
}

QString daysHeading(const ReportPage& page) {
    if (page.days.size() == 1)
        return QStringLiteral("The one day of play");
    return QStringLiteral("The last %1 days of play").arg(page.days.size());
}

QString reportFileName(const ReportPage& page) {
    // A name kept before names had a length limit could make a file name longer than a disk
    // allows: it is cut, with a mark of the whole name so that two such names stay two files.
    QString player = withoutRefusedCharacters(
        classChild(page.player).classKey.isEmpty() ? page.player : shownName(page.player));
    if (const QList<uint> characters = player.toUcs4(); characters.size() > MaximumNameLength)
        player = QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                                   MaximumNameLength) +
                 QStringLiteral("… %1").arg(qHash(page.player) & 0xffffff, 6, 16, QLatin1Char('0'));
    QString name = QStringLiteral("Practice Record - %1.pdf")
                       .arg(page.wholeClass ? QStringLiteral("Class") : player);
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return name;
}

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
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shownName(page.player));
    y += 30;
    painter.setFont(pixelFont(Face::Arial, 13));
    const QLocale locale;
    painter.drawText(QRectF(Margin, y, width, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Answers from %1 to %2. Known means right within %3 seconds.")
                         .arg(locale.toString(page.from, QLocale::LongFormat),
                              locale.toString(page.to, QLocale::LongFormat))
                         .arg(page.fluencyMs / 1000));
    y += 22;
    painter.setFont(pixelFont(Face::Arial, 14, Bold));
    const QRectF summary =
        painter.boundingRect(QRectF(Margin, y, width, 200), Qt::TextWordWrap, summaryLine(page));
    painter.drawText(summary, Qt::TextWordWrap, summaryLine(page));
    y += summary.height() + 4;
    if (!page.movingOn.isEmpty()) {
        painter.setPen(QColor(0, 0, 192));
        const QRectF movingOn =
            painter.boundingRect(QRectF(Margin, y, width, 200), Qt::TextWordWrap, page.movingOn);
        painter.drawText(movingOn, Qt::TextWordWrap, page.movingOn);
        y += movingOn.height() + 4;
        painter.setPen(Qt::black);
    }
    painter.setFont(pixelFont(Face::Arial, 13));
    // Below the summary, each on its own line where it applies.
    for (const QString& line : {page.practice, keepingSentence(page.keepDays)}) {
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
                         ? QStringLiteral("A cell's colour is what most children show; its "
                                          "number, how many keep missing it.")
                         : QStringLiteral("The number in a cell is the median time of the right "
                                          "answers among its last three, in seconds."));
    sideY += 46;
    painter.setFont(pixelFont(Face::ComicSans, 18, Bold));
    painter.setPen(QColor(0, 0, 192));
    painter.drawText(QRectF(side, sideY, sideWidth, 24), Qt::AlignLeft,
                     page.wholeClass ? QStringLiteral("Facts most children miss")
                                     : QStringLiteral("Facts to practise"));
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
    y = std::max(y + gridSize, sideY) + 20;

    painter.setPen(QColor(0, 0, 192));
    painter.setFont(pixelFont(Face::ComicSans, 18, Bold));
    painter.drawText(QRectF(Margin, y, width, 24), Qt::AlignLeft, daysHeading(page));
    y += 26;
    // The chart is laid out for the screen, so it is drawn as a picture at three times the
    // screen's detail and placed on the page: its labels keep their size against its bars.
    // It takes what is left of the page.
    const QSizeF chartSize(width, std::max(160.0, height - y - Margin));
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
    return painter.end();
}

QString saveReport(const QString& path, const ReportPage& page, const QString& keptOutOf) {
    return writeWholeFile(
        path,
        [&page](QIODevice& device) {
            QPdfWriter writer(&device);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(300);
            writer.setTitle(QStringLiteral("Practice Record: %1").arg(page.player));
            writer.setCreator(QStringLiteral("Quintarlow!"));
            return drawReport(writer, page);
        },
        keptOutOf);
}

QString saveReports(const QString& folder, const std::vector<ReportPage>& pages,
                    const QString& keptOutOf) {
    // The folder itself, before it is made.
    if (const QString refused = refusedTarget(folder, keptOutOf); !refused.isEmpty())
        return QStringLiteral("%1: %2").arg(folder, refused);
    if (!QDir().mkpath(folder))
        return QStringLiteral("the folder %1 cannot be made").arg(folder);
    for (const ReportPage& page : pages) {
        const QString path = QDir(folder).filePath(reportFileName(page));
        if (const QString failure = saveReport(path, page, keptOutOf); !failure.isEmpty())
            return QStringLiteral("%1: %2").arg(path, failure);
    }
    return {};
}

} // namespace quintarlow
