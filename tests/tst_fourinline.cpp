#include "fourinline.h"

#include <QTest>
#include <set>
#include <vector>

using namespace quintarlow;

using Indices = QList<int>;

class FourInLineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
        QTest::newRow("last line")
            << Indices{39, 46, 53, 60} << Indices{} << Indices{39, 46, 53, 60};
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
};

QTEST_GUILESS_MAIN(FourInLineTest)
#include "tst_fourinline.moc"
