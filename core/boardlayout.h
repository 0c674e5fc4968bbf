#pragma once

#include <QLatin1String>
#include <QRect>
#include <QString>
#include <array>

namespace quintarlow {

inline constexpr int BoardSide = 8;
inline constexpr int BoardSquareCount = 64;
// The board holds the 64 squares followed by the 64 black shadow squares behind them.
inline constexpr int SquareLabelCount = 128;
inline constexpr int FreeSquareIndex = 28;
inline constexpr int TwipsPerPixel = 15;

// Special squares are recognised by their exact captions, blanks included.
inline constexpr QLatin1String CornerCaption{"     Quintarlow!"};
inline constexpr QLatin1String FreeCaption{"  FREE"};

enum class SquareKind { Corner, Free, Numbered };

SquareKind squareKind(int boardIndex);
bool isCornerIndex(int boardIndex);

// The caption of square label `index`, 0 to 127: a product, the corner title, "  FREE", or (for the
// shadow behind the FREE square) nothing.
QString squareCaption(int labelIndex);

// The product a numbered square carries; 0 for a corner or the FREE square.
int squareProduct(int boardIndex);

// The 59 distinct products a x b with a and b from 1 to 12, ascending.
const std::array<int, 59>& distinctProducts();

// The board square whose product is `product`, or -1 when no square carries it.
int boardIndexOfProduct(int product);

bool isShadowIndex(int labelIndex);
int shadowIndexBehind(int boardIndex);
int boardIndexInFrontOf(int shadowIndex);

// Geometry of square label `index` in twips, as the board was designed.
QRect squareGeometryTwips(int labelIndex);

constexpr int twipsToPixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
QRect twipsToPixels(const QRect& twips);

} // namespace quintarlow
