#pragma once

#include "core/fact.h"
#include "core/factstats.h"

#include <QDate>
#include <array>
#include <vector>

class QRandomGenerator;

namespace quintarlow {

struct DrawMemory;

// A child's learning path over the tables: where each fact stands, which facts the child
// learns now, and how a question is drawn on the path. Every number of the path lives here.

// How long a fact answered well stays away: its box's days. Each fluent day on or after its
// day moves it one box on, so the days keep growing (a Leitner system); a miss puts a fact that
// had been fluent back in the first box.
inline constexpr std::array ReviewDays = {1, 2, 3, 5, 8, 12, 17, 23, 30, 40, 50, 60};
// The box from which a fact counts as known: it has been answered right within the fluency
// time on more than one day, so it was recalled after a night's forgetting, not just repeated.
inline constexpr int KnownBox = 2;

enum class FactStage {
    New,      // never asked
    Learning, // asked, not yet fluent on two days, or missed since
    Known,    // fluent on two days or more, not missed since, and its review is not yet due
    Due,      // known, and its day of review has come
};

struct FactPlace {
    FactStage stage = FactStage::New;
    int box = 0;    // 0 before the first fluent day; then one more each fluent day on its day
    QDate due;      // the day it comes back; invalid until it is first answered fluently
    QDate lastSeen; // the day it was last asked
    bool wasKnown = false; // known on some day, even if missed since
    QDate firstKnown;      // the day it first became known
};

// Indexed [a - 1][b - 1].
using PathGrid = std::array<std::array<FactPlace, FactorCount>, FactorCount>;

// Every fact's place on `today` from a child's answers (oldest first). A right answer within
// fluencyGate(history, fluencyMs) moves the fact one box on when it comes on or after its due day,
// at most once a day (a second fluent answer the same day shows only that it is still fresh); a
// right but slow answer leaves it where it is; a wrong answer or a time-out puts it back in the
// first box, due the next day (before the first box when it was never fluent).
PathGrid pathGrid(const std::vector<FactAnswer>& history, qint64 fluencyMs, const QDate& today);

// The time within which a right answer is fluent for this child: `fluencyMs`, or OwnPaceTimes
// the child's own quick answers (the fastest fifth of their last OwnPaceAnswers right ones)
// when that is longer, so that a child who reads or clicks slowly still moves on.
qint64 fluencyGate(const std::vector<FactAnswer>& history, qint64 fluencyMs);
inline constexpr double OwnPaceTimes = 2.0;
inline constexpr int OwnPaceAnswers = 100;

// How many known facts to ask between two unknown ones so that the child answers about
// TargetShareRight of their questions right, judged from their last RecentAnswers answers:
// how often they got the facts right that are known now, and the others.
int knownsBetween(const std::vector<FactAnswer>& history, const PathGrid& grid);
inline constexpr double TargetShareRight = 0.8;
inline constexpr int RecentAnswers = 60;
inline constexpr int MostKnownsBetween = 6;

// The days the child has played since a fact last became known for the first time (every day
// they played while none has). From NarrowAfterDays of them on, the path learns only the fact
// nearest to known (a fluent day behind it, else the smallest product) and asks it after at
// most StalledKnownsBetween known ones, so that it comes back often enough within one game to
// be recalled the next day.
int daysWithoutNewKnown(const std::vector<FactAnswer>& history, const PathGrid& grid);
inline constexpr int NarrowAfterDays = 3;
inline constexpr int StalledKnownsBetween = 3;

// The path's sets, in order: one per table, holding the facts that table adds to the tables
// before it. The tables come in the order a teacher builds them up (1, 2, 5, 10; 3, 9, 4; 6, 8,
// 7, 11, 12), restricted to the chosen ones when a child practises chosen tables (empty: all).
std::vector<std::vector<Fact>> pathSets(const std::vector<int>& tables);

// What the child's questions are drawn from today. The sets are open up to the furthest one
// the child has been asked a fact of, and one more for as long as each fact of the newest open
// set has been known: the next set opens when the current one is known, and a fact of it
// missed since does not hold it back. The facts being learned are those of the open sets never
// known yet, the one asked longest ago first, then new ones in the set's order; at most
// UnknownsAtOnce. A fact known once and missed since is not learned again among them: it comes
// back for review the next day, with the known facts whose day has come (longest due first);
// without `today`, whichever day that is.
PathPlan pathPlan(const PathGrid& grid, const std::vector<int>& tables, const QDate& today = {});

// How many unknown facts a child learns at once, and how often a review goes to the fact due
// most recently (see learningpath.cpp for why).
inline constexpr int UnknownsAtOnce = 3;
inline constexpr int RecentReviewEvery = 3;

// One question on the path. Due facts are asked between the unknown ones, the plan's
// knownsBetween of them each time (then, when no due fact is left, the other known facts,
// soonest due first), each once a day: of every RecentReviewEvery reviews, the first
// is the fact due most recently and the others the ones due longest. The unknown facts take
// turns, and fill the game when no due fact is left to ask. With nothing left to learn, the
// other known facts follow the due ones, soonest due first, and once all are asked any of
// them again. Never the same fact twice in a row while there is another to ask.
Fact drawOnPath(const PathPlan& path, DrawMemory& memory, QRandomGenerator& random);

// The plan a game starts with for one child: their settings and time to answer; their missed
// facts and their path come later, from their answers (planFromAnswers).
PracticePlan startingPlan(const PracticeSettings& settings);
// Whether the plan needs the child's answers read.
bool needsAnswers(const PracticeSettings& settings);
// The whole plan, with the missed facts judged by `fluencyMs` and the path as on `today`.
PracticePlan planFromAnswers(const PracticeSettings& settings,
                             const std::vector<FactAnswer>& history, qint64 fluencyMs,
                             const QDate& today);

// Where a child stands on the path, as the progress window and the report tell a parent.
struct PathSummary {
    int known = 0; // known or due
    int learning = 0;
    int fresh = 0;         // never asked
    std::vector<Fact> due; // facts due for review today (known, or known once and missed since),
                           // longest due first
    int currentTable = 0;  // the table of the newest open set; 0 once every set is learned
    int nextTable = 0;     // the table that opens next; 0 when none is left
    std::vector<int> learnedThisWeek; // tables whose every fact became known in the last 7 days
};
PathSummary pathSummary(const std::vector<FactAnswer>& history, qint64 fluencyMs,
                        const QDate& today, const std::vector<int>& tables);
// "Maya knows 41 of 144 facts; this week Maya learned the 5s; to practise again today: 7 × 8, 6 ×
// 7" (at most five due facts named, then how many more).
QString parentLine(const QString& name, const PathSummary& summary);
// "7 × 8, 6 × 7": at most `most` facts named, then how many more.
QString factsText(const std::vector<Fact>& facts, int most);

} // namespace quintarlow
