#pragma once

#include "core/boardlayout.h"
#include "core/colours.h"

#include <array>
#include <span>

namespace quintarlow {

// Every row, column and diagonal of the board with at least four squares, in the order the
// scan walks them: rows, columns, then the four diagonal groups.
inline constexpr int ScannedLineCount = 34;
const std::array<std::span<const int>, ScannedLineCount>& scannedLines();

struct FourInLineResult {
    bool found = false;
    // The squares of the last run counted; after a win the four winning squares in scan
    // order, otherwise leftovers.
    std::array<int, 4> winSquares{};
};

// Looks for four squares in a line that count for `player`: a square counts when the player
// holds it or it is the FREE square. Only that player is looked for, and the first line of
// four met in scan order is the one reported.
FourInLineResult findFourInLine(const std::array<Player, BoardSquareCount>& owners, Player player);

} // namespace quintarlow
