#pragma once

#include "core/factstats.h"
#include "core/movingon.h"
#include "record/practicerecord.h"
#include "record/recordreader.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace quintarlow {

// The words of the Practice Record's pages, reports and the window's parts that are not widgets.
struct ProgressWords {
    Q_DECLARE_TR_FUNCTIONS(quintarlow::ProgressWords)
};

class RecordEditor;

// One child's line on the class sheet, for the period shown.
struct ChildLine {
    QString name;
    int known = 0;  // facts of 144, as the grid colours them
    int missed = 0; // facts kept missing
    int answers = 0;
    int rights = 0;
    std::optional<qint64> usualMs; // the median time of the right answers
    Trend trend;
    std::vector<Fact> toPractise;     // worst first, at most three
    std::optional<MovingOn> movingOn; // none on the class's line
};

// What the window shows and the one-page report prints for one player (or the whole class).
struct ReportPage {
    QString player;   // as the page names them: "The whole class" for the class
    QString practice; // the player's practice settings as a sentence; empty for none
    // A child on the learning path: where they stand, from all their answers; for the class,
    // who has not moved on. Empty for a child off the path.
    QString movingOn;
    QString period; // "this school year": the span's words
    QDate from;     // the first and last day with answers in the span
    QDate to;
    qint64 fluencyMs = DefaultFluencyMs;
    int answers = 0;
    int rights = 0;
    bool wholeClass = false;
    int children = 0; // on the class's page, how many children have answers
    FactGrid grid{};
    std::vector<FactToPractise> facts;
    std::vector<DayProgress> days;
    Trend trend;
    std::optional<qint64> usualMs; // the median time of the right answers in the span
    std::vector<ChildLine> sheet;  // the class's page: a line per child, in the players' order
    int keepDays = 0;   // how long the record keeps answers; 0: until a player is forgotten
    int gamesAlone = 0; // in all, against the computer, and of them won
    int wonAlone = 0;
};

// One player's page for a span, from all their answers: those before it tell only where the
// child stood when it began.
ReportPage playerPage(const QString& player, const std::vector<FactAnswer>& history,
                      qint64 fluencyMs, const DaySpan& span = {});
// The class's page from each child's answers: each fact judged per child.
ReportPage classPage(const std::vector<std::vector<FactAnswer>>& children, qint64 fluencyMs,
                     const DaySpan& span = {}, const QStringList& names = {});
// A child's line from their page, with whether they moved on in the last two weeks.
ChildLine childLine(const ReportPage& page, std::optional<MovingOn> movingOn = {});
// A line's cells in the sheet's columns, as the PDF prints them and the spreadsheet gets them.
enum SheetColumn {
    SheetChild,
    SheetKnows,
    SheetAnswers,
    SheetRight,
    SheetUsual,
    SheetTimes,
    SheetPractise,
    SheetMovedOn
};
QStringList sheetCells(const ChildLine& line);
// The sheet's column headings.
QStringList sheetHeader();
// "yes", "no", "too soon", "not played", "knows all": the sheet's words for moving on.
QString movingOnWord(MovingOn movingOn);
// The class sheet for a spreadsheet: a header, then a line per child, with the export's safe
// cells.
QByteArray sheetCsv(const std::vector<ChildLine>& sheet);

// What the pages are made for.
struct PageChoices {
    qint64 fluencyMs = DefaultFluencyMs;
    DaySpan span;
    QDate today; // the learning path and moving on are judged on it
    int keepDays = 0;
};

// Every player's page and then the class's: each player's from their answers in the period,
// their path and whether they moved on from all of them, as `answersOf` gives them, and their
// games against the computer as the record's list counts them.
std::vector<ReportPage>
everyPage(const std::vector<PlayerSummary>& players,
          const std::function<std::vector<FactAnswer>(const QString&)>& answersOf,
          RecordEditor& editor, const PageChoices& choices);

// The line a parent can act on: how much, how well, how fast, what changed, what to practise.
QString summaryLine(const ReportPage& page);
// The report's one-line key to its words: "Known: right within 6 s in 2 of the last 3 tries. ..."
QString keyLine(qint64 fluencyMs);
// "Answers are kept for 365 days, then deleted.", or empty where they are kept until forgotten.
QString keepingSentence(int keepDays);
// "Day by day, this week", "Week by week, this school year"
QString daysHeading(const ReportPage& page);

// "Practising the 3s and 4s; missed facts asked again.", or empty for the default settings.
QString practiceSentence(const PracticeSettings& settings);

// "Maya knows 23 of 144 facts; to practise again today: ...": where a child on the path stands now,
// from all their answers, with "knows" meant as everywhere else.
QString pathLine(const QString& player, const std::vector<FactAnswer>& history, qint64 fluencyMs,
                 QDate today, const PracticeSettings& settings);

// What the window and the report say of the children who have not moved on (names as given).
QString stalledSentence(const QStringList& names);

// "Practice Record - Leo.pdf", "Practice Record - Class.pdf". A "/" cannot be in a file name.
QString reportFileName(const ReportPage& page);

} // namespace quintarlow
