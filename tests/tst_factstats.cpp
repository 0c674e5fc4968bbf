#include "core/factstats.h"

#include <QTest>

using namespace quintarlow;

Q_DECLARE_METATYPE(DaySpan)

namespace {

// "R2400 W1800 T": right in 2.4 s, wrong after 1.8 s, timed out; all on one day.
std::vector<FactAnswer> answersTo(Fact fact, const QString& script) {
    std::vector<FactAnswer> answers;
    for (const QString& token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const Outcome outcome = token.startsWith(QLatin1Char('R'))   ? Outcome::Right
                                : token.startsWith(QLatin1Char('W')) ? Outcome::Wrong
                                                                     : Outcome::Timeout;
        const qint64 ms = outcome == Outcome::Timeout ? 20000 : token.mid(1).toLongLong();
        answers.push_back({fact.a, fact.b, outcome, ms, QDate(2026, 12, 1)});
    }
    return answers;
}

// Each day's answers to a fact, in the order given.
using Played = QList<std::tuple<QDate, Fact, const char*>>;
std::vector<FactAnswer> playedOn(const Played& played) {
    std::vector<FactAnswer> history;
    for (const auto& [day, fact, script] : played)
        for (FactAnswer answer : answersTo(fact, QString::fromLatin1(script))) {
            answer.day = day;
            history.push_back(answer);
        }
    return history;
}

QString outcomeLetters(const std::vector<Outcome>& outcomes) {
    QString letters;
    for (Outcome o : outcomes)
        letters += o == Outcome::Right   ? QLatin1Char('R')
                   : o == Outcome::Wrong ? QLatin1Char('W')
                                         : QLatin1Char('T');
    return letters;
}

} // namespace

// How a fact's answers become its colour, its median and the numbers the grid tells.
class FactStatsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cell_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("fluencyMs");
        QTest::addColumn<FactStatus>("status");
        QTest::addColumn<qint64>("medianMs"); // -1: none
        QTest::addColumn<QString>("lastFive");
        const auto row = [](const char* name, const char* script, int fluency, FactStatus status,
                            qint64 median, const char* lastFive) {
            QTest::newRow(name) << QString::fromLatin1(script) << fluency << status << median
                                << QString::fromLatin1(lastFive);
        };
        row("never asked", "", 6000, FactStatus::NotAsked, -1, "");
        row("one try, right and quick: not known yet", "R1000", 6000, FactStatus::Slow, 1000, "R");
        row("one try, wrong", "W3000", 6000, FactStatus::Missed, -1, "W");
        row("one try, timed out", "T", 6000, FactStatus::Missed, -1, "T");
        row("exactly 2 of 3 right, quick", "R1000 W2000 R2000", 6000, FactStatus::Known, 1500,
            "RWR");
        row("right exactly at the fluency time", "R6000 R6000", 6000, FactStatus::Known, 6000,
            "RR");
        row("2 of 3 right, one just over the fluency time", "R6000 W900 R6001", 6000,
            FactStatus::Slow, 6000, "RWR");
        row("every right slow", "R7000 R8000 R9000", 6000, FactStatus::Slow, 8000, "RRR");
        row("one right, one wrong: not more misses", "R1000 W1000", 6000, FactStatus::Slow, 1000,
            "RW");
        row("old misses no longer count", "W500 W500 W500 R1000 R1000 R1000", 6000,
            FactStatus::Known, 1000, "WWRRR");
        row("2 misses of the last 3 after knowing it", "R1000 R1000 R1000 W500 T R1000", 6000,
            FactStatus::Missed, 1000, "RRWTR");
        // The time is of the answers the colour is judged on: the last three, not all of them.
        row("median of the last three, an even count", "R9000 R1000 W100 R2000", 10000,
            FactStatus::Known, 1500, "RRWR");
        row("the same answers with 1.5 seconds to be fluent", "R9000 R1000 W100 R2000", 1500,
            FactStatus::Slow, 1500, "RRWR");
    }
    void cell() {
        QFETCH(QString, script);
        QFETCH(int, fluencyMs);
        const Fact fact{7, 8};
        // Answers to 8 x 7, wrong every time, lie between them: a separate fact.
        std::vector<FactAnswer> history;
        for (const FactAnswer& answer : answersTo(fact, script)) {
            history.push_back({8, 7, Outcome::Wrong, 100, answer.day});
            history.push_back(answer);
        }
        const FactStats stats = factStats(history, fact, fluencyMs);
        QTEST(stats.status, "status");
        QTEST(stats.medianRightMs.value_or(-1), "medianMs");
        QTEST(outcomeLetters(stats.lastFive), "lastFive");
        QCOMPARE(stats.tries,
                 static_cast<int>(script.split(QLatin1Char(' '), Qt::SkipEmptyParts).size()));
        QCOMPARE(stats.rights, static_cast<int>(script.count(QLatin1Char('R'))));
        // The whole grid reads the same answers the same way.
        const FactGrid grid = factGrid(history, fluencyMs);
        QCOMPARE(grid[6][7].status, stats.status);
        QCOMPARE(grid[6][7].medianRightMs, stats.medianRightMs);
        QCOMPARE(grid[7][6].status, script.isEmpty() ? FactStatus::NotAsked : FactStatus::Missed);
    }

    void weakestFirst() {
        const QDate day(2026, 12, 1);
        const auto history = playedOn({{day, {7, 8}, "R7000 R7000"},
                                       {day, {3, 3}, "R1000 R1000"},
                                       {day, {8, 7}, "R8000 R7000 R9000"},
                                       {day, {9, 9}, "W100"},
                                       {day, {12, 12}, "W100 R1000 R9000"},
                                       {day, {6, 7}, "T T"},
                                       {day, {4, 5}, "R9000 W100 W100 W100 R9000"},
                                       {day, {1, 2}, "R1000 W100 W100 W100 W100 W100"},
                                       {day, {2, 2}, "W100 W100 W100 W100 W100"},
                                       {day, {1, 1}, "W100 T"},
                                       {day, {5, 5}, "R1000 W100 R1000 R1000"},
                                       {day, {2, 3}, "W100 W100 R1000 W100"}});
        // Judged on the last three tries, as the colours are: none right among them, then grid
        // order; 4 × 5 missed 3 of its last 5 but only 2 of its last 3.
        const QStringList expected = {
            QStringLiteral("1 × 2 = 2: missed 3 of the last 3"),
            QStringLiteral("2 × 2 = 4: missed 3 of the last 3"),
            QStringLiteral("1 × 1 = 1: missed 2 of the last 2"),
            QStringLiteral("6 × 7 = 42: missed 2 of the last 2"),
            QStringLiteral("4 × 5 = 20: missed 2 of the last 3"),
            QStringLiteral("2 × 3 = 6: missed 2 of the last 3"),
            QStringLiteral("9 × 9 = 81: missed its only try"),
            QStringLiteral("12 × 12 = 144: missed 1 of the last 3"),
            QStringLiteral("8 × 7 = 56: right 3 of the last 3, usually in 8.0 seconds"),
            QStringLiteral("7 × 8 = 56: right 2 of the last 2, usually in 7.0 seconds"),
        };
        QStringList texts;
        for (const FactToPractise& fact : factsToPractise(history, 6000, 20))
            texts.append(fact.text);
        QCOMPARE(texts, expected);
        QCOMPARE(factsToPractise(history, 6000).back().fact, (Fact{2, 3}));
    }

    // Each child is judged on their own answers; the class's cell counts the children.
    void classCountsChildren_data() {
        QTest::addColumn<QStringList>("children"); // each child's answers to 7 x 8
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("mostMissed"); // the first of the facts most children miss
        QTest::newRow("most answers right, most children missing")
            << QStringList{"R1000 R1000 R1000 R1000 R1000 R1000 R1000 R1000 R1000 R1000",
                           "W100 W100 R1000", "T W100"}
            << "7 times 8: missed; children: 1 knows it, 0 learning it, 2 keep missing it; 15 "
               "tries, 11 right"
            << "7 × 8 = 56: 2 of 3 children keep missing it";
        QTest::newRow("a tie goes to the weaker")
            << QStringList{"R1000 R1000", "R9000", ""}
            << "7 times 8: right but slow; children: 1 knows it, 1 learning it, 0 keep missing "
               "it; 3 tries, 3 right"
            << "7 × 8 = 56: 1 of 2 children is still learning it";
        QTest::newRow("everyone knows it") << QStringList{"R1000 R1000", "R2000 W100 R2000"}
                                           << "7 times 8: known; children: 2 know it, 0 learning "
                                              "it, 0 keep missing it; 5 tries, 4 right"
                                           << "";
    }
    void classCountsChildren() {
        QFETCH(QStringList, children);
        std::vector<FactGrid> grids;
        for (const QString& script : children)
            grids.push_back(factGrid(answersTo({7, 8}, script), 6000));
        const FactGrid grid = classGrid(grids);
        QTEST(factDescription({7, 8}, grid[6][7]), "description");
        const auto most = factsMostMissed(grid);
        QTEST(most.empty() ? QString() : most.front().text, "mostMissed");
    }

    // The first half of the days played in a span against the second, named as the span is.
    void trend_data() {
        QTest::addColumn<QString>("earlier"); // on the span's first day
        QTest::addColumn<QString>("later");   // on its last
        QTest::addColumn<QString>("sentence");
        const auto row = [](const char* name, const char* earlier, const char* later,
                            const char* sentence) {
            QTest::newRow(name) << earlier << later << QString::fromUtf8(sentence);
        };
        row("faster", "R4100 R4100 R4100 W100", "R3200 R3200 R3200",
            "Answers got faster this week: 4.1 s → 3.2 s.");
        row("slower", "R2000 R2000 R2000", "R3000 R3000 R3000 T",
            "Answers got slower this week: 2.0 s → 3.0 s.");
        row("within a tenth is the same", "R3000 R3000 R3000", "R2800 R2800 R2800",
            "Answers stayed about as fast this week: 3.0 s → 2.8 s.");
        row("too few right in one half", "R3000 R3000 W100", "R3000 R3000 R3000",
            "Too few right answers this week to say whether answers get faster.");
    }
    void trend() {
        QFETCH(QString, earlier);
        QFETCH(QString, later);
        const DaySpan week{QDate(2026, 11, 30), QDate(2026, 12, 6), QStringLiteral("this week")};
        // Before the span, however quick: never counted.
        const auto history = playedOn({{week.from.addDays(-1), {2, 2}, "R100 R100 R100"},
                                       {week.from, {2, 2}, qPrintable(earlier)},
                                       {week.to, {2, 2}, qPrintable(later)}});
        QTEST(trendSentence(periodTrend(history, week)), "sentence");
    }

    // Every figure of a span from a record with answers before, inside and after it.
    void periodFigures_data() {
        QTest::addColumn<DaySpan>("span");
        QTest::addColumn<int>("answers");
        QTest::addColumn<int>("rights");
        QTest::addColumn<int>("known");
        QTest::addColumn<FactStatus>("sevenEights"); // missed in November, known since
        QTest::addColumn<int>("fourFoursTries");     // known in September, asked once this week
        QTest::addColumn<QString>("trend");
        const QDate today(2026, 12, 9); // a Wednesday
        const auto row = [&](const char* name, const DaySpan& span, int answers, int rights,
                             int known, FactStatus sevenEights, int fourFours, const char* trend) {
            QTest::newRow(name) << span << answers << rights << known << sevenEights << fourFours
                                << QString::fromUtf8(trend);
        };
        const char* tooFew = "Too few right answers %1 to say whether answers get faster.";
        const char* same = "Answers stayed about as fast %1: 1.0 s → 1.0 s.";
        row("this week", periodSpan(Period::ThisWeek, today), 16, 1, 3, FactStatus::Known, 1,
            tooFew);
        row("the last 30 days", periodSpan(Period::Last30Days, today), 24, 4, 3, FactStatus::Known,
            1, tooFew);
        row("a term from the day set", periodSpan(Period::ThisTerm, today, QDate(2026, 11, 2)), 28,
            4, 3, FactStatus::Known, 1, tooFew);
        row("a term start not this school year's",
            periodSpan(Period::ThisTerm, today, QDate(2025, 11, 2)), 31, 7, 3, FactStatus::Known, 4,
            same);
        row("the school year", periodSpan(Period::SchoolYear, today), 31, 7, 3, FactStatus::Known,
            4, same);
        row("all", periodSpan(Period::All, today), 33, 9, 3, FactStatus::Known, 4, same);
        // Later answers do not count: 7 × 8 stood missed on the last day.
        row("two days ending in the past", daysBetween(QDate(2026, 9, 1), QDate(2026, 11, 6)), 7, 3,
            2, FactStatus::Missed, 3, tooFew);
    }
    void periodFigures() {
        QFETCH(DaySpan, span);
        const auto history =
            playedOn({{QDate(2026, 8, 20), {5, 5}, "R1000 R1000"},
                      {QDate(2026, 9, 10), {4, 4}, "R1000 R1000 R1000"},
                      {QDate(2026, 11, 5), {7, 8}, "W100 W100 W100 W100"},
                      {QDate(2026, 11, 20), {7, 8}, "R1000 R1000 R1000"},
                      {QDate(2026, 11, 20), {8, 7}, "W100 W100 W100 W100 W100"},
                      {QDate(2026, 12, 8), {4, 4}, "R1000"},
                      {QDate(2026, 12, 8), {9, 9}, "W W W W W W W W W W W W W W W"}});
        const std::vector<FactAnswer> counted = answersIn(history, span);
        QTEST(static_cast<int>(counted.size()), "answers");
        QTEST(static_cast<int>(std::ranges::count(counted, Outcome::Right, &FactAnswer::outcome)),
              "rights");
        const FactGrid grid = factGrid(history, 6000, span);
        QTEST(knownFacts(grid), "known");
        QCOMPARE(grid[4][4].status, FactStatus::Known); // never asked again: keeps its colour
        QCOMPARE(grid[4][4].tries, span.holds(QDate(2026, 8, 20)) ? 2 : 0);
        QTEST(grid[6][7].status, "sevenEights");
        QTEST(grid[3][3].tries, "fourFoursTries");
        QCOMPARE(grid[3][3].status, FactStatus::Known);
        QFETCH(QString, trend);
        QCOMPARE(trendSentence(periodTrend(history, span)), trend.arg(span.words));
    }

    void periodStarts() {
        const auto startOf = [](Period period, QDate today) {
            const DaySpan span = periodSpan(period, today);
            return span.to == today ? span.from : QDate();
        };
        QCOMPARE(startOf(Period::ThisWeek, QDate(2026, 12, 6)), QDate(2026, 11, 30)); // Monday
        QCOMPARE(startOf(Period::Last30Days, QDate(2026, 12, 6)), QDate(2026, 11, 7));
        QCOMPARE(startOf(Period::SchoolYear, QDate(2026, 9, 1)), QDate(2026, 9, 1));
        QCOMPARE(startOf(Period::SchoolYear, QDate(2027, 8, 31)), QDate(2026, 9, 1));
        // Until a teacher sets the day, a term is the school year.
        QCOMPARE(startOf(Period::ThisTerm, QDate(2027, 1, 6)), QDate(2026, 9, 1));
    }

    // The chart's bars: every day, those nobody played on empty; weeks from Monday once the
    // first and last answers lie far apart.
    void chartDays() {
        std::vector<FactAnswer> history;
        const QDate first(2026, 10, 1); // a Thursday
        for (int day = 0; day < 40; ++day) {
            history.push_back({2, 2, Outcome::Right, 1000 + day, first.addDays(2 * day)});
            history.push_back({2, 2, Outcome::Wrong, 50, first.addDays(2 * day)});
            history.push_back({2, 2, Outcome::Right, 3000 + day, first.addDays(2 * day)});
        }
        const auto days = dailyProgress({history.begin(), history.begin() + 9});
        QList<int> answers;
        for (const DayProgress& day : days)
            answers.append(day.answers);
        QCOMPARE(answers, (QList<int>{3, 0, 3, 0, 3}));
        QCOMPARE(days.back().day, first.addDays(4));
        const auto weeks = dailyProgress(history);
        QCOMPARE(weeks.size(), 12u);
        QCOMPARE(weeks.front().day, QDate(2026, 9, 28));
        QCOMPARE(weeks.front().days, 7);
        QCOMPARE(weeks.front().answers, 6);
        QCOMPARE(weeks.front().medianRightMs, std::optional<qint64>(2000));
        QCOMPARE(weeks.back().answers, 9);
    }
};

QTEST_GUILESS_MAIN(FactStatsTest)
#include "tst_factstats.moc"
