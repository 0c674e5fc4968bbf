#include "core/factstats.h"

#include <QTest>

using namespace quintarlow;

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
        std::vector<FactAnswer> history;
        const auto add = [&](Fact fact, const char* script) {
            const auto answers = answersTo(fact, QString::fromLatin1(script));
            history.insert(history.end(), answers.begin(), answers.end());
        };
        add({7, 8}, "R7000 R7000");
        add({3, 3}, "R1000 R1000");
        add({8, 7}, "R8000 R7000 R9000");
        add({9, 9}, "W100");
        add({12, 12}, "W100 R1000 R9000");
        add({6, 7}, "T T");
        add({4, 5}, "R9000 W100 W100 W100 R9000");
        add({1, 2}, "R1000 W100 W100 W100 W100 W100");
        add({2, 2}, "W100 W100 W100 W100 W100");
        add({1, 1}, "W100 T");
        add({5, 5}, "R1000 W100 R1000 R1000");
        add({2, 3}, "W100 W100 R1000 W100");
        const QStringList expected = {
            // Neither has a right answer among its last three: grid order.
            QStringLiteral("1 × 2 = 2: missed 5 of the last 5"),
            QStringLiteral("2 × 2 = 4: missed 5 of the last 5"),
            QStringLiteral("2 × 3 = 6: missed 3 of the last 4"),
            QStringLiteral("4 × 5 = 20: missed 3 of the last 5"),
            QStringLiteral("1 × 1 = 1: missed 2 of the last 2"),
            QStringLiteral("6 × 7 = 42: missed 2 of the last 2"),
            QStringLiteral("9 × 9 = 81: missed its only try"),
            QStringLiteral("12 × 12 = 144: missed 1 of the last 3"),
            QStringLiteral("8 × 7 = 56: right 3 of the last 3, median 8.0 seconds"),
            QStringLiteral("7 × 8 = 56: right 2 of the last 2, median 7.0 seconds"),
        };
        QStringList texts;
        for (const FactToPractise& fact : factsToPractise(history, 6000, 20))
            texts.append(fact.text);
        QCOMPARE(texts, expected);
        const auto six = factsToPractise(history, 6000);
        QCOMPARE(six.size(), 6u);
        QCOMPARE(six.back().fact, (Fact{6, 7}));
    }

    // Each child is judged on their own answers; the class's cell counts the children.
    void classCountsChildren_data() {
        QTest::addColumn<QStringList>("children"); // each child's answers to 7 x 8
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("mostMissed"); // the first of the facts most children miss
        QTest::newRow("most answers right, most children missing")
            << QStringList{QStringLiteral(
                               "R1000 R1000 R1000 R1000 R1000 R1000 R1000 R1000 R1000 R1000"),
                           QStringLiteral("W100 W100 R1000"), QStringLiteral("T W100")}
            << "7 times 8: missed; children: 1 knows it, 0 learning it, 2 keep missing it; 15 "
               "tries, 11 right"
            << "7 × 8 = 56: 2 of 3 children keep missing it";
        QTest::newRow("a tie goes to the weaker")
            << QStringList{QStringLiteral("R1000 R1000"), QStringLiteral("R9000"), QString()}
            << "7 times 8: right but slow; children: 1 knows it, 1 learning it, 0 keep missing "
               "it; 3 tries, 3 right"
            << "7 × 8 = 56: 1 of 2 children is still learning it";
        QTest::newRow("everyone knows it")
            << QStringList{QStringLiteral("R1000 R1000"), QStringLiteral("R2000 W100 R2000")}
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

    // The week up to the last day against the week before it, in words.
    void trend_data() {
        QTest::addColumn<QString>("earlier"); // 8 to 13 days before
        QTest::addColumn<QString>("later");   // the last 7 days
        QTest::addColumn<QString>("sentence");
        QTest::newRow("faster") << "R4100 W100"
                                << "R3200 R3200"
                                << "Answers got faster over the last two weeks: 4.1 s → 3.2 s.";
        QTest::newRow("slower") << "R2000"
                                << "R3000 T"
                                << "Answers got slower over the last two weeks: 2.0 s → 3.0 s.";
        QTest::newRow("within a tenth is the same")
            << "R3000"
            << "R2800"
            << "Answers took about as long as the week before: 3.0 s → 2.8 s.";
        QTest::newRow("nothing right the week before")
            << "W100"
            << "R3000"
            << "Too few right answers in the last two weeks to say whether answers get faster.";
    }
    void trend() {
        QFETCH(QString, earlier);
        QFETCH(QString, later);
        const QDate last(2026, 12, 4);
        std::vector<FactAnswer> history;
        // Two weeks and more ago: never counted.
        for (FactAnswer answer : answersTo({2, 2}, QStringLiteral("R100 R100"))) {
            answer.day = last.addDays(-14);
            history.push_back(answer);
        }
        for (FactAnswer answer : answersTo({2, 2}, earlier)) {
            answer.day = last.addDays(-8);
            history.push_back(answer);
        }
        for (FactAnswer answer : answersTo({2, 2}, later)) {
            answer.day = last.addDays(-6);
            history.push_back(answer);
        }
        QTEST(trendSentence(twoWeekTrend(history, last)), "sentence");
    }

    void periodStarts_data() {
        QTest::addColumn<Period>("period");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("start");
        QTest::newRow("a week starts on Monday")
            << Period::ThisWeek << QDate(2026, 12, 6) << QDate(2026, 11, 30);
        QTest::newRow("30 days with today")
            << Period::Last30Days << QDate(2026, 12, 6) << QDate(2026, 11, 7);
        QTest::newRow("a school year from September")
            << Period::SchoolYear << QDate(2026, 9, 1) << QDate(2026, 9, 1);
        QTest::newRow("the school year that began last year")
            << Period::SchoolYear << QDate(2027, 8, 31) << QDate(2026, 9, 1);
    }
    void periodStarts() {
        QFETCH(Period, period);
        QFETCH(QDate, today);
        QTEST(periodStart(period, today), "start");
    }

    // The chart's days: only days with answers, the last 30 of them, medians of right answers.
    void lastThirtyDaysWithAnswers() {
        std::vector<FactAnswer> history;
        const QDate first(2026, 10, 1);
        for (int day = 0; day < 40; ++day) {
            history.push_back({2, 2, Outcome::Right, 1000 + day, first.addDays(2 * day)});
            history.push_back({2, 2, Outcome::Wrong, 50, first.addDays(2 * day)});
            history.push_back({2, 2, Outcome::Right, 3000 + day, first.addDays(2 * day)});
        }
        const auto days = dailyProgress(history);
        QCOMPARE(days.size(), 30u);
        QCOMPARE(days.front().day, first.addDays(20));
        QCOMPARE(days.back().day, first.addDays(78));
        QCOMPARE(days.back().answers, 3);
        QCOMPARE(days.back().rights, 2);
        QCOMPARE(days.back().medianRightMs, std::optional<qint64>(2039));
    }
};

QTEST_GUILESS_MAIN(FactStatsTest)
#include "tst_factstats.moc"
