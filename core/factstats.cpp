#include "core/factstats.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <limits>
#include <map>
#include <span>
#include <tuple>

namespace quintarlow {

// The words of the Practice Record's grid, lists and sentences, for the window and the reports.
struct FactWords {
    Q_DECLARE_TR_FUNCTIONS(quintarlow::FactWords)
};

namespace {

bool inGrid(int a, int b) {
    return a >= 1 && a <= FactorCount && b >= 1 && b <= FactorCount;
}

// The middle of the times; the mean of the two middle ones for an even count.
std::optional<qint64> median(std::vector<qint64>& ms) {
    if (ms.empty())
        return std::nullopt;
    const auto middle = ms.begin() + static_cast<std::ptrdiff_t>(ms.size() / 2);
    std::nth_element(ms.begin(), middle, ms.end());
    if (ms.size() % 2 == 1)
        return *middle;
    const qint64 below = *std::max_element(ms.begin(), middle);
    return (below + *middle) / 2;
}

// What one fact's answers add up to while the history is read.
struct Tally {
    int tries = 0;
    int rights = 0;
    std::vector<FactAnswer> lastFive; // oldest first

    // An answer before the span still tells where the child stands, but is not counted in it.
    void add(const FactAnswer& answer, bool counted = true) {
        tries += counted;
        rights += counted && answer.outcome == Outcome::Right;
        if (lastFive.size() == 5)
            lastFive.erase(lastFive.begin());
        lastFive.push_back(answer);
    }

    FactStats stats(qint64 fluencyMs) {
        FactStats stats;
        stats.tries = tries;
        stats.rights = rights;
        for (const FactAnswer& answer : lastFive)
            stats.lastFive.push_back(answer.outcome);
        if (lastFive.empty())
            return stats;
        int recentRights = 0;
        int recentMisses = 0;
        bool recentRightsFluent = true;
        // The cell's time is of the same answers as its colour: a child who has become quick
        // is not shown last term's times.
        std::vector<qint64> recentMs;
        const auto lastThree = lastFive.end() - std::min<std::ptrdiff_t>(3, lastFive.size());
        for (auto it = lastThree; it != lastFive.end(); ++it) {
            if (it->outcome == Outcome::Right) {
                ++recentRights;
                recentMs.push_back(it->ms);
                recentRightsFluent = recentRightsFluent && it->ms <= fluencyMs;
            } else {
                ++recentMisses;
            }
        }
        stats.medianRightMs = median(recentMs);
        if (recentRights >= 2 && recentRightsFluent)
            stats.status = FactStatus::Known;
        else if (recentMisses > recentRights)
            stats.status = FactStatus::Missed;
        else
            stats.status = FactStatus::Slow;
        return stats;
    }
};

// The tries a fact's colour is judged on: its last three, or fewer.
std::span<const Outcome> judgedTries(const FactStats& stats) {
    const std::span<const Outcome> lastFive(stats.lastFive);
    return lastFive.last(std::min<std::size_t>(3, lastFive.size()));
}

int missesOf(const FactStats& stats) {
    return static_cast<int>(
        std::ranges::count_if(judgedTries(stats), [](Outcome o) { return o != Outcome::Right; }));
}

QString practiseText(Fact fact, const FactStats& stats) {
    const QString product = QLocale().toString(fact.a * fact.b);
    const int shown = static_cast<int>(judgedTries(stats).size());
    const int misses = missesOf(stats);
    const auto sentence = [&](const char* text) {
        return FactWords::tr(text).arg(fact.a).arg(fact.b).arg(product);
    };
    if (shown == 1)
        return misses == 1
                   ? sentence(QT_TRANSLATE_NOOP("quintarlow::FactWords",
                                                "%1 × %2 = %3: missed its only try"))
                   : sentence(QT_TRANSLATE_NOOP("quintarlow::FactWords",
                                                "%1 × %2 = %3: right once so far, in %4 seconds"))
                         .arg(secondsText(stats.medianRightMs.value_or(0)));
    if (misses > 0)
        return sentence(QT_TRANSLATE_NOOP("quintarlow::FactWords",
                                          "%1 × %2 = %3: missed %4 of the last %5"))
            .arg(misses)
            .arg(shown);
    if (stats.medianRightMs)
        return sentence(QT_TRANSLATE_NOOP(
                            "quintarlow::FactWords",
                            "%1 × %2 = %3: right %4 of the last %4, usually in %5 seconds"))
            .arg(shown)
            .arg(secondsText(*stats.medianRightMs));
    return sentence(
               QT_TRANSLATE_NOOP("quintarlow::FactWords", "%1 × %2 = %3: right %4 of the last %4"))
        .arg(shown);
}

QString outcomeWord(Outcome outcome) {
    switch (outcome) {
    case Outcome::Right:
        return FactWords::tr("right", "a try");
    case Outcome::Wrong:
        return FactWords::tr("wrong", "a try");
    case Outcome::Timeout:
        return FactWords::tr("timed out", "a try");
    }
    return {};
}

} // namespace

FactStats factStats(const std::vector<FactAnswer>& history, Fact fact, qint64 fluencyMs) {
    Tally tally;
    for (const FactAnswer& answer : history)
        if (answer.a == fact.a && answer.b == fact.b)
            tally.add(answer);
    return tally.stats(fluencyMs);
}

FactGrid factGrid(const std::vector<FactAnswer>& history, qint64 fluencyMs) {
    return factGrid(history, fluencyMs, DaySpan{});
}

FactGrid factGrid(const std::vector<FactAnswer>& history, qint64 fluencyMs, const DaySpan& span) {
    std::array<std::array<Tally, FactorCount>, FactorCount> tallies;
    for (const FactAnswer& answer : history)
        if (inGrid(answer.a, answer.b) && (!span.to.isValid() || answer.day <= span.to))
            tallies[answer.a - 1][answer.b - 1].add(answer, span.holds(answer.day));
    FactGrid grid;
    for (int a = 0; a < FactorCount; ++a)
        for (int b = 0; b < FactorCount; ++b)
            grid[a][b] = tallies[a][b].stats(fluencyMs);
    return grid;
}

std::vector<FactToPractise> factsToPractise(const std::vector<FactAnswer>& history,
                                            qint64 fluencyMs, int count) {
    return factsToPractise(factGrid(history, fluencyMs), count);
}

// Weakest first means, in this order of precedence, judged on the same last three tries as the
// colours, so that a red fact never follows a yellow one:
//  1. missed facts before right-but-slow ones (known and unasked facts are never listed);
//  2. more misses among the last three tries first;
//  3. a larger share of those tries missed first (1 of 1 before 1 of 2);
//  4. the slower median right answer first, a fact never answered right slowest of all;
//  5. grid order (first factor, then second), so equal facts always come out the same way.
std::vector<FactToPractise> factsToPractise(const FactGrid& grid, int count) {
    struct Candidate {
        Fact fact;
        const FactStats* stats;
    };
    std::vector<Candidate> candidates;
    for (int a = 1; a <= FactorCount; ++a)
        for (int b = 1; b <= FactorCount; ++b) {
            const FactStats& stats = grid[a - 1][b - 1];
            if (stats.status == FactStatus::Missed || stats.status == FactStatus::Slow)
                candidates.push_back({{a, b}, &stats});
        }
    const auto weakness = [](const Candidate& c) {
        const FactStats& s = *c.stats;
        const int misses = missesOf(s);
        const auto shown = static_cast<qint64>(judgedTries(s).size());
        // The share compares as misses / shown without rounding: scaled by the common 6.
        const qint64 share = misses * (6 / shown);
        const qint64 slowness = s.medianRightMs.value_or(std::numeric_limits<qint64>::max());
        return std::tuple(s.status == FactStatus::Missed, misses, share, slowness, -c.fact.a,
                          -c.fact.b);
    };
    std::sort(candidates.begin(), candidates.end(),
              [&](const Candidate& x, const Candidate& y) { return weakness(x) > weakness(y); });
    std::vector<FactToPractise> facts;
    for (const Candidate& c : candidates) {
        if (static_cast<int>(facts.size()) >= count)
            break;
        facts.push_back({c.fact, practiseText(c.fact, *c.stats)});
    }
    return facts;
}

std::vector<DayProgress> dailyProgress(const std::vector<FactAnswer>& history) {
    struct Day {
        int answers = 0;
        std::vector<qint64> rightMs;
    };
    std::map<QDate, Day> byDay;
    Day* day = nullptr;
    QDate current;
    for (const FactAnswer& answer : history) {
        // Histories come oldest first, so the day mostly stays the same from one to the next.
        if (!day || answer.day != current) {
            current = answer.day;
            day = &byDay[current];
        }
        ++day->answers;
        if (answer.outcome == Outcome::Right)
            day->rightMs.push_back(answer.ms);
    }
    std::vector<DayProgress> progress;
    if (byDay.empty())
        return progress;
    const QDate first = byDay.begin()->first;
    const QDate last = byDay.rbegin()->first;
    const int step = first.daysTo(last) < LongestDayByDay ? 1 : 7;
    auto next = byDay.begin();
    for (QDate from = step == 1 ? first : first.addDays(1 - first.dayOfWeek()); from <= last;
         from = from.addDays(step)) {
        DayProgress bar{from, 0, 0, {}, step};
        std::vector<qint64> rightMs;
        for (; next != byDay.end() && next->first < from.addDays(step); ++next) {
            bar.answers += next->second.answers;
            rightMs.insert(rightMs.end(), next->second.rightMs.begin(), next->second.rightMs.end());
        }
        bar.rights = static_cast<int>(rightMs.size());
        bar.medianRightMs = median(rightMs);
        progress.push_back(bar);
    }
    return progress;
}

QString statusWords(FactStatus status) {
    switch (status) {
    case FactStatus::NotAsked:
        return FactWords::tr("not asked yet", "a fact");
    case FactStatus::Known:
        return FactWords::tr("known", "a fact");
    case FactStatus::Slow:
        return FactWords::tr("right but slow", "a fact");
    case FactStatus::Missed:
        return FactWords::tr("missed", "a fact");
    }
    return {};
}

QString cellText(const FactStats& stats) {
    if (stats.children.asked() > 0)
        return stats.children.missing > 0 ? QString::number(stats.children.missing) : QString();
    return stats.medianRightMs ? secondsText(*stats.medianRightMs) : QString();
}

QString secondsText(qint64 ms) {
    return QLocale().toString(static_cast<double>(ms) / 1000.0, 'f', 1);
}

QString factDescription(Fact fact, const FactStats& stats) {
    // Read out item by item, so each item is a phrase of its own, joined as a list.
    QStringList items{
        FactWords::tr("%1 times %2: %3").arg(fact.a).arg(fact.b).arg(statusWords(stats.status))};
    if (stats.tries == 0)
        return items.front();
    const QString tries =
        counted(stats.tries, stats.tries == 1 ? QT_TRANSLATE_N_NOOP("Counts", "%Ln try")
                                              : QT_TRANSLATE_N_NOOP("Counts", "%Ln tries"));
    const QString rights = FactWords::tr("%L1 right", "tries").arg(stats.rights);
    if (const ChildCounts& c = stats.children; c.asked() > 0) {
        QString text =
            FactWords::tr("%1; children: %2, %3, %4; %5, %6")
                .arg(items.front(),
                     counted(c.know, c.know == 1 ? QT_TRANSLATE_N_NOOP("Counts", "%Ln knows it")
                                                 : QT_TRANSLATE_N_NOOP("Counts", "%Ln know it")),
                     counted(c.learning, QT_TRANSLATE_N_NOOP("Counts", "%Ln learning it")),
                     counted(c.missing, c.missing == 1
                                            ? QT_TRANSLATE_N_NOOP("Counts", "%Ln keeps missing it")
                                            : QT_TRANSLATE_N_NOOP("Counts", "%Ln keep missing it")),
                     tries, rights);
        if (!c.missingNames.isEmpty())
            text +=
                FactWords::tr("; missing it: %1").arg(c.missingNames.join(QStringLiteral(", ")));
        return text;
    }
    if (stats.medianRightMs)
        items.append(
            FactWords::tr("usually answered in %1 seconds").arg(secondsText(*stats.medianRightMs)));
    QStringList words;
    for (Outcome outcome : stats.lastFive)
        words.append(outcomeWord(outcome));
    items << tries << rights
          << FactWords::tr("last %L1: %2")
                 .arg(stats.lastFive.size())
                 .arg(words.join(QStringLiteral(", ")));
    return items.join(QStringLiteral(", "));
}

} // namespace quintarlow

namespace quintarlow {

FactGrid classGrid(const std::vector<FactGrid>& children, const QStringList& names) {
    FactGrid grid{};
    for (std::size_t index = 0; index < children.size(); ++index) {
        const FactGrid& child = children[index];
        for (int a = 0; a < FactorCount; ++a)
            for (int b = 0; b < FactorCount; ++b) {
                const FactStats& own = child[a][b];
                FactStats& cell = grid[a][b];
                cell.tries += own.tries;
                cell.rights += own.rights;
                switch (own.status) {
                case FactStatus::Known:
                    ++cell.children.know;
                    break;
                case FactStatus::Slow:
                    ++cell.children.learning;
                    break;
                case FactStatus::Missed:
                    ++cell.children.missing;
                    if (qsizetype(index) < names.size())
                        cell.children.missingNames.append(names[qsizetype(index)]);
                    break;
                case FactStatus::NotAsked:
                    break;
                }
            }
    }
    for (auto& row : grid)
        for (FactStats& cell : row) {
            const ChildCounts& c = cell.children;
            if (c.asked() == 0)
                cell.status = FactStatus::NotAsked;
            else if (c.missing >= c.know && c.missing >= c.learning)
                cell.status = FactStatus::Missed;
            else if (c.learning >= c.know)
                cell.status = FactStatus::Slow;
            else
                cell.status = FactStatus::Known;
        }
    return grid;
}

namespace {
// "Ann, Ben, Cat and 2 more": enough to act on, short enough for a line.
QString namedFew(const QStringList& names) {
    constexpr int Named = 4;
    if (names.size() <= Named)
        return names.join(QStringLiteral(", "));
    return FactWords::tr("%1 and %L2 more")
        .arg(names.first(Named).join(QStringLiteral(", ")))
        .arg(names.size() - Named);
}
} // namespace

std::vector<FactToPractise> factsMostMissed(const FactGrid& grid, int count) {
    std::vector<Fact> candidates;
    for (int a = 1; a <= FactorCount; ++a)
        for (int b = 1; b <= FactorCount; ++b)
            if (const ChildCounts& c = grid[a - 1][b - 1].children; c.missing + c.learning > 0)
                candidates.push_back({a, b});
    const auto weakness = [&grid](Fact f) {
        const ChildCounts& c = grid[f.a - 1][f.b - 1].children;
        return std::tuple(c.missing, c.learning, -f.a, -f.b);
    };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](Fact x, Fact y) { return weakness(x) > weakness(y); });
    std::vector<FactToPractise> facts;
    for (Fact f : candidates) {
        if (std::ssize(facts) >= count)
            break;
        const ChildCounts& c = grid[f.a - 1][f.b - 1].children;
        // The verb agrees with the first count and the noun with the second: English has a
        // text for each case, other languages their forms of the count of children.
        const int some = c.missing > 0 ? c.missing : c.learning;
        const bool one = some == 1;
        const char* sentence =
            c.missing > 0
                ? (one ? QT_TRANSLATE_N_NOOP("Counts", "%1 × %2 = %3: %4 of %Ln child(ren) keeps "
                                                       "missing it")
                       : QT_TRANSLATE_N_NOOP("Counts", "%1 × %2 = %3: %4 of %Ln child(ren) keep "
                                                       "missing it"))
                : (one ? QT_TRANSLATE_N_NOOP("Counts", "%1 × %2 = %3: %4 of %Ln child(ren) is "
                                                       "still learning it")
                       : QT_TRANSLATE_N_NOOP("Counts", "%1 × %2 = %3: %4 of %Ln child(ren) are "
                                                       "still learning it"));
        QString text = counted(c.asked(), sentence)
                           .arg(f.a)
                           .arg(f.b)
                           .arg(QLocale().toString(f.a * f.b), QLocale().toString(some));
        if (c.missing > 0 && !c.missingNames.isEmpty())
            text = FactWords::tr("%1: %2", "a fact and who misses it")
                       .arg(text, namedFew(c.missingNames));
        facts.push_back({f, text});
    }
    return facts;
}

namespace {
int factsShowing(const FactGrid& grid, FactStatus status) {
    int count = 0;
    for (const auto& row : grid)
        for (const FactStats& cell : row)
            count += cell.status == status;
    return count;
}
} // namespace

int missedFacts(const FactGrid& grid) {
    return factsShowing(grid, FactStatus::Missed);
}

int knownFacts(const FactGrid& grid) {
    return factsShowing(grid, FactStatus::Known);
}

std::vector<FactAnswer> answersIn(const std::vector<FactAnswer>& history, const DaySpan& span) {
    if (!span.from.isValid() && !span.to.isValid())
        return history;
    std::vector<FactAnswer> kept;
    std::copy_if(history.begin(), history.end(), std::back_inserter(kept),
                 [&span](const FactAnswer& answer) { return span.holds(answer.day); });
    return kept;
}

DaySpan periodSpan(Period period, QDate today, QDate termStart) {
    const QDate schoolYear(today.month() >= 9 ? today.year() : today.year() - 1, 9, 1);
    switch (period) {
    case Period::ThisWeek:
        return {today.addDays(1 - today.dayOfWeek()), today, FactWords::tr("this week")};
    case Period::Last30Days:
        return {today.addDays(-29), today, FactWords::tr("in the last 30 days")};
    case Period::ThisTerm:
        // A start set for a term yet to come, or last year's, is not this term's.
        return {termStart.isValid() && termStart <= today && termStart >= schoolYear ? termStart
                                                                                     : schoolYear,
                today, FactWords::tr("this term")};
    case Period::SchoolYear:
        return {schoolYear, today, FactWords::tr("this school year")};
    case Period::All:
        break;
    }
    return {{}, {}, FactWords::tr("since the first game")};
}

DaySpan daysBetween(QDate from, QDate to) {
    const QLocale locale;
    // The day's order and the month's name as the language writes a date; English keeps its
    // "2 March 2027".
    const QString withYear = FactWords::tr("d MMMM yyyy", "a date's format");
    const QString last = locale.toString(to, withYear);
    if (from == to)
        return {from, to, FactWords::tr("on %1", "a day").arg(last)};
    return {from, to,
            FactWords::tr("from %1 to %2")
                .arg(locale.toString(from, from.year() == to.year()
                                               ? FactWords::tr("d MMMM", "a date's format")
                                               : withYear),
                     last)};
}

QString periodName(Period period) {
    return period == Period::All ? FactWords::tr("all", "answers")
                                 : periodSpan(period, QDate(2000, 1, 1)).words;
}

double Trend::change() const {
    if (!earlierMs || !laterMs || *earlierMs <= 0)
        return 0;
    return static_cast<double>(*laterMs - *earlierMs) / static_cast<double>(*earlierMs);
}

Trend periodTrend(const std::vector<FactAnswer>& history, const DaySpan& span) {
    // The halves are of the days played within the span: a child who began in December is
    // compared with their own start, not with the empty autumn.
    QDate first;
    QDate last;
    for (const FactAnswer& answer : history)
        if (span.holds(answer.day)) {
            if (!first.isValid() || answer.day < first)
                first = answer.day;
            last = std::max(last, answer.day);
        }
    Trend trend{{}, {}, span.words};
    if (!first.isValid() || first >= last)
        return trend; // one day has no halves
    const QDate secondHalf = first.addDays((first.daysTo(last) + 1) / 2);
    std::vector<qint64> earlier;
    std::vector<qint64> later;
    for (const FactAnswer& answer : history)
        if (answer.outcome == Outcome::Right && answer.day >= first && answer.day <= last)
            (answer.day < secondHalf ? earlier : later).push_back(answer.ms);
    if (std::ssize(earlier) >= TrendRightsEach && std::ssize(later) >= TrendRightsEach) {
        trend.earlierMs = median(earlier);
        trend.laterMs = median(later);
    }
    return trend;
}

namespace {
// A change of less than a tenth is the day-to-day wobble of a child's times.
constexpr double SameWithin = 0.1;
} // namespace

QString trendWord(const Trend& trend) {
    if (!trend.earlierMs || !trend.laterMs)
        return {};
    const double change = trend.change();
    if (change <= -SameWithin)
        return FactWords::tr("faster", "answers");
    if (change >= SameWithin)
        return FactWords::tr("slower", "answers");
    return FactWords::tr("same", "answers' speed");
}

QString trendSentence(const Trend& trend) {
    if (!trend.earlierMs || !trend.laterMs)
        return FactWords::tr("Too few right answers %1 to say whether answers get faster.")
            .arg(trend.words);
    const QString earlier = secondsText(*trend.earlierMs);
    const QString later = secondsText(*trend.laterMs);
    const double change = trend.change();
    const QString sentence =
        change <= -SameWithin  ? FactWords::tr("Answers got faster %1: %2 s → %3 s.")
        : change >= SameWithin ? FactWords::tr("Answers got slower %1: %2 s → %3 s.")
                               : FactWords::tr("Answers stayed about as fast %1: %2 s → %3 s.");
    return sentence.arg(trend.words, earlier, later);
}

std::optional<qint64> medianRightMs(const std::vector<FactAnswer>& history) {
    std::vector<qint64> rightMs;
    for (const FactAnswer& answer : history)
        if (answer.outcome == Outcome::Right)
            rightMs.push_back(answer.ms);
    return median(rightMs);
}

QString counted(qint64 count, const char* text) {
    const bool one = count == 1;
    return QCoreApplication::translate("Counts", text, nullptr, static_cast<int>(count))
        .replace(QLatin1String("(s)"), one ? QString() : QStringLiteral("s"))
        .replace(QLatin1String("(ren)"), one ? QString() : QStringLiteral("ren"));
}

} // namespace quintarlow
