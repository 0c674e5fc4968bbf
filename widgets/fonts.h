#pragma once

#include <QFont>

namespace quintarlow {

// The faces the screens were designed with, mapped to Debian's fonts. Sizes are converted
// from points to pixels at 96 dpi so that the layout does not change with the display.
enum class Face {
    MsSansSerif, // Liberation Sans
    Arial,       // Liberation Sans
    Palatino,    // P052
    Tahoma,      // DejaVu Sans
    ComicSans,   // Comic Neue
};

enum FontStyle { Regular = 0, Bold = 1, Italic = 2 };

QFont gameFont(Face face, double points, int style = Regular);

} // namespace quintarlow
