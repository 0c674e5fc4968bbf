#include "widgets/fonts.h"

#include <cmath>

namespace quintarlow {

QFont gameFont(Face face, double points, int style) {
    QString family;
    switch (face) {
    case Face::MsSansSerif:
    case Face::Arial:
        family = QStringLiteral("Liberation Sans");
        break;
    case Face::Palatino:
        family = QStringLiteral("P052");
        break;
    case Face::Tahoma:
        family = QStringLiteral("DejaVu Sans");
        break;
    case Face::ComicSans:
        family = QStringLiteral("Comic Neue");
        break;
    }
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold((style & Bold) != 0);
    font.setItalic((style & Italic) != 0);
    font.setStyleHint(face == Face::Palatino ? QFont::Serif : QFont::SansSerif);
    return font;
}

} // namespace quintarlow
