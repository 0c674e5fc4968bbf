#include "core/learningpath.h"

#include "core/practicetext.h"
#include "core/questiondraw.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace quintarlow {

// Why the numbers in learningpath.h are what they are:
// - ReviewDays 1, 2, 3, 5, 8, 12, 17, 23, 30, 40, 50, 60: reviews spread over growing gaps keep
//   about twice as much weeks later as the same practice in one sitting, and more practice
//   within one sitting adds little (Rohrer and Taylor 2006). The gaps keep growing, since a
//   child who knows most facts cannot review each of them every week in ten questions a day,
//   but by about half again each time rather than doubling: in the simulated class's memory
//   (docs/learning.md), a fact practised on days 0, 2, 4, 8, 16 ... 128 is recalled less often
//   at each review from day 16 on (0.32, then down to 0.24), while one practised on days 0, 1,
//   2, 4, 6, 9, 13, 18, 24, 31, 40 ... is recalled with 0.55 to 0.64 from day 9 on.
// - A miss puts a fact that had been fluent back in the first box, not before it: one slip of a
//   fact known for weeks is more often a bad moment than a lost fact, and it comes back the next
//   day among the reviews, not among the facts being learned. Sent back to learn again, such
//   facts took most of the learning places from new facts: in the simulated class a third of all
//   questions went to them, and fewer than half of the children knew every fact after 500
//   school days; with this rule the median child knew them all after about 220.
// - RecentReviewEvery 3: the reviews go to the facts waiting longest, which the simulated class
//   kept best and which leaves none forgotten for good, except one in three, the fact due most
//   recently, which is still likely recalled.
// - KnownBox 2: known means answered right within the fluency time on more than one day; one
//   fluent day can be the fresh memory of that very game.
// - TargetShareRight 0.8: drill with most items known keeps children at it and retains best
//   between 70 and 90 % known (Burns 2004; Burns and Dean 2005), and a miss costs a child a
//   wait. With one known fact between two unknown ones, half the answers were wrong. The known
//   facts asked to make up the share, when no due one is left, are those due soonest: the
//   least fresh of them. In the simulated class (docs/learning.md) a target of 0.7 kept more a
//   month later, but fewer than three answers in four were right and a fact called known was
//   recalled a month later less often than four times in five.
// - UnknownsAtOnce 3: incremental rehearsal teaches a few unknown facts at a time (Burns and
//   colleagues); with about three known facts between two unknown ones a game holds two or
//   three unknown questions, and three facts keeps each coming back daily. With six, the
//   children of the simulated class went longer without a new known fact and kept no more.
// - NarrowAfterDays 3, StalledKnownsBetween 3: a slow child whose facts being learned each
//   came up once a day or every other day missed them every morning for weeks (in the
//   simulated class, 16 school days without a new known fact for the median child, 31 for the
//   longest). One fact asked two to four times a game, between known ones, is recalled the
//   next day sooner. Of equals the smallest product, the same fact from day to day (taking
//   the one asked longest ago, two facts took turns; in the simulated class it made no
//   difference).
//   Fewer knowns between, or none, ended stalls a few days sooner but crammed facts that were
//   then forgotten: under four in five facts called known were recalled a month later.
// - OwnPaceTimes 2: a child who reads or clicks slowly answers even their surest facts in 4 or
//   5 s; held to a fixed 3 s (or 6 s) such a child never moved on. Twice their own quick time
//   asks of every child the same fluency relative to their pace.

namespace {

constexpr int HighestBox = static_cast<int>(ReviewDays.size());

// The order a teacher builds the tables up in: the easy ones first, then those that lean on
// them (3 = 2 + 1, 9 = 10 - 1, 4 = 2 x 2), then the rest.
constexpr std::array<int, FactorCount> StrategyOrder = {1, 2, 5, 10, 3, 9, 4, 6, 8, 7, 11, 12};

FactPlace& placeOf(PathGrid& grid, const Fact& fact) {
    return grid[fact.a - 1][fact.b - 1];
}
const FactPlace& placeOf(const PathGrid& grid, const Fact& fact) {
    return grid[fact.a - 1][fact.b - 1];
}

bool onTheBoard(int a, int b) {
    return a >= 1 && a <= FactorCount && b >= 1 && b <= FactorCount;
}

// How well a question suits the child's board, best first: 0 it can win a square the child
// does not hold, 1 a held square's, 2 the product just asked again (7 x 1 after 1 x 7 teaches
// little and gains nothing), 3 the very question just asked.
int boardRank(const Fact& fact, const DrawMemory& memory) {
    if (fact == memory.previous)
        return 3;
    const int product = fact.a * fact.b;
    if (memory.previous && memory.previous->a * memory.previous->b == product)
        return 2;
    return std::find(memory.heldProducts.begin(), memory.heldProducts.end(), product) !=
           memory.heldProducts.end();
}

// Of `facts` (not empty), those that suit the board best.
std::vector<Fact> bestForBoard(const std::vector<Fact>& facts, const DrawMemory& memory) {
    int best = 3;
    for (const Fact& fact : facts)
        best = std::min(best, boardRank(fact, memory));
    std::vector<Fact> choice;
    std::copy_if(facts.begin(), facts.end(), std::back_inserter(choice),
                 [&](const Fact& fact) { return boardRank(fact, memory) == best; });
    return choice;
}

} // namespace

qint64 fluencyGate(const std::vector<FactAnswer>& history, qint64 fluencyMs) {
    std::vector<qint64> rightMs;
    for (auto answer = history.rbegin();
         answer != history.rend() && rightMs.size() < std::size_t(OwnPaceAnswers); ++answer)
        if (answer->outcome == Outcome::Right)
            rightMs.push_back(answer->ms);
    if (rightMs.empty())
        return fluencyMs;
    const auto quick = rightMs.begin() + std::ptrdiff_t(rightMs.size() / 5);
    std::nth_element(rightMs.begin(), quick, rightMs.end());
    return std::max(fluencyMs, qint64(OwnPaceTimes * double(*quick)));
}

PathGrid pathGrid(const std::vector<FactAnswer>& history, qint64 chosenFluencyMs,
                  const QDate& today) {
    const qint64 fluencyMs = fluencyGate(history, chosenFluencyMs);
    PathGrid grid;
    for (const FactAnswer& answer : history) {
        if (!onTheBoard(answer.a, answer.b))
            continue;
        FactPlace& place = placeOf(grid, {answer.a, answer.b});
        place.lastSeen = answer.day;
        if (answer.outcome != Outcome::Right) {
            place.box = std::min(place.box, 1);
            place.due = answer.day.addDays(place.box == 0 ? 0 : ReviewDays[0]);
        } else if (answer.ms <= fluencyMs && (!place.due.isValid() || answer.day >= place.due)) {
            place.box = std::min(place.box + 1, HighestBox);
            place.due = answer.day.addDays(ReviewDays[place.box - 1]);
            if (!place.wasKnown && place.box >= KnownBox)
                place.firstKnown = answer.day;
            place.wasKnown = place.wasKnown || place.box >= KnownBox;
        }
        place.stage = FactStage::Learning;
    }
    for (auto& row : grid)
        for (FactPlace& place : row)
            if (place.box >= KnownBox)
                place.stage = place.due <= today ? FactStage::Due : FactStage::Known;
    return grid;
}

int knownsBetween(const std::vector<FactAnswer>& history, const PathGrid& grid) {
    // Before the answers say otherwise: a known fact is mostly right, a new one mostly missed.
    double knownRight = 0.9, knownAsked = 1, otherRight = 0.3, otherAsked = 1;
    const std::size_t recent = std::min(history.size(), std::size_t(RecentAnswers));
    for (auto answer = history.end() - std::ptrdiff_t(recent); answer != history.end(); ++answer) {
        if (!onTheBoard(answer->a, answer->b))
            continue;
        const bool right = answer->outcome == Outcome::Right;
        if (placeOf(grid, {answer->a, answer->b}).box >= KnownBox) {
            knownRight += right;
            ++knownAsked;
        } else {
            otherRight += right;
            ++otherAsked;
        }
    }
    const double known = knownRight / knownAsked, other = otherRight / otherAsked;
    if (known <= TargetShareRight)
        return MostKnownsBetween;
    // k known at `known` and one other at `other` average the target when
    // k = (target - other) / (known - target).
    const double wanted = std::ceil((TargetShareRight - other) / (known - TargetShareRight));
    return std::clamp(int(wanted), 1, MostKnownsBetween);
}

int daysWithoutNewKnown(const std::vector<FactAnswer>& history, const PathGrid& grid) {
    QDate lastNew;
    for (const auto& row : grid)
        for (const FactPlace& place : row)
            if (place.firstKnown.isValid() && (!lastNew.isValid() || place.firstKnown > lastNew))
                lastNew = place.firstKnown;
    std::set<QDate> days;
    for (const FactAnswer& answer : history)
        if (!lastNew.isValid() || answer.day > lastNew)
            days.insert(answer.day);
    return int(days.size());
}

std::vector<std::vector<Fact>> pathSets(const std::vector<int>& tables) {
    std::vector<int> order;
    std::copy_if(
        StrategyOrder.begin(), StrategyOrder.end(), std::back_inserter(order), [&](int table) {
            return tables.empty() || std::find(tables.begin(), tables.end(), table) != tables.end();
        });
    std::vector<std::vector<Fact>> sets;
    std::vector<int> earlier;
    for (int table : order) {
        std::vector<Fact> set;
        for (int other = 1; other <= FactorCount; ++other) {
            if (std::find(earlier.begin(), earlier.end(), other) != earlier.end())
                continue;
            set.push_back({table, other});
            if (other != table)
                set.push_back({other, table});
        }
        sets.push_back(std::move(set));
        earlier.push_back(table);
    }
    return sets;
}

PathPlan pathPlan(const PathGrid& grid, const std::vector<int>& tables, const QDate& today) {
    const auto sets = pathSets(tables);
    std::size_t open = 0; // the sets open are those before this one
    for (std::size_t set = 0; set < sets.size(); ++set)
        if (std::any_of(sets[set].begin(), sets[set].end(), [&](const Fact& fact) {
                return placeOf(grid, fact).stage != FactStage::New;
            }))
            open = set + 1;
    // A fact missed again is learned again first, but does not close what the child has
    // reached: with a few slips a day, a set whose facts must all be known at once may never be.
    const auto setKnown = [&](const std::vector<Fact>& set) {
        return std::all_of(set.begin(), set.end(),
                           [&](const Fact& fact) { return placeOf(grid, fact).wasKnown; });
    };
    while (open < sets.size() && (open == 0 || setKnown(sets[open - 1])))
        ++open;

    PathPlan plan;
    std::vector<Fact> fresh;
    // Longest due first; of the others, the soonest due first: the nearest to being forgotten.
    std::multimap<QDate, Fact> due, known;
    for (std::size_t set = 0; set < open; ++set)
        for (const Fact& fact : sets[set]) {
            const FactPlace& place = placeOf(grid, fact);
            switch (place.stage) {
            case FactStage::New:
                fresh.push_back(fact);
                break;
            case FactStage::Learning:
                if (place.wasKnown) {
                    if (!today.isValid() || place.due <= today)
                        due.emplace(place.due, fact);
                } else {
                    plan.unknowns.push_back(fact);
                }
                break;
            case FactStage::Due:
                due.emplace(place.due, fact);
                break;
            case FactStage::Known:
                known.emplace(place.due, fact);
                break;
            }
        }
    // The missed fact asked longest ago first: the unknown facts' questions spread over days.
    std::stable_sort(plan.unknowns.begin(), plan.unknowns.end(),
                     [&](const Fact& one, const Fact& other) {
                         return placeOf(grid, one).lastSeen < placeOf(grid, other).lastSeen;
                     });
    plan.unknowns.insert(plan.unknowns.end(), fresh.begin(), fresh.end());
    if (plan.unknowns.size() > std::size_t(UnknownsAtOnce))
        plan.unknowns.resize(UnknownsAtOnce);
    for (const auto& [day, fact] : due)
        plan.due.push_back(fact);
    for (const auto& [day, fact] : known)
        plan.known.push_back(fact);
    return plan;
}

Fact drawOnPath(const PathPlan& path, DrawMemory& memory, QRandomGenerator& random) {
    if (memory.reviewedOn != path.day) {
        memory.reviewed.clear();
        memory.reviewedOn = path.day;
    }
    // The first in order not asked today (nor just now) of those that suit the board best.
    const auto notYet = [&](const auto& begin, const auto& end) {
        std::vector<Fact> open;
        std::copy_if(begin, end, std::back_inserter(open), [&](const Fact& fact) {
            return fact != memory.previous &&
                   std::find(memory.reviewed.begin(), memory.reviewed.end(), fact) ==
                       memory.reviewed.end();
        });
        return open.empty() ? std::nullopt
                            : std::optional<Fact>(bestForBoard(open, memory).front());
    };
    const bool recent = memory.reviewed.size() % RecentReviewEvery == 0;
    std::optional<Fact> known = recent ? notYet(path.due.rbegin(), path.due.rend())
                                       : notYet(path.due.begin(), path.due.end());
    const bool knownsWanted = memory.knownsSinceUnknown < path.knownsBetween;
    if (!known && (path.unknowns.empty() || knownsWanted))
        known = notYet(path.known.begin(), path.known.end());

    Fact question;
    if (!path.unknowns.empty() && (!knownsWanted || !known)) {
        // In turn, unless a later one suits the board better; one passed over keeps its turn.
        const std::size_t count = path.unknowns.size();
        const std::size_t turn = std::size_t(memory.nextUnknown) % count;
        std::size_t chosen = turn;
        for (std::size_t step = 1; step < count; ++step)
            if (boardRank(path.unknowns[(turn + step) % count], memory) <
                boardRank(path.unknowns[chosen], memory))
                chosen = (turn + step) % count;
        question = path.unknowns[chosen];
        memory.nextUnknown = int(chosen == turn ? turn + 1 : turn);
        memory.knownsSinceUnknown = 0;
    } else if (known) {
        question = *known;
        memory.reviewed.push_back(question);
        ++memory.knownsSinceUnknown;
    } else {
        // Nothing left to learn and every known fact asked once today: any of them again.
        std::vector<Fact> all = path.due;
        all.insert(all.end(), path.known.begin(), path.known.end());
        const std::vector<Fact> choice = bestForBoard(all, memory);
        question = choice[random.bounded(static_cast<quint32>(choice.size()))];
    }
    memory.previous = question;
    return question;
}

PracticePlan startingPlan(const PracticeSettings& settings) {
    PracticePlan plan;
    plan.settings = settings;
    plan.answerSeconds = std::clamp(settings.answerSeconds, AnswerSeconds, MostAnswerSeconds);
    return plan;
}

bool needsAnswers(const PracticeSettings& settings) {
    return settings.askMissed || settings.path;
}

PracticePlan planFromAnswers(const PracticeSettings& settings,
                             const std::vector<FactAnswer>& history, qint64 fluencyMs,
                             const QDate& today) {
    PracticePlan plan = startingPlan(settings);
    if (settings.askMissed)
        for (const FactToPractise& weak : factsToPractise(history, fluencyMs))
            plan.missed.push_back(weak.fact);
    if (settings.path) {
        const PathGrid grid = pathGrid(history, fluencyMs, today);
        plan.path = pathPlan(grid, settings.tables, today);
        plan.path.day = today;
        plan.path.knownsBetween = knownsBetween(history, grid);
        std::vector<Fact>& unknowns = plan.path.unknowns;
        if (!unknowns.empty() && daysWithoutNewKnown(history, grid) >= NarrowAfterDays) {
            const auto nearer = [&](const Fact& one, const Fact& other) {
                const int oneBox = placeOf(grid, one).box, otherBox = placeOf(grid, other).box;
                return oneBox != otherBox ? oneBox > otherBox
                                          : std::pair(one.a * one.b, one.a) <
                                                std::pair(other.a * other.b, other.a);
            };
            unknowns = {*std::min_element(unknowns.begin(), unknowns.end(), nearer)};
            plan.path.knownsBetween = std::min(plan.path.knownsBetween, StalledKnownsBetween);
        }
    }
    return plan;
}

PathSummary pathSummary(const std::vector<FactAnswer>& history, qint64 fluencyMs,
                        const QDate& today, const std::vector<int>& tables) {
    const PathGrid grid = pathGrid(history, fluencyMs, today);
    PathSummary summary;
    for (const auto& row : grid)
        for (const FactPlace& place : row) {
            summary.known += place.stage == FactStage::Known || place.stage == FactStage::Due;
            summary.learning += place.stage == FactStage::Learning;
            summary.fresh += place.stage == FactStage::New;
        }
    summary.due = pathPlan(grid, tables, today).due;

    const QDate weekAgo = today.addDays(-7);
    std::vector<FactAnswer> before;
    std::copy_if(history.begin(), history.end(), std::back_inserter(before),
                 [&](const FactAnswer& answer) { return answer.day < weekAgo; });
    const PathGrid then = pathGrid(before, fluencyMs, weekAgo);
    const auto learned = [](const PathGrid& places, const std::vector<Fact>& set) {
        return std::all_of(set.begin(), set.end(),
                           [&](const Fact& fact) { return placeOf(places, fact).wasKnown; });
    };
    std::vector<int> order;
    std::copy_if(
        StrategyOrder.begin(), StrategyOrder.end(), std::back_inserter(order), [&](int table) {
            return tables.empty() || std::find(tables.begin(), tables.end(), table) != tables.end();
        });
    const auto sets = pathSets(tables);
    for (std::size_t set = 0; set < sets.size(); ++set) {
        if (learned(grid, sets[set])) {
            if (!learned(then, sets[set]))
                summary.learnedThisWeek.push_back(order[set]);
        } else if (summary.currentTable == 0) {
            summary.currentTable = order[set];
            summary.nextTable = set + 1 < sets.size() ? order[set + 1] : 0;
        }
    }
    return summary;
}

// The lines a parent reads of a child on the path, each a whole sentence in every language.
struct PathWords {
    Q_DECLARE_TR_FUNCTIONS(quintarlow::PathWords)
};

QString parentLine(const QString& name, const PathSummary& summary) {
    constexpr int NamedDue = 5; // a line a parent reads at a glance
    const QString known = QString::number(summary.known);
    // One pass of arg: a name is data, and one holding "%2" must not take the count.
    if (summary.learnedThisWeek.empty() && summary.due.empty())
        return PathWords::tr("%1 knows %2 of 144 facts").arg(name, known);
    if (summary.due.empty())
        return PathWords::tr("%1 knows %2 of 144 facts; this week %1 learned %3")
            .arg(name, known, tablesWords(summary.learnedThisWeek));
    const QString due = factsText(summary.due, NamedDue);
    if (summary.learnedThisWeek.empty())
        return PathWords::tr("%1 knows %2 of 144 facts; to practise again today: %3")
            .arg(name, known, due);
    return PathWords::tr(
               "%1 knows %2 of 144 facts; this week %1 learned %3; to practise again today: %4")
        .arg(name, known, tablesWords(summary.learnedThisWeek), due);
}

QString factsText(const std::vector<Fact>& facts, int most) {
    QStringList named;
    for (std::size_t fact = 0; fact < facts.size() && fact < std::size_t(most); ++fact)
        named.append(QStringLiteral("%1 × %2").arg(facts[fact].a).arg(facts[fact].b));
    const QString list = named.join(QLatin1String(", "));
    if (facts.size() <= std::size_t(most))
        return list;
    return PathWords::tr("%1, and %n more", nullptr, int(facts.size()) - most).arg(list);
}

} // namespace quintarlow
