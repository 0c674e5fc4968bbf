#pragma once

#include <cstdint>

namespace quintarlow {

// Colours are kept in the 0x00BBGGRR layout the game's rules speak in (red in the lowest
// byte), so a square's back colour can be compared with the claim colour as a number.
using VbColour = std::uint32_t;

namespace Colour {
inline constexpr VbColour White = 0x00FFFFFF;
inline constexpr VbColour Black = 0x00000000;
inline constexpr VbColour Blue = 0x00FF0000;
inline constexpr VbColour Red = 0x000000FF;
inline constexpr VbColour Yellow = 0x0000FFFF;
inline constexpr VbColour Green = 0x0000C000;
inline constexpr VbColour BrightGreen = 0x0000FF00;
inline constexpr VbColour Orange = 0x000080FF;
inline constexpr VbColour DarkBlue = 0x00C00000;
// Desktop theme colours: resolved to the palette when drawn.
inline constexpr VbColour SystemWindowBackground = 0x80000005;
inline constexpr VbColour SystemWindowText = 0x80000008;
inline constexpr VbColour SystemButtonFace = 0x8000000F;
inline constexpr VbColour SystemButtonText = 0x80000012;
} // namespace Colour

constexpr bool isSystemColour(VbColour colour) {
    return (colour & 0xFF000000u) == 0x80000000u;
}
constexpr int redOf(VbColour colour) {
    return static_cast<int>(colour & 0xFFu);
}
constexpr int greenOf(VbColour colour) {
    return static_cast<int>((colour >> 8) & 0xFFu);
}
constexpr int blueOf(VbColour colour) {
    return static_cast<int>((colour >> 16) & 0xFFu);
}

enum class Player { Nobody, Blue, Red };

} // namespace quintarlow
