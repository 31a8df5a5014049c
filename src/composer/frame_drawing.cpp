#include "composer/frame_drawing.h"

#include "composer/colour_split.h"
#include "texteffects/text_colours.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quiverel {

namespace {

int rounded(double v) {
    return int(std::nearbyint(v));
}

// The inner half's shade: red and green run as fractions, blue as a whole
// number rounded after every step, so a step under half a unit leaves it.
class Shade {
public:
    Shade(const Rgb16& base, double from, double to, double rest)
        : red_(float(base.red / from)), green_(base.green / from),
          blue_(std::max(rounded(base.blue / from), 0)), dr_(float((base.red / to - red_) / rest)),
          dg_((base.green / to - green_) / rest), db_((base.blue / to - base.blue / from) / rest) {}

    QColor colour() const { return QColor(rounded(red_), rounded(green_), blue_); }
    void step() {
        red_ = std::max(red_ + dr_, 0.0f);
        green_ = std::max(green_ + dg_, 0.0);
        blue_ = std::max(rounded(blue_ + db_), 0);
    }

private:
    float red_;
    double green_;
    int blue_;
    float dr_;
    double dg_;
    double db_;
};

// One-pixel lines from (x0, y0) to (x1, y1), the end left out.
void hline(QPainter& p, int x0, int x1, int y, const QColor& c) {
    if (x1 > x0) p.fillRect(x0, y, x1 - x0, 1, c);
}
void vline(QPainter& p, int x, int y0, int y1, const QColor& c) {
    if (y1 > y0) p.fillRect(x, y0, 1, y1 - y0, c);
}

void drawGradient(QPainter& p, QSize size, const Rgb16& c, double T) {
    const int SW = size.width(), SH = size.height();
    const double half = T / 2, rest = T - half;
    // The shade begins right after the last line in the frame colour: rounding
    // half + 1 on its own would leave a line of the picture between them.
    const int lastBase = rounded(half), firstShade = lastBase + 1, last = rounded(T);
    const QColor base(c.red, c.green, c.blue);
    const QColor light(std::min(2 * c.red, 255), std::min(2 * c.green, 255),
                       std::min(2 * c.blue, 255));
    const QColor dark(c.red / 2, c.green / 2, c.blue / 2);

    hline(p, 0, SW, 0, light);
    for (int i = 1; i <= lastBase; ++i)
        hline(p, i, SW - i, i, base);
    Shade top(c, 1.5, 5.0, rest);
    for (int i = firstShade; i <= last; ++i, top.step())
        hline(p, i, SW - i, i, top.colour());

    vline(p, 0, 0, SH - 1, light);
    for (int i = 1; i <= lastBase; ++i)
        vline(p, i, i, SH - i - 1, base);
    Shade left(c, 1.5, 5.0, rest);
    for (int i = firstShade; i <= last; ++i, left.step())
        vline(p, i, i, SH - i - 1, left.colour());

    vline(p, SW - 1, 0, SH, dark);
    for (int i = 1; i <= lastBase; ++i)
        vline(p, SW - 1 - i, i, SH - i, base);
    Shade right(c, 1.2, 2.0, rest);
    for (int i = firstShade; i <= last; ++i, right.step())
        vline(p, SW - 1 - i, i, SH - i, right.colour());

    hline(p, 0, SW - 1, SH - 1, dark);
    for (int i = 1; i <= lastBase; ++i)
        hline(p, i, SW - 1 - i, SH - 1 - i, base);
    Shade bottom(c, 1.2, 2.0, rest);
    for (int i = firstShade; i <= last; ++i, bottom.step())
        hline(p, i, SW - 1 - i, SH - 1 - i, bottom.colour());
}

} // namespace

void DrawFrameFullSize(QImage& target, const FrameSettings& frame, double scaleX) {
    if (target.isNull() || frame.width < 2 || !(scaleX > 0)) return;
    const double T = std::min(frame.width, 25) * scaleX;
    const Rgb16 c = ColorCodeToRGB(frame.colour);
    QPainter p(&target);
    if (frame.solid) {
        const int t = rounded(T), SW = target.width(), SH = target.height();
        const QColor colour = toQColor(frame.colour);
        p.fillRect(0, 0, SW, t, colour);
        p.fillRect(0, 0, t, SH, colour);
        p.fillRect(SW - t, 0, t, SH, colour);
        p.fillRect(0, SH - t, SW, t, colour);
        return;
    }
    drawGradient(p, target.size(), c, T);
}

} // namespace quiverel
