#pragma once

#include "core/fact.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace quintarlow {

// One answer as the statistics read it: which fact, how it ended, how long it took and on
// which day (local to where it was played). A history lists them oldest first.
struct FactAnswer {
    int a = 0;
    int b = 0;
    Outcome outcome = Outcome::Right;
    qint64 ms = 0;
    QDate day;
};

// The fluency times a parent or teacher can choose, and the one chosen until they do.
inline constexpr std::array<int, 3> FluencyChoicesMs = {3000, 6000, 10000};
inline constexpr int DefaultFluencyMs = 6000;

// Factors run from 1 to 12; the grid has a cell for each ordered pair.
inline constexpr int FactorCount = 12;

enum class FactStatus {
    NotAsked,
    Known,  // right in at least 2 of the last 3 tries, each of those within the fluency time
    Slow,   // answered right at least as often as not lately, but not yet known
    Missed, // wrong or timed out in the last 3 tries more often than right
};

// For the class: how many children stand where on one fact, each judged on their own answers.
struct ChildCounts {
    int know = 0;
    int learning = 0;
    int missing = 0;
    QStringList missingNames; // the children who keep missing it, when the class's are named
    int asked() const { return know + learning + missing; }
};

struct FactStats {
    FactStatus status = FactStatus::NotAsked;
    ChildCounts children; // the class's cells only
    int tries = 0;
    int rights = 0;
    std::optional<qint64> medianRightMs; // of the right answers among the last three tries
    std::vector<Outcome> lastFive;       // oldest first
};

// A fact's statistics from its own answers (oldest first; other facts' answers are skipped).
FactStats factStats(const std::vector<FactAnswer>& history, Fact fact, qint64 fluencyMs);

// Every fact's statistics at once, indexed [a - 1][b - 1]; one pass over the history.
using FactGrid = std::array<std::array<FactStats, FactorCount>, FactorCount>;
FactGrid factGrid(const std::vector<FactAnswer>& history, qint64 fluencyMs);

struct FactToPractise {
    Fact fact;
    QString text; // "7 × 8 = 56: missed 2 of the last 3"
};

// The weakest facts, weakest first; at most `count`, fewer when fewer are weak.
std::vector<FactToPractise> factsToPractise(const std::vector<FactAnswer>& history,
                                            qint64 fluencyMs, int count = 6);
// The same from statistics already worked out.
std::vector<FactToPractise> factsToPractise(const FactGrid& grid, int count = 6);

// The class's grid from each child's: a cell takes the status most children have (a tie goes
// to the weaker), its tries and rights are everyone's, and its median is left out because a
// class's median would hide the children it is about.
// `names`, when given, are the children's, in the same order: each cell then names who keeps
// missing it.
FactGrid classGrid(const std::vector<FactGrid>& children, const QStringList& names = {});
// The facts the most children keep missing, most first; then the most still learning.
std::vector<FactToPractise> factsMostMissed(const FactGrid& classGrid, int count = 6);
// How many facts a grid shows as missed.
int missedFacts(const FactGrid& grid);

// The periods a parent or teacher looks at.
enum class Period { ThisWeek, Last30Days, ThisTerm, SchoolYear, All };
inline constexpr std::array<Period, 5> Periods = {
    Period::ThisWeek, Period::Last30Days, Period::ThisTerm, Period::SchoolYear, Period::All};

// The days a view's figures count, both ends included, and how its sentences name them.
struct DaySpan {
    QDate from;    // invalid: from the first answer on
    QDate to;      // invalid: up to the last answer
    QString words; // as it follows "412 answers": "this week", "since the first game"
    bool holds(QDate day) const {
        return (!from.isValid() || day >= from) && (!to.isValid() || day <= to);
    }
};
// A period as seen on `today`. Weeks start on Monday, school years on 1 September, a term on
// `termStart` (the school year's first day until a teacher sets it).
DaySpan periodSpan(Period period, QDate today, QDate termStart = {});
// Any two days, as the command line gives them: "from 2 March to 27 March 2027".
DaySpan daysBetween(QDate from, QDate to);
// As the period chooser lists it: "this week", "this term", "all".
QString periodName(Period period);
// The answers a span counts.
std::vector<FactAnswer> answersIn(const std::vector<FactAnswer>& history, const DaySpan& span);

// A span's figures: answers and rights counted within it; each fact's colour is where the
// child stood at its end, from their last tries up to then, however long before it they were.
// A fact known before the period and not asked in it stays known.
FactGrid factGrid(const std::vector<FactAnswer>& history, qint64 fluencyMs, const DaySpan& span);
// The one meaning of "knows a fact" that every count, list and sentence uses: the grid's green.
int knownFacts(const FactGrid& grid);

// The median time of right answers in the first half of the days played within a span against
// the second half; too few right answers in either half and there is no trend to tell.
struct Trend {
    std::optional<qint64> earlierMs;
    std::optional<qint64> laterMs;
    QString words; // the span's, as the sentence names it
    // Later against earlier: below 0 faster, above 0 slower; 0 when either is missing.
    double change() const;
};
// Fewer right answers than this in a half is a child's good or bad day, not a trend.
inline constexpr int TrendRightsEach = 3;
Trend periodTrend(const std::vector<FactAnswer>& history, const DaySpan& span);
// "faster", "slower", "same", or empty when there is not enough to say.
QString trendWord(const Trend& trend);
// "Answers got faster this week: 4.1 s → 3.2 s."; a sentence for every case.
QString trendSentence(const Trend& trend);

// The median time of the right answers in a history; none without one.
std::optional<qint64> medianRightMs(const std::vector<FactAnswer>& history);

// "1 answer", "3 answers": `text` is marked QT_TRANSLATE_N_NOOP("Counts", "%Ln answer(s)") and
// each translation holds the forms of its language; English, shown without a translation
// file, takes "answer" or "answers" here ("(s)", and "(ren)" for children).
QString counted(qint64 count, const char* text);

// One day (or week) of the progress chart: none of either is left out, so that the chart's
// gaps are the days nobody played.
struct DayProgress {
    QDate day; // the first of its days
    int answers = 0;
    int rights = 0;
    std::optional<qint64> medianRightMs;
    int days = 1; // 7 for a week
};

// Up to this many days from the first answer to the last are drawn day by day, longer week by
// week (from Monday).
inline constexpr int LongestDayByDay = 45;
// Every day (or week) from the first answer to the last, oldest first.
std::vector<DayProgress> dailyProgress(const std::vector<FactAnswer>& history);

// "missed", "known", ... as the legend and the screen reader say them.
QString statusWords(FactStatus status);
// What a cell shows: a child's median time of the right answers its colour is judged on, or
// for the class how many children keep missing the fact.
QString cellText(const FactStats& stats);
// "2.4": seconds with one decimal, as a cell shows them.
QString secondsText(qint64 ms);
// "7 times 8: known, median 2.4 seconds, 5 tries, 4 right, last five: right, wrong, ..."
QString factDescription(Fact fact, const FactStats& stats);

} // namespace quintarlow
