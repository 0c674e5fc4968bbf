#include "boardlayout.h"
#include "clocktext.h"
#include "fourinline.h"
#include "platformchoice.h"
#include "speechpauses.h"

#include <QSet>
#include <QTest>
#include <set>
#include <vector>

using namespace quintarlow;
using Indices = QList<int>;
using Phrases = QList<QPair<QString, int>>;

// The rules that need no screen: the board's layout, the four-in-a-line scan and the spoken
// texts' pauses.
class CoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Products ascend in reading order, and every question has its one square.
    void everyQuestionHasOneSquare() {
        int previous = 0;
        for (int index = 0; index < BoardSquareCount; ++index) {
            if (squareKind(index) != SquareKind::Numbered)
                continue;
            QVERIFY(squareCaption(index).toInt() > previous);
            previous = squareCaption(index).toInt();
        }
        QCOMPARE(previous, 144);
        for (int a = 1; a <= 12; ++a)
            for (int b = 1; b <= 12; ++b)
                QCOMPARE(squareCaption(boardIndexOfProduct(a * b)), QString::number(a * b));
    }

    void shadowsAreOnePerSquareAndLieBehindIt() {
        QSet<int> shadows;
        for (int index = 0; index < BoardSquareCount; ++index) {
            const int shadow = shadowIndexBehind(index);
            QVERIFY(isShadowIndex(shadow));
            QCOMPARE(boardIndexInFrontOf(shadow), index);
            shadows.insert(shadow);
            // Down and to the right of its square, where its strip shows.
            const QPoint offset =
                squareGeometryTwips(shadow).topLeft() - squareGeometryTwips(index).topLeft();
            QVERIFY(offset.x() > 0 && offset.y() > 0);
        }
        QCOMPARE(shadows.size(), BoardSquareCount);
    }

    void clockCaptions() {
        QCOMPARE(clockCaption(20), QStringLiteral(":20"));
        QCOMPARE(clockCaption(9), QStringLiteral(":09"));
        QCOMPARE(clockCaption(-2), QStringLiteral(":-02"));
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
        std::array<SquareView, BoardSquareCount> board;
        for (int index = 0; index < BoardSquareCount; ++index)
            board[index] = {squareCaption(index), blue.contains(index)  ? Colour::Blue
                                                  : red.contains(index) ? Colour::Red
                                                                        : Colour::White};
        const auto result = CheckFourInLine(board, Colour::Blue);
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
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("qtPlatform");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<PlatformChoice>("choice");
        const QStringList none;
        QTest::newRow("X11 session") << "x11"
                                     << ""
                                     << ":0"
                                     << "" << none << PlatformChoice::LeaveToQt;
        QTest::newRow("console") << "tty"
                                 << ""
                                 << ""
                                 << "" << none << PlatformChoice::LeaveToQt;
        QTest::newRow("Wayland session") << "wayland"
                                         << "wayland-0"
                                         << ":0"
                                         << "" << none << PlatformChoice::Xcb;
        QTest::newRow("only the session type") << "wayland"
                                               << ""
                                               << ":1"
                                               << "" << none << PlatformChoice::Xcb;
        QTest::newRow("only WAYLAND_DISPLAY") << ""
                                              << "wayland-1"
                                              << ":1"
                                              << "" << none << PlatformChoice::Xcb;
        QTest::newRow("no XWayland") << "wayland"
                                     << "wayland-0"
                                     << ""
                                     << "" << none << PlatformChoice::XWaylandMissing;
        QTest::newRow("QT_QPA_PLATFORM") << "wayland"
                                         << "wayland-0"
                                         << ":0"
                                         << "wayland" << none << PlatformChoice::LeaveToQt;
        QTest::newRow("-platform")
            << "wayland"
            << "wayland-0"
            << ":0"
            << "" << QStringList{"-platform", "wayland"} << PlatformChoice::LeaveToQt;
        QTest::newRow("--platform, no XWayland")
            << "wayland"
            << "wayland-0"
            << ""
            << "" << QStringList{"--platform", "wayland"} << PlatformChoice::LeaveToQt;
        QTest::newRow("-platform naming nothing")
            << "wayland"
            << "wayland-0"
            << ":0"
            << "" << QStringList{"-platform"} << PlatformChoice::Xcb;
    }
    void platformOnWayland() {
        QFETCH(QString, sessionType);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, display);
        QFETCH(QString, qtPlatform);
        QFETCH(QStringList, options);
        QFETCH(PlatformChoice, choice);
        const DisplayEnvironment environment{sessionType, waylandDisplay, display, qtPlatform,
                                             QStringList{"quintarlow"} + options};
        QCOMPARE(choosePlatform(environment), choice);
    }
};

QTEST_GUILESS_MAIN(CoreTest)
#include "tst_core.moc"
