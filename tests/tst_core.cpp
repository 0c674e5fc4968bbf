#include "app/languagechoice.h"
#include "app/platformchoice.h"
#include "core/boardlayout.h"
#include "core/clocktext.h"
#include "core/fourinline.h"
#include "core/playernames.h"
#include "core/practicetext.h"
#include "core/questiondraw.h"
#include "core/spokentexts.h"
#include "media/speechpauses.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

using namespace quintarlow;
using Indices = QList<int>;
using Phrases = QList<QPair<QString, int>>;
using Facts = std::vector<Fact>;
Q_DECLARE_METATYPE(quintarlow::PracticePlan)
Q_DECLARE_METATYPE(quintarlow::PracticeSettings)

namespace {

// Pearson's statistic of counts against the shares they should have.
double chiSquare(const std::vector<int>& counts, const std::vector<double>& shares, int draws) {
    double sum = 0;
    for (std::size_t cell = 0; cell < counts.size(); ++cell) {
        const double expected = shares[cell] * draws;
        sum += (counts[cell] - expected) * (counts[cell] - expected) / expected;
    }
    return sum;
}

// Chi-square values exceeded with probability 0.001 by chance.
constexpr double ChiSquare11 = 31.264;   // 11 degrees of freedom: one factor's 12 values
constexpr double ChiSquare143 = 201.002; // 143: the 144 pairs

} // namespace

// The rules that need no screen: the board's layout, the four-in-a-line scan and the spoken
// texts' pauses.
class CoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Products ascend in reading order and every question has its one square; each square has
    // one shadow, down and to the right of it, where its strip shows.
    void boardLayout() {
        int previous = 0;
        QSet<int> shadows;
        for (int index = 0; index < BoardSquareCount; ++index) {
            const int shadow = shadowIndexBehind(index);
            QVERIFY(isShadowIndex(shadow));
            QCOMPARE(boardIndexInFrontOf(shadow), index);
            shadows.insert(shadow);
            const QPoint offset =
                squareGeometryTwips(shadow).topLeft() - squareGeometryTwips(index).topLeft();
            QVERIFY(offset.x() > 0 && offset.y() > 0);
            if (squareKind(index) == SquareKind::Numbered)
                QVERIFY(squareProduct(index) > std::exchange(previous, squareProduct(index)));
        }
        QCOMPARE(shadows.size(), BoardSquareCount);
        QCOMPARE(previous, 144);
        for (int a = 1; a <= 12; ++a)
            for (int b = 1; b <= 12; ++b)
                QCOMPARE(squareCaption(boardIndexOfProduct(a * b)), QString::number(a * b));
    }

    void clockCaptions() {
        QCOMPARE(clockCaption(20), ":20");
        QCOMPARE(clockCaption(9), ":09");
        QCOMPARE(clockCaption(-2), ":-02");
        // The rules say both players' times when they differ (the game says one time as drawn).
        QVERIFY(
            Texts::rules(20, 60).contains("blue has 20 seconds and red has 60 seconds to answer"));
    }

    // The scan table against every straight line of four or more, worked out from geometry.
    void lineTableHoldsEveryLineOnce() {
        std::set<std::vector<int>> expected;
        for (const auto& [dr, dc] : {std::pair{0, 1}, {1, 0}, {1, 1}, {1, -1}}) {
            for (int start = 0; start < BoardSquareCount; ++start) {
                const int row = start / BoardSide - dr, column = start % BoardSide - dc;
                if (row >= 0 && column >= 0 && column < BoardSide)
                    continue; // not the start of a line
                std::vector<int> line;
                for (int r = start / BoardSide, c = start % BoardSide;
                     r < BoardSide && c >= 0 && c < BoardSide; r += dr, c += dc)
                    line.push_back(r * BoardSide + c);
                if (line.size() >= 4)
                    expected.insert(line);
            }
        }
        std::set<std::vector<int>> scanned;
        for (const auto& line : scannedLines())
            scanned.insert(std::vector<int>(line.begin(), line.end()));
        QCOMPARE(scanned.size(), std::size_t(ScannedLineCount));
        QVERIFY(scanned == expected);
    }

    void lines_data() {
        QTest::addColumn<Indices>("blue");
        QTest::addColumn<Indices>("red");
        QTest::addColumn<Indices>("winning"); // empty: no line for Blue
        QTest::newRow("free completes a row")
            << Indices{25, 26, 27} << Indices{} << Indices{25, 26, 27, 28};
        QTest::newRow("free fills a gap")
            << Indices{26, 27, 29} << Indices{} << Indices{26, 27, 28, 29};
        QTest::newRow("row before column")
            << Indices{9, 10, 11, 12, 2, 18, 26} << Indices{} << Indices{9, 10, 11, 12};
        QTest::newRow("four with a gap") << Indices{1, 2, 3, 5} << Indices{} << Indices{};
        QTest::newRow("corner never counts")
            << Indices{1, 2, 3, 8, 16, 24} << Indices{} << Indices{};
        QTest::newRow("red line is not looked for")
            << Indices{} << Indices{8, 9, 10, 11} << Indices{};
        QTest::newRow("free with a red break") << Indices{25, 26, 29} << Indices{27} << Indices{};
    }
    void lines() {
        QFETCH(Indices, blue);
        QFETCH(Indices, red);
        QFETCH(Indices, winning);
        std::array<Player, BoardSquareCount> owners{};
        for (int index = 0; index < BoardSquareCount; ++index)
            owners[index] = blue.contains(index)  ? Player::Blue
                            : red.contains(index) ? Player::Red
                                                  : Player::Nobody;
        const auto result = findFourInLine(owners, Player::Blue);
        QCOMPARE(result.found, !winning.isEmpty());
        if (result.found)
            QCOMPARE(Indices(result.winSquares.begin(), result.winSquares.end()), winning);
    }

    void commaRuns_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Phrases>("phrases");
        const int one = pauseForCommaRun(1);
        const int two = pauseForCommaRun(2);
        QTest::newRow("question") << "7, times, 8" << Phrases{{"7", one}, {"times", one}, {"8", 0}};
        QTest::newRow("double without blanks")
            << "four in a row,,across" << Phrases{{"four in a row", two}, {"across", 0}};
        QTest::newRow("trailing run")
            << "not valid,, try again,, " << Phrases{{"not valid", two}, {"try again", two}};
        QTest::newRow("comma after a blank")
            << "the square. , it is" << Phrases{{"the square.", one}, {"it is", 0}};
        QTest::newRow("empty") << QString() << Phrases{};
    }
    void commaRuns() {
        QFETCH(QString, text);
        QFETCH(Phrases, phrases);
        Phrases actual;
        for (const auto& phrase : splitAtCommaRuns(text))
            actual.append({phrase.text, phrase.pauseAfterMs});
        QCOMPARE(actual, phrases);
    }

    void platformOnWayland_data() {
        // XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY and QT_QPA_PLATFORM, then the options.
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<PlatformChoice>("choice");
        const auto row = [](const char* name, const QStringList& environment,
                            PlatformChoice choice) {
            QTest::newRow(name) << environment << choice;
        };
        using enum PlatformChoice;
        row("X11 session", {"x11", "", ":0", ""}, LeaveToQt);
        row("console", {"tty", "", "", ""}, LeaveToQt);
        row("Wayland session", {"wayland", "wayland-0", ":0", ""}, Xcb);
        row("only the session type", {"wayland", "", ":1", ""}, Xcb);
        row("only WAYLAND_DISPLAY", {"", "wayland-1", ":1", ""}, Xcb);
        row("no XWayland", {"wayland", "wayland-0", "", ""}, XWaylandMissing);
        row("QT_QPA_PLATFORM", {"wayland", "wayland-0", ":0", "wayland"}, LeaveToQt);
        row("-platform", {"wayland", "wayland-0", ":0", "", "-platform", "wayland"}, LeaveToQt);
        row("--platform, no XWayland", {"wayland", "wayland-0", "", "", "--platform", "wayland"},
            LeaveToQt);
        row("-platform naming nothing", {"wayland", "wayland-0", ":0", "", "-platform"}, Xcb);
    }
    void platformOnWayland() {
        QFETCH(QStringList, environment);
        QFETCH(PlatformChoice, choice);
        QCOMPARE(choosePlatform({environment[0], environment[1], environment[2], environment[3],
                                 QStringList{"quintarlow"} + environment.mid(4)}),
                 choice);
    }

    // The language: the option, the settings, then the desktop as gettext reads it.
    void language_data() {
        QTest::addColumn<QStringList>(
            "asked");                        // option, setting, LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("chosen"); // the code, then " not " and what is not shipped
        const auto row = [](const char* name, const char* asked, const char* chosen) {
            QTest::newRow(name) << QString::fromUtf8(asked).split(QLatin1Char('|'))
                                << QString::fromUtf8(chosen);
        };
        row("nothing set", "|||||", "en");
        row("the option over all", "de|fr||it_IT|it_IT|it_IT", "de");
        row("the setting over the desktop", "|fr_FR.UTF-8|||it|it", "fr");
        row("an option not shipped", "ja|de||||de_DE", "en not ja");
        row("LANGUAGE's first shipped", "||pt_BR:es:de|||pt_BR.UTF-8", "es");
        row("LANGUAGE over an English locale", "||de:en|||en_GB.UTF-8", "de");
        row("LANGUAGE ignored in the C locale", "||de|||C.UTF-8", "en");
        row("LC_ALL over LANG", "|||nb_NO.UTF-8||de_DE", "nb");
        row("LC_MESSAGES over LANG", "||||fr_CA|de_DE", "fr");
        row("a modifier", "|||||it_IT@euro", "it");
        row("Nynorsk reads Bokmål", "|||||nn_NO.UTF-8", "nb");
        row("a desktop language not shipped", "|||||ja_JP.UTF-8", "en not ja_JP.UTF-8");
    }
    void language() {
        QFETCH(QStringList, asked);
        const LanguageChoice choice =
            chooseLanguage({"en", "de", "es", "fr", "it", "nb"}, asked[0], asked[1],
                           {asked[2], asked[3], asked[4], asked[5]});
        QTEST(choice.code + (choice.notShipped.isEmpty() ? QString() : " not " + choice.notShipped),
              "chosen");
    }

    void questionDraw_data() {
        QTest::addColumn<PracticePlan>("plan");
        // Of all questions, the share promised from the missed list. The lists lie outside
        // what the tables reach, so a listed fact drawn can only have come from the list.
        QTest::addColumn<double>("missedShare");
        const Facts four{{7, 8}, {8, 7}, {6, 9}, {12, 11}};
        QTest::newRow("default") << PracticePlan{} << 0.0;
        QTest::newRow("one table") << PracticePlan{{{7}, false}, {}} << 0.0;
        QTest::newRow("three tables") << PracticePlan{{{2, 5, 10}, false}, {}} << 0.0;
        QTest::newRow("missed, four facts") << PracticePlan{{{3}, true}, four} << 0.5;
        // After its fact the list has nothing else to ask: a coin only every other time.
        QTest::newRow("missed, one fact") << PracticePlan{{{3}, true}, {{7, 8}}} << 1.0 / 3;
        QTest::newRow("missed, empty list") << PracticePlan{{{}, true}, {}} << 0.0;
        // The 7s reach 7 x 8 too: the plain draw must not repeat it right after the list asked
        // it. Which of them asked it cannot be told, so no share is promised.
        QTest::newRow("missed, the tables reach it")
            << PracticePlan{{{7}, true}, {{7, 8}}} << qQNaN();
    }
    void questionDraw() {
        QFETCH(PracticePlan, plan);
        QFETCH(double, missedShare);
        constexpr int Draws = 100000;
        const std::vector<int>& tables = plan.settings.tables;
        const auto inTables = [&](int x) { return std::ranges::find(tables, x) != tables.end(); };
        QRandomGenerator random(27);
        DrawMemory memory;
        std::vector<int> firsts(12), seconds(12), pairs(144);
        int fromList = 0;
        Fact previous;
        for (int draw = 0; draw < Draws; ++draw) {
            const Fact question = drawQuestion(plan, memory, random);
            QVERIFY(question.a >= 1 && question.a <= 12 && question.b >= 1 && question.b <= 12);
            ++firsts[question.a - 1];
            ++seconds[question.b - 1];
            ++pairs[(question.a - 1) * 12 + question.b - 1];
            if (std::ranges::find(plan.missed, question) != plan.missed.end()) {
                ++fromList;
                QVERIFY(question != previous);
            } else {
                QVERIFY(tables.empty() || inTables(question.a) || inTables(question.b));
            }
            previous = question;
        }
        if (std::isnan(missedShare)) {
            QVERIFY(fromList > 30000);
            return;
        }
        // Half of the plain questions lead with a chosen table, half follow with one.
        const auto share = [&](int x, auto factorOf) {
            const double plain =
                tables.empty() ? 1.0 / 12 : 0.5 * inTables(x) / double(tables.size()) + 0.5 / 12;
            const double listed = std::count_if(plan.missed.begin(), plan.missed.end(),
                                                [&](const Fact& f) { return factorOf(f) == x; });
            return (1 - missedShare) * plain +
                   (plan.missed.empty() ? 0 : missedShare * listed / double(plan.missed.size()));
        };
        std::vector<double> firstShares, secondShares;
        for (int x = 1; x <= 12; ++x) {
            firstShares.push_back(share(x, [](const Fact& f) { return f.a; }));
            secondShares.push_back(share(x, [](const Fact& f) { return f.b; }));
        }
        QVERIFY2(chiSquare(firsts, firstShares, Draws) < ChiSquare11, "first factor");
        QVERIFY2(chiSquare(seconds, secondShares, Draws) < ChiSquare11, "second factor");
        // The game's own draw: every pair equally often, so the factors are independent.
        if (tables.empty() && missedShare == 0)
            QVERIFY(chiSquare(pairs, std::vector<double>(144, 1.0 / 144), Draws) < ChiSquare143);
        // Three and a bit standard deviations: a chance of 0.001 of failing a true promise.
        const double bound = 3.3 * std::sqrt(missedShare * (1 - missedShare) / Draws);
        QVERIFY2(std::abs(double(fromList) / Draws - missedShare) <= bound,
                 qPrintable(QString::number(double(fromList) / Draws)));
    }

    void tablesList_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("read"); // the list read back, or the error
        const auto row = [](const char* typed, const char* read) {
            QTest::newRow(typed) << typed << read;
        };
        row(" 6, 3 ,4,3", "3,4,6");
        row("ALL", "all");
        row("12,11,10,9,8,7,6,5,4,3,2,1", "all");
        row(" ", "the list of tables is empty (give tables like 3,4,6 or all)");
        row("3,,4", "\"3,,4\" has an empty entry");
        row("3,0", "\"0\" is not a table from 1 to 12");
        row("13", "\"13\" is not a table from 1 to 12");
        row("3-5", "\"3-5\" is not a table from 1 to 12");
    }
    void tablesList() {
        QFETCH(QString, typed);
        QFETCH(QString, read);
        const TableList list = parseTables(typed);
        QCOMPARE(list.error.isEmpty() ? tablesText(list.tables) : list.error, read);
    }

    void practiceWords_data() {
        QTest::addColumn<PracticeSettings>("settings");
        QTest::addColumn<QString>("words");
        const auto row = [](const char* name, const PracticeSettings& settings, const char* words) {
            QTest::newRow(name) << settings << words;
        };
        row("default", {}, "");
        row("one table", {{3}, false}, "practising the 3s");
        row("two and missed", {{3, 4}, true}, "practising the 3s and 4s; missed facts asked again");
        row("three", {{2, 5, 10}, false}, "practising the 2s, 5s and 10s");
        row("missed only", {{}, true}, "missed facts asked again");
        row("the path asks missed facts by itself", {{}, true, true},
            "following the learning path");
        row("the path over tables, more time", {{3, 4}, false, true, 40},
            "following the learning path over the 3s and 4s; 40 seconds to answer");
        row("time, a hard computer", {{}, false, false, 90, ComputerLevel::Hard},
            "90 seconds to answer; a hard computer");
        row("an easy computer", {{}, false, false, 20, ComputerLevel::Easy}, "an easy computer");
    }
    void practiceWords() {
        QFETCH(PracticeSettings, settings);
        QTEST(quintarlow::practiceWords(settings), "words");
    }

    // A name typed for a command that is nobody in the record: what the command says.
    void unknownPlayer_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("said");
        const QString close = QStringLiteral("nobody called “%1” is in the practice record. Did "
                                             "you mean “%2”? Check the spelling and try again.");
        QTest::newRow("a letter changed, and a name it holds")
            << "Rosalynd" << close.arg("Rosalynd", "Rosalind”, “Rosa");
        QTest::newRow("the closest first") << "Rosal" << close.arg("Rosal", "Rosa”, “Rosalind");
        QTest::newRow("short names spare one letter") << "Ban" << close.arg("Ban", "Ben");
        QTest::newRow("nothing close: the names there are")
            << "Xavier"
            << "nobody called “Xavier” is in the practice record. The players are “Rosalind”, "
               "“Ben”, “Rosa”, “Bo”. Check the spelling and try again.";
    }
    void unknownPlayer() {
        QFETCH(QString, asked);
        const QStringList names = {"Rosalind", "Ben", "Rosa", "Bo"};
        QTEST(unknownPlayerText(asked, names), "said");
        QVERIFY(sameName(" ben ", "Ben"));
    }
};

QTEST_GUILESS_MAIN(CoreTest)
#include "tst_core.moc"
