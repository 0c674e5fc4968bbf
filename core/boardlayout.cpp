#include "core/boardlayout.h"

#include <algorithm>
#include <set>

namespace quintarlow {

namespace {

constexpr std::array<int, 4> CornerIndices{0, 7, 56, 63};

// Which shadow label lies behind each board square, by row and column: the designer's
// numbering, not a formula.
constexpr std::array<int, BoardSquareCount> ShadowBehind{
    101, 102, 103, 104, 105, 106, 76, 107, //
    108, 109, 110, 111, 112, 113, 77, 114, //
    115, 116, 117, 118, 119, 120, 78, 121, //
    122, 123, 124, 125, 126, 127, 75, 100, //
    99,  98,  97,  96,  95,  94,  74, 93,  //
    92,  91,  90,  89,  88,  87,  73, 86,  //
    64,  65,  66,  67,  68,  69,  71, 70,  //
    85,  84,  83,  82,  81,  80,  72, 79,  //
};

constexpr std::array<int, BoardSide> ColumnLefts{4440, 5370, 6285, 7215, 8145, 9060, 9990, 10920};
constexpr std::array<int, BoardSide> ShadowColumnLefts{4560, 5490, 6405,  7335,
                                                       8265, 9180, 10110, 11040};
constexpr int FirstRowTop = 840;
constexpr int RowPitch = 960;
constexpr int ShadowDrop = 120;
constexpr int SquareSize = 765;

// Hand placement in the original design: some squares sit a few twips off the grid.
int boardSquareLeft(int boardIndex) {
    const int row = boardIndex / BoardSide;
    const int column = boardIndex % BoardSide;
    switch (boardIndex) {
    case 14:
        return 9960;
    case 17:
    case 33:
        return 5400;
    case 51:
        return 7200;
    default:
        break;
    }
    if (row >= 4 && column == 2)
        return 6290;
    if (row >= 4 && column == 4)
        return 8140;
    if (row >= 4 && column == 5)
        return 9065;
    if (row >= 5 && column == 1)
        return 5365;
    return ColumnLefts[column];
}

int shadowSquareLeft(int boardIndex) {
    switch (boardIndex) {
    case 14:
        return 10080;
    case 17:
    case 33:
        return 5520;
    case 51:
        return 7320;
    default:
        return ShadowColumnLefts[boardIndex % BoardSide];
    }
}

std::array<int, 59> computeDistinctProducts() {
    std::set<int> products;
    for (int a = 1; a <= 12; ++a)
        for (int b = 1; b <= 12; ++b)
            products.insert(a * b);
    std::array<int, 59> sorted{};
    std::copy(products.begin(), products.end(), sorted.begin());
    return sorted;
}

std::array<int, BoardSquareCount> computeSquareProducts() {
    std::array<int, BoardSquareCount> squareProducts{};
    const auto& products = distinctProducts();
    std::size_t next = 0;
    for (int index = 0; index < BoardSquareCount; ++index)
        squareProducts[index] = squareKind(index) == SquareKind::Numbered ? products[next++] : 0;
    return squareProducts;
}

const std::array<int, BoardSquareCount>& squareProducts() {
    static const auto table = computeSquareProducts();
    return table;
}

} // namespace

bool isCornerIndex(int boardIndex) {
    return std::find(CornerIndices.begin(), CornerIndices.end(), boardIndex) != CornerIndices.end();
}

SquareKind squareKind(int boardIndex) {
    if (isCornerIndex(boardIndex))
        return SquareKind::Corner;
    if (boardIndex == FreeSquareIndex)
        return SquareKind::Free;
    return SquareKind::Numbered;
}

int squareProduct(int boardIndex) {
    return squareProducts().at(boardIndex);
}

const std::array<int, 59>& distinctProducts() {
    static const auto table = computeDistinctProducts();
    return table;
}

int boardIndexOfProduct(int product) {
    const auto& table = squareProducts();
    for (int index = 0; index < BoardSquareCount; ++index)
        if (product > 0 && table[index] == product)
            return index;
    return -1;
}

bool isShadowIndex(int labelIndex) {
    return labelIndex >= BoardSquareCount && labelIndex < SquareLabelCount;
}

int shadowIndexBehind(int boardIndex) {
    return ShadowBehind.at(boardIndex);
}

int boardIndexInFrontOf(int shadowIndex) {
    const auto found = std::find(ShadowBehind.begin(), ShadowBehind.end(), shadowIndex);
    return found == ShadowBehind.end() ? -1 : static_cast<int>(found - ShadowBehind.begin());
}

QString squareCaption(int labelIndex) {
    if (isShadowIndex(labelIndex)) {
        const int boardIndex = boardIndexInFrontOf(labelIndex);
        return boardIndex == FreeSquareIndex ? QString() : squareCaption(boardIndex);
    }
    switch (squareKind(labelIndex)) {
    case SquareKind::Corner:
        return CornerCaption;
    case SquareKind::Free:
        return FreeCaption;
    case SquareKind::Numbered:
        break;
    }
    return QString::number(squareProduct(labelIndex));
}

QRect squareGeometryTwips(int labelIndex) {
    if (isShadowIndex(labelIndex)) {
        const int boardIndex = boardIndexInFrontOf(labelIndex);
        const int top = FirstRowTop + (boardIndex / BoardSide) * RowPitch + ShadowDrop;
        return {shadowSquareLeft(boardIndex), top, SquareSize, SquareSize};
    }
    const int top = FirstRowTop + (labelIndex / BoardSide) * RowPitch;
    return {boardSquareLeft(labelIndex), top, SquareSize, SquareSize};
}

QRect twipsToPixels(const QRect& twips) {
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

} // namespace quintarlow
