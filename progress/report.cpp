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

ReportPage playerPage(const QString& player, const std::vector<FactAnswer>& history,
                      qint64 fluencyMs, const DaySpan& span) {
    ReportPage page;
    page.player = player;
    page.period = span.words;
    page.fluencyMs = fluencyMs;
    page.grid = factGrid(history, fluencyMs, span);
    page.facts = factsToPractise(page.grid);
    const std::vector<FactAnswer> inSpan = answersIn(history, span);
    page.days = dailyProgress(inSpan);
    for (const FactAnswer& answer : inSpan) {
        ++page.answers;
        page.rights += answer.outcome == Outcome::Right;
        if (!page.from.isValid() || answer.day < page.from)
            page.from = answer.day;
        page.to = std::max(page.to, answer.day);
    }
    page.trend = periodTrend(inSpan, span);
    page.usualMs = medianRightMs(inSpan);
    return page;
}

ReportPage classPage(const std::vector<std::vector<FactAnswer>>& children, qint64 fluencyMs,
                     const DaySpan& span, const QStringList& names) {
    std::vector<FactAnswer> everyone;
    std::vector<FactGrid> grids;
    QStringList gridNames;
    int playedInSpan = 0;
    for (std::size_t index = 0; index < children.size(); ++index) {
        const std::vector<FactAnswer>& child = children[index];
        const std::vector<FactAnswer> inSpan = answersIn(child, span);
        everyone.insert(everyone.end(), inSpan.begin(), inSpan.end());
        playedInSpan += !inSpan.empty();
        // A child who played before the span still stands somewhere on the facts they were asked.
        if (!child.empty() && (!span.to.isValid() || child.front().day <= span.to)) {
            grids.push_back(factGrid(child, fluencyMs, span));
            if (qsizetype(index) < names.size())
                gridNames.append(shownName(names[qsizetype(index)]));
        }
    }
    ReportPage page = playerPage(QStringLiteral("The whole class"), everyone, fluencyMs, span);
    page.wholeClass = true;
    page.children = playedInSpan;
    page.grid = classGrid(grids, gridNames);
    page.facts = factsMostMissed(page.grid);
    return page;
}

ChildLine childLine(const ReportPage& page, std::optional<MovingOn> movingOn) {
    ChildLine line{.name = page.player,
                   .known = knownFacts(page.grid),
                   .missed = missedFacts(page.grid),
                   .answers = page.answers,
                   .rights = page.rights,
                   .usualMs = page.usualMs,
                   .trend = page.trend,
                   .movingOn = movingOn};
    for (const FactToPractise& fact : page.facts)
        if (line.toPractise.size() < 3)
            line.toPractise.push_back(fact.fact);
    return line;
}

QString movingOnWord(MovingOn movingOn) {
    switch (movingOn) {
    case MovingOn::Stalled:
        return QStringLiteral("no");
    case MovingOn::TooSoon:
        return QStringLiteral("too soon");
    case MovingOn::NotPlayed:
        return QStringLiteral("not played");
    case MovingOn::MovedOn:
        break;
    case MovingOn::AllKnown:
        return QStringLiteral("knows all");
    }
    return QStringLiteral("yes");
}

QStringList sheetCells(const ChildLine& line) {
    QStringList facts;
    for (Fact fact : line.toPractise)
        facts.append(QStringLiteral("%1 × %2").arg(fact.a).arg(fact.b));
    const QString word = trendWord(line.trend);
    return {shownName(line.name),
            QString::number(line.known),
            QString::number(line.answers),
            line.answers > 0
                ? QStringLiteral("%1 %").arg(qRound(100.0 * line.rights / line.answers))
                : QString(),
            line.usualMs ? QStringLiteral("%1 s").arg(secondsText(*line.usualMs)) : QString(),
            word.isEmpty() ? QStringLiteral("too few to tell") : word,
            facts.join(QStringLiteral(", ")),
            line.movingOn ? movingOnWord(*line.movingOn) : QString()};
}

namespace {

const QStringList SheetHeader = {QStringLiteral("Child"),
                                 QStringLiteral("Knows (of 144)"),
                                 QStringLiteral("Answers"),
                                 QStringLiteral("Right"),
                                 QStringLiteral("Usually answers in"),
                                 QStringLiteral("Answer times"),
                                 QStringLiteral("To practise"),
                                 QStringLiteral("Moved on, last two weeks")};
} // namespace

QByteArray sheetCsv(const std::vector<ChildLine>& sheet) {
    std::vector<QStringList> rows;
    for (const ChildLine& line : sheet)
        rows.push_back(sheetCells(line));
    return csvTable(SheetHeader, rows);
}

QString pathLine(const QString& player, const std::vector<FactAnswer>& history, qint64 fluencyMs,
                 QDate today, const PracticeSettings& settings) {
    PathSummary path = pathSummary(history, fluencyMs, today, settings.tables);
    path.known = knownFacts(factGrid(history, fluencyMs, DaySpan{{}, today, {}}));
    return parentLine(shownName(player), path);
}

std::vector<ReportPage>
everyPage(const std::vector<PlayerSummary>& players,
          const std::function<std::vector<FactAnswer>(const QString&)>& answersOf,
          RecordEditor& editor, const PageChoices& choices) {
    std::vector<ReportPage> pages;
    std::vector<std::vector<FactAnswer>> children;
    std::vector<MovingOn> movings;
    QStringList stalled;
    for (const PlayerSummary& player : players) {
        const QString& name = player.name;
        children.push_back(answersOf(name));
        const std::vector<FactAnswer>& all = children.back();
        const PracticeSettings settings = editor.practiceSettings(name);
        pages.push_back(playerPage(name, all, choices.fluencyMs, choices.span));
        pages.back().practice = practiceSentence(settings);
        pages.back().gamesAlone = player.gamesAlone;
        pages.back().wonAlone = player.wonAlone;
        if (settings.path)
            pages.back().movingOn = pathLine(name, all, choices.fluencyMs, choices.today, settings);
        movings.push_back(movingOn(all, choices.fluencyMs, choices.today, settings.tables));
        if (movings.back() == MovingOn::Stalled)
            stalled.append(name);
    }
    QStringList names;
    for (const PlayerSummary& player : players)
        names.append(player.name);
    pages.push_back(classPage(children, choices.fluencyMs, choices.span, names));
    pages.back().movingOn = stalledSentence(stalled);
    for (std::size_t child = 0; child + 1 < pages.size(); ++child)
        pages.back().sheet.push_back(childLine(pages[child], movings[child]));
    for (ReportPage& page : pages)
        page.keepDays = choices.keepDays;
    return pages;
}

QString summaryLine(const ReportPage& page) {
    const QString knows =
        page.wholeClass ? QString()
                        : QStringLiteral("Knows %1 of 144 facts. ").arg(knownFacts(page.grid));
    const QString alone =
        page.gamesAlone == 0
            ? QString()
            : QStringLiteral(" Played alone against the computer: %1, %2 won.")
                  .arg(counted(page.gamesAlone, QStringLiteral("game"), QStringLiteral("games")))
                  .arg(page.wonAlone);
    if (page.answers == 0)
        return knows + QStringLiteral("No answers %1.").arg(page.period) + alone;
    QString line =
        knows + QStringLiteral("%1 %2, %3 % right")
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
        return line + QStringLiteral(" Nothing to practise: every fact asked lately is known.") +
               alone;
    return line + QStringLiteral(" Practise ") + listed(weakest) + QLatin1Char('.') + alone;
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

QString keyLine(qint64 fluencyMs) {
    return QStringLiteral("Known: right within %1 s in 2 of the last 3 tries. Usually: the middle "
                          "time of right answers.")
        .arg(fluencyMs / 1000);
}

QString keepingSentence(int keepDays) {
    if (keepDays <= 0)
        return {};
    return QStringLiteral("Answers are kept for %1, then deleted.")
        .arg(counted(keepDays, QStringLiteral("day"), QStringLiteral("days")));
}

QString daysHeading(const ReportPage& page) {
    if (page.days.empty())
        return QStringLiteral("No play %1").arg(page.period);
    return (page.days.front().days == 1 ? QStringLiteral("Day by day, %1")
                                        : QStringLiteral("Week by week, %1"))
        .arg(page.period);
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

namespace {

// The class sheet, a line per child, on as many pages as it takes (one for 30 children).
bool drawSheet(QPainter& painter, QPagedPaintDevice& device, const ReportPage& page,
               double height) {
    constexpr std::array<double, 8> Widths = {130, 62, 62, 46, 80, 70, 200, 70};
    constexpr double Row = 22;
    double y = Margin;
    const auto heading = [&] {
        painter.setPen(QColor(0, 0, 192));
        painter.setFont(pixelFont(Face::ComicSans, 22, Bold));
        painter.drawText(QRectF(Margin, y, PageWidth - 2 * Margin, 30), Qt::AlignLeft,
                         QStringLiteral("The class, child by child, %1").arg(page.period));
        y += 40;
        painter.setPen(Qt::black);
        painter.setFont(pixelFont(Face::Arial, 12, Bold));
        double x = Margin;
        for (std::size_t column = 0; column < Widths.size(); ++column) {
            painter.drawText(QRectF(x, y, Widths[column] - 4, Row * 2),
                             Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                             SheetHeader[qsizetype(column)]);
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
                     (page.answers == 0 ? QString()
                                        : QStringLiteral("Answers from %1 to %2. ")
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
                         ? QStringLiteral("A cell's colour is what most children show; its "
                                          "number, how many keep missing it.")
                         : QStringLiteral("The number in a cell: the seconds its right answers "
                                          "usually take, of its last three tries."));
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
            writer.setTitle(QStringLiteral("Practice Record: %1").arg(pages.front().player));
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
        return QStringLiteral("the folder %1 cannot be made").arg(folder);
    for (const ReportPage& page : pages) {
        const QString path = QDir(folder).filePath(reportFileName(page));
        if (const QString failure = saveReport(path, page, keptOutOf); !failure.isEmpty())
            return QStringLiteral("%1: %2").arg(path, failure);
    }
    return {};
}

} // namespace quintarlow
