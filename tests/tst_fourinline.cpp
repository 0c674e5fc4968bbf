#include "fourinline.h"

#include <QSet>
#include <QTest>
#include <set>
#include <vector>

using namespace quintarlow;

namespace {

using Board = std::array<SquareView, BoardSquareCount>;
using Indices = QList<int>;

Board freshBoard() {
    Board board;
    for (int index = 0; index < BoardSquareCount; ++index) {
        board[index].caption = squareCaption(index);
        board[index].backColour = squareKind(index) == SquareKind::Corner ? Colour::Yellow
                                  : squareKind(index) == SquareKind::Free ? Colour::BrightGreen
                                                                          : Colour::White;
    }
    return board;
}

Board boardWith(const Indices& blue, const Indices& red = {}) {
    Board board = freshBoard();
    for (int index : blue)
        board[index].backColour = Colour::Blue;
    for (int index : red)
        board[index].backColour = Colour::Red;
    return board;
}

std::array<int, 4> toArray(const Indices& four) {
    return {four[0], four[1], four[2], four[3]};
}

// Every straight line of at least four squares, worked out from geometry rather than listed.
std::set<std::vector<int>> allLinesByGeometry() {
    std::set<std::vector<int>> lines;
    const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (const auto& direction : directions) {
        for (int row = 0; row < BoardSide; ++row) {
            for (int column = 0; column < BoardSide; ++column) {
                const int previousRow = row - direction[0];
                const int previousColumn = column - direction[1];
                if (previousRow >= 0 && previousColumn >= 0 && previousColumn < BoardSide)
                    continue; // not the start of a line
                std::vector<int> line;
                for (int r = row, c = column; r < BoardSide && c >= 0 && c < BoardSide;
                     r += direction[0], c += direction[1])
                    line.push_back(r * BoardSide + c);
                if (line.size() >= 4)
                    lines.insert(line);
            }
        }
    }
    return lines;
}

} // namespace

class FourInLineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lineTableHoldsEveryLineOnce() {
        std::set<std::vector<int>> scanned;
        for (const auto& line : scannedLines())
            scanned.insert(std::vector<int>(line.begin(), line.end()));
        QCOMPARE(scanned.size(), std::size_t(ScannedLineCount));
        QVERIFY(scanned == allLinesByGeometry());
    }

    // For every scanned line and every colour: the first four claimable squares of the line
    // win, and where the line crosses the FREE square, FREE stands in for a claim.
    void everyLineWins_data() {
        QTest::addColumn<Indices>("claimed");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<Indices>("winning");
        const auto& lines = scannedLines();
        for (int number = 0; number < ScannedLineCount; ++number) {
            std::vector<int> line(lines[number].begin(), lines[number].end());
            std::vector<int> usable;
            for (int index : line)
                if (!isCornerIndex(index))
                    usable.push_back(index);
            for (std::size_t start = 0; start + 4 <= usable.size(); ++start) {
                Indices four(usable.begin() + start, usable.begin() + start + 4);
                Indices claimed;
                for (int index : four)
                    if (index != FreeSquareIndex)
                        claimed.append(index);
                const bool throughFree = claimed.size() == 3;
                if (start > 0 && !throughFree)
                    continue; // one window per line, plus every window through FREE
                for (const auto& [name, colour] :
                     {std::pair{"blue", Colour::Blue}, std::pair{"red", Colour::Red}})
                    QTest::addRow("line %d from %d %s", number + 1, four[0], name)
                        << claimed << quint32(colour) << four;
            }
        }
    }
    void everyLineWins() {
        QFETCH(Indices, claimed);
        QFETCH(quint32, colour);
        QFETCH(Indices, winning);
        const Board board = colour == Colour::Blue ? boardWith(claimed) : boardWith({}, claimed);
        const auto result = CheckFourInLine(board, colour);
        QVERIFY(result.found);
        QCOMPARE(result.winSquares, toArray(winning));
    }

    void nearMisses_data() {
        QTest::addColumn<Indices>("blue");
        QTest::addColumn<Indices>("red");
        QTest::newRow("three in a row") << Indices{1, 2, 3} << Indices{};
        QTest::newRow("four with a gap") << Indices{1, 2, 3, 5} << Indices{};
        QTest::newRow("mixed colours") << Indices{1, 2, 3} << Indices{4};
        QTest::newRow("corner never counts") << Indices{1, 2, 3, 8, 16, 24} << Indices{};
        QTest::newRow("row does not wrap") << Indices{14, 15, 16, 17} << Indices{};
        QTest::newRow("bent diagonal") << Indices{5, 14, 23, 32} << Indices{};
        QTest::newRow("column does not wrap") << Indices{48, 56, 1, 9} << Indices{};
        QTest::newRow("red line is not looked for") << Indices{} << Indices{8, 9, 10, 11};
        QTest::newRow("free with a red break") << Indices{25, 26, 29} << Indices{27};
        QTest::newRow("scattered") << Indices{9, 18, 36, 45, 22, 31} << Indices{27};
    }
    void nearMisses() {
        QFETCH(Indices, blue);
        QFETCH(Indices, red);
        QVERIFY(!CheckFourInLine(boardWith(blue, red), Colour::Blue).found);
    }

    void firstLineInScanOrderIsReported_data() {
        QTest::addColumn<Indices>("blue");
        QTest::addColumn<Indices>("winning");
        QTest::newRow("free completes a row") << Indices{25, 26, 27} << Indices{25, 26, 27, 28};
        QTest::newRow("free fills a gap") << Indices{26, 27, 29} << Indices{26, 27, 28, 29};
        QTest::newRow("five in a row") << Indices{32, 33, 34, 35, 36} << Indices{32, 33, 34, 35};
        QTest::newRow("row before column")
            << Indices{9, 10, 11, 12, 2, 18, 26} << Indices{9, 10, 11, 12};
        QTest::newRow("column before diagonal")
            << Indices{3, 11, 19, 27, 12, 21, 30} << Indices{3, 11, 19, 27};
        QTest::newRow("short edge diagonal") << Indices{4, 13, 22, 31} << Indices{4, 13, 22, 31};
        QTest::newRow("last line") << Indices{39, 46, 53, 60} << Indices{39, 46, 53, 60};
    }
    void firstLineInScanOrderIsReported() {
        QFETCH(Indices, blue);
        QFETCH(Indices, winning);
        const auto result = CheckFourInLine(boardWith(blue), Colour::Blue);
        QVERIFY(result.found);
        QCOMPARE(result.winSquares, toArray(winning));
    }

    void freeCountsForWhoeverIsChecked() {
        QVERIFY(CheckFourInLine(boardWith({}, {25, 26, 27}), Colour::Red).found);
        QVERIFY(!CheckFourInLine(boardWith({}, {25, 26, 27}), Colour::Blue).found);
    }
};

QTEST_GUILESS_MAIN(FourInLineTest)
#include "tst_fourinline.moc"
