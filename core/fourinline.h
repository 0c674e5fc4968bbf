#pragma once

#include "boardlayout.h"
#include "colours.h"

#include <QString>
#include <array>
#include <span>

namespace quintarlow {

// Every row, column and diagonal of the board with at least four squares, in the order the
// scan walks them: rows, columns, then the four diagonal groups.
inline constexpr int ScannedLineCount = 34;
const std::array<std::span<const int>, ScannedLineCount>& scannedLines();

struct SquareView {
    QString caption;
    VbColour backColour = Colour::White;
};

struct FourInLineResult {
    bool found = false;
    // The squares of the last run counted; after a win the four winning squares in scan
    // order, otherwise leftovers.
    std::array<int, 4> winSquares{};
    int diagonalLength = 0;
};

// Looks for four squares in a line that count for `claimColour`: a square counts when it
// carries that colour or is the FREE square. Only the claiming colour is looked for, and the
// first line of four met in scan order is the one reported.
FourInLineResult CheckFourInLine(const std::array<SquareView, BoardSquareCount>& squares,
                                 VbColour claimColour);

} // namespace quintarlow
