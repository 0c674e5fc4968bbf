#include "progress/reportpage.h"

#include "core/learningpath.h"
#include "core/playernames.h"
#include "core/practicetext.h"
#include "record/recordcsv.h"
#include "record/recordreader.h"

#include <QLocale>

namespace quintarlow {

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
    ReportPage page = playerPage(ProgressWords::tr("The whole class"), everyone, fluencyMs, span);
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
                   .toPractise = {},
                   .movingOn = movingOn};
    for (const FactToPractise& fact : page.facts)
        if (line.toPractise.size() < 3)
            line.toPractise.push_back(fact.fact);
    return line;
}

QString movingOnWord(MovingOn movingOn) {
    switch (movingOn) {
    case MovingOn::Stalled:
        return ProgressWords::tr("no");
    case MovingOn::TooSoon:
        return ProgressWords::tr("too soon");
    case MovingOn::NotPlayed:
        return ProgressWords::tr("not played");
    case MovingOn::MovedOn:
        break;
    case MovingOn::AllKnown:
        return ProgressWords::tr("knows all");
    }
    return ProgressWords::tr("yes");
}

QStringList sheetCells(const ChildLine& line) {
    QStringList facts;
    for (Fact fact : line.toPractise)
        facts.append(QStringLiteral("%1 × %2").arg(fact.a).arg(fact.b));
    const QString word = trendWord(line.trend);
    return {shownName(line.name),
            QLocale().toString(line.known),
            QLocale().toString(line.answers),
            line.answers > 0
                ? QStringLiteral("%1 %").arg(qRound(100.0 * line.rights / line.answers))
                : QString(),
            line.usualMs ? ProgressWords::tr("%1 s", "seconds").arg(secondsText(*line.usualMs))
                         : QString(),
            word.isEmpty() ? ProgressWords::tr("too few to tell") : word,
            facts.join(QStringLiteral(", ")),
            line.movingOn ? movingOnWord(*line.movingOn) : QString()};
}

QStringList sheetHeader() {
    return {ProgressWords::tr("Child"),
            ProgressWords::tr("Knows (of 144)"),
            ProgressWords::tr("Answers"),
            ProgressWords::tr("Right"),
            ProgressWords::tr("Usually answers in"),
            ProgressWords::tr("Answer times"),
            ProgressWords::tr("To practise"),
            ProgressWords::tr("Moved on, last two weeks")};
}

QByteArray sheetCsv(const std::vector<ChildLine>& sheet) {
    std::vector<QStringList> rows;
    for (const ChildLine& line : sheet)
        rows.push_back(sheetCells(line));
    return csvTable(sheetHeader(), rows);
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
    QStringList sentences;
    if (!page.wholeClass)
        sentences.append(ProgressWords::tr("Knows %L1 of 144 facts.").arg(knownFacts(page.grid)));
    if (page.answers == 0) {
        sentences.append(ProgressWords::tr("No answers %1.").arg(page.period));
    } else {
        const int right = qRound(100.0 * page.rights / page.answers);
        sentences.append(
            page.wholeClass
                ? counted(page.answers,
                          QT_TRANSLATE_N_NOOP("Counts", "%Ln answer(s) %1, %2 % right by %3."))
                      .arg(page.period)
                      .arg(right)
                      .arg(counted(page.children, QT_TRANSLATE_N_NOOP("Counts", "%Ln child(ren)")))
                : counted(page.answers,
                          QT_TRANSLATE_N_NOOP("Counts", "%Ln answer(s) %1, %2 % right."))
                      .arg(page.period)
                      .arg(right));
        sentences.append(trendSentence(page.trend));
        QStringList weakest;
        for (const FactToPractise& fact : page.facts)
            if (weakest.size() < 3)
                weakest.append(QStringLiteral("%1 × %2").arg(fact.fact.a).arg(fact.fact.b));
        sentences.append(
            weakest.isEmpty()
                ? ProgressWords::tr("Nothing to practise: every fact asked lately is known.")
                : ProgressWords::tr("Practise %1.").arg(listed(weakest)));
    }
    if (page.gamesAlone > 0)
        sentences.append(
            counted(page.gamesAlone,
                    QT_TRANSLATE_N_NOOP("Counts",
                                        "Played alone against the computer: %Ln game(s), %1 won."))
                .arg(QLocale().toString(page.wonAlone)));
    return sentences.join(QLatin1Char(' '));
}

QString stalledSentence(const QStringList& names) {
    if (names.isEmpty())
        return ProgressWords::tr("Every child who played in the last two weeks moved on: a fact "
                                 "became known to each.");
    QStringList shown;
    for (const QString& name : names)
        shown.append(shownName(name));
    return ProgressWords::tr("Not moved on for two weeks (played, and no fact became known): %1.")
        .arg(listed(shown));
}

QString keyLine(qint64 fluencyMs) {
    return ProgressWords::tr(
               "Known: right within %1 s in 2 of the last 3 tries. Usually: the middle "
               "time of right answers.")
        .arg(fluencyMs / 1000);
}

QString keepingSentence(int keepDays) {
    if (keepDays <= 0)
        return {};
    return counted(keepDays,
                   QT_TRANSLATE_N_NOOP("Counts", "Answers are kept for %Ln day(s), then deleted."));
}

QString daysHeading(const ReportPage& page) {
    if (page.days.empty())
        return ProgressWords::tr("No play %1").arg(page.period);
    return (page.days.front().days == 1 ? ProgressWords::tr("Day by day, %1")
                                        : ProgressWords::tr("Week by week, %1"))
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
    QString name = ProgressWords::tr("Practice Record - %1.pdf")
                       .arg(page.wholeClass ? ProgressWords::tr("Class") : player);
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

} // namespace quintarlow
