#include "composer/frame_preview.h"

#include "composer/colour_split.h"
#include "texteffects/text_colours.h"

#include <algorithm>
#include <cmath>

namespace quiverel {

namespace {

int rounded(double v) {
    return int(std::nearbyint(v));
}

QLineF edgeLine(FrameEdge edge, QSizeF canvas, int i) {
    const double W = canvas.width(), H = canvas.height();
    switch (edge) {
    case Top:
        return {double(i), double(i), W - i, double(i)};
    case Bottom:
        return {double(i), H - i - 1, W - i, H - i - 1};
    case Left:
        return {double(i), double(i), double(i), H - i};
    case Right:
        return {W - i - 1, double(i), W - i - 1, H - i};
    }
    return {};
}

} // namespace

QList<ColourCode> edgeColours(FrameEdge edge, const FrameSettings& frame, int& frameState) {
    const int width = std::clamp(frame.width, 1, kMaxFrameWidth);
    QList<ColourCode> colours(width + 1, frame.colour);
    if (frame.solid) return colours;

    const Rgb16 c = ColorCodeToRGB(frame.colour);
    const bool lit = edge == Top || edge == Left;
    frameState = width / 2;
    colours[0] =
        lit ? colourCode(std::min(2 * c.red, 255), std::min(2 * c.green, 255),
                         std::min(2 * c.blue, 255))
            : colourCode(std::max(c.red / 2, 0), std::max(c.green / 2, 0), std::max(c.blue / 2, 0));
    const double from = lit ? 1.5 : 1.2, to = lit ? 5.0 : 2.0;
    const double r0 = c.red / from, g0 = c.green / from, b0 = c.blue / from;
    const double dr = (c.red / to - r0) / width, dg = (c.green / to - g0) / width,
                 db = (c.blue / to - b0) / width;
    for (int i = std::max(frameState, 1); i <= width; ++i) {
        const int k = i - frameState;
        colours[i] = colourCode(rounded(r0 + k * dr), rounded(g0 + k * dg), rounded(b0 + k * db));
    }
    return colours;
}

FramePreview framePreview(QSizeF canvas, FrameSettings& frame) {
    FramePreview preview;
    if (frame.width < 2) return preview;
    const int width = std::min(frame.width, kMaxFrameWidth);
    for (int e = Top; e <= Right; ++e) {
        const auto edge = FrameEdge(e);
        const QList<ColourCode> colours = edgeColours(edge, frame, frame.state);
        for (int i = 0; i <= width; ++i)
            preview[e].append({edgeLine(edge, canvas, i), colours[i]});
    }
    return preview;
}

} // namespace quiverel
