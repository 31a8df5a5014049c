#include "texteffects/text_colours.h"

#include <algorithm>
#include <cmath>

namespace quiverel {

namespace {
// Colour codes from elsewhere may carry bits above the 24 of the colour.
std::uint32_t low24(ColourCode c) {
    return std::uint32_t(c) & 0xffffffu;
}
} // namespace

int codeRed(ColourCode c) {
    return int(low24(c) & 0xff);
}

int codeGreen(ColourCode c) {
    return int((low24(c) >> 8) & 0xff);
}

int codeBlue(ColourCode c) {
    return int((low24(c) >> 16) & 0xff);
}

ColourCode colourCode(int red, int green, int blue) {
    auto channel = [](int v) { return std::clamp(v, 0, 255); };
    return channel(red) + 256 * channel(green) + 65536 * channel(blue);
}

ColourCode colourCode(const QColor& c) {
    return colourCode(c.red(), c.green(), c.blue());
}

QColor toQColor(ColourCode c) {
    return QColor(codeRed(c), codeGreen(c), codeBlue(c));
}

QRgb toRgb(ColourCode c) {
    return qRgb(codeRed(c), codeGreen(c), codeBlue(c));
}

int ColorComponent(ColourCode colour, int which) {
    const QString hex =
        QString(QStringLiteral("000000") + QString::number(low24(colour), 16).toUpper()).right(6);
    bool ok = false;
    switch (which) {
    case 1:
        return hex.mid(4, 2).toInt(&ok, 16);
    case 2:
        return hex.mid(0, 2).toInt(&ok, 16);
    case 3:
        return hex.mid(2, 2).toInt(&ok, 16);
    default:
        return 0;
    }
}

ColourCode BlendColor(ColourCode c1, ColourCode c2, int t, int n) {
    if (n == 0) return c1; // nothing to blend over
    auto channel = [t, n](int a, int b) {
        return int(std::nearbyint(a - (a - b) * double(t) / double(n)));
    };
    return colourCode(channel(codeRed(c1), codeRed(c2)), channel(codeGreen(c1), codeGreen(c2)),
                      channel(codeBlue(c1), codeBlue(c2)));
}

} // namespace quiverel
