#include "core/fourinline.h"

#include <vector>

namespace quintarlow {

namespace {

struct LineStart {
    int first;
    int step;
    int length;
};

// rows, columns, down-right from row 0, down-left from row 0, down-right from column 0,
// down-left from column 7
constexpr std::array<LineStart, ScannedLineCount> LineStarts{{
    {0, 1, 8},  {8, 1, 8},  {16, 1, 8}, {24, 1, 8}, {32, 1, 8}, {40, 1, 8}, {48, 1, 8},
    {56, 1, 8}, {0, 8, 8},  {1, 8, 8},  {2, 8, 8},  {3, 8, 8},  {4, 8, 8},  {5, 8, 8},
    {6, 8, 8},  {7, 8, 8},  {0, 9, 8},  {1, 9, 7},  {2, 9, 6},  {3, 9, 5},  {4, 9, 4},
    {7, 7, 8},  {6, 7, 7},  {5, 7, 6},  {4, 7, 5},  {3, 7, 4},  {8, 9, 7},  {16, 9, 6},
    {24, 9, 5}, {32, 9, 4}, {15, 7, 7}, {23, 7, 6}, {31, 7, 5}, {39, 7, 4},
}};

struct LineTable {
    std::vector<int> squares;
    std::array<std::span<const int>, ScannedLineCount> lines;

    LineTable() {
        squares.reserve(256);
        for (const auto& start : LineStarts)
            for (int k = 0; k < start.length; ++k)
                squares.push_back(start.first + k * start.step);
        std::size_t offset = 0;
        for (std::size_t line = 0; line < LineStarts.size(); ++line) {
            const auto length = static_cast<std::size_t>(LineStarts[line].length);
            lines[line] = std::span<const int>(squares.data() + offset, length);
            offset += length;
        }
    }
};

bool squareCounts(int square, Player owner, Player player) {
    return square == FreeSquareIndex || owner == player;
}

} // namespace

const std::array<std::span<const int>, ScannedLineCount>& scannedLines() {
    static const LineTable table;
    return table.lines;
}

FourInLineResult findFourInLine(const std::array<Player, BoardSquareCount>& owners, Player player) {
    FourInLineResult result;
    for (const auto& line : scannedLines()) {
        int run = 0;
        for (const int index : line) {
            if (!squareCounts(index, owners[static_cast<std::size_t>(index)], player)) {
                run = 0;
                continue;
            }
            result.winSquares[run] = index;
            if (++run == 4) {
                result.found = true;
                return result;
            }
        }
    }
    return result;
}

} // namespace quintarlow
