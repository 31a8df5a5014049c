#include "texteffects/gradient.h"

#include "texteffects/text_colours.h"
#include "texteffects/text_layout.h"
#include "texteffects/text_renderer.h"

#include <algorithm>
#include <cmath>

namespace quiverel {

std::array<QRgb, 256> gradientColours(ColourCode c1, ColourCode c2) {
    const int r1 = ColorComponent(c1, 1), g1 = ColorComponent(c1, 3), b1 = ColorComponent(c1, 2);
    const int r2 = ColorComponent(c2, 1), g2 = ColorComponent(c2, 3), b2 = ColorComponent(c2, 2);
    std::array<QRgb, 256> out{};
    double dr = 0, dg = 0, db = 0;
    for (int i = 0; i < 256; ++i) {
        auto channel = [](double v) { return std::clamp(int(std::nearbyint(v)), 0, 255); };
        out[size_t(i)] = qRgb(channel(r1 + dr), channel(g1 + dg), channel(b1 + db));
        dr += (r2 - r1) / 255.0;
        dg += (g2 - g1) / 255.0;
        db += (b2 - b1) / 255.0;
    }
    return out;
}

namespace {

// Columns (horizontal) or bands (vertical): step i fills from (i - lag) to i
// in 256ths of the surface, later steps over earlier ones.
int stripeStep(double centre, double length, int lag) {
    const double s = length / 256.0;
    if (s <= 0 || centre > 255.0 * s) return -1;
    return std::min(255, int(std::floor(centre / s)) + lag);
}

// Ring k (0..128) is the box from k to 256 - k in 256ths. Steps 0..128 draw
// rings 0..128 inwards, steps 129..255 rings 127..1 outwards again; a ring is
// `pen` pixels wide, widened to the ring spacing so no background shows.
int rectangularStep(QSize size, int pen, double xc, double yc) {
    const double sx = size.width() / 256.0, sy = size.height() / 256.0;
    if (sx <= 0 || sy <= 0) return -1;
    const double tx = std::max<double>(pen, std::ceil(sx));
    const double ty = std::max<double>(pen, std::ceil(sy));
    const double sides[4][3] = {
        {xc, sx, tx}, {size.width() - xc, sx, tx}, {yc, sy, ty}, {size.height() - yc, sy, ty}};
    int inner = 128; // the innermost ring whose box holds the pixel
    int first = 128; // the outermost ring whose band holds it
    for (const auto& side : sides) {
        inner = std::min(inner, int(std::floor(side[0] / side[1])));
        first = std::min(first, int(std::floor((side[0] - side[2]) / side[1])) + 1);
    }
    if (inner < 0) return -1;
    if (inner == 0) return 0; // only the outermost ring, drawn once
    // Of the rings holding the pixel, the one drawn last is the outermost
    // but ring 0, in its second drawing at step 256 - k.
    return 256 - std::clamp(first, 1, inner);
}

// Circle i has radius i + 2 in 512ths of the width, round in pixels, about
// the middle; later circles over earlier ones. The innermost disc takes step 0.
int sphericalStep(QSize size, int pen, double xc, double yc) {
    const double s = size.width() / 512.0;
    if (s <= 0) return -1;
    const double t = std::max<double>(pen, std::ceil(s));
    const double d = std::hypot(xc - size.width() / 2.0, yc - size.height() / 2.0);
    if (d > 257.0 * s) return -1;
    const int i = int(std::ceil((d + t) / s - 2.0)) - 1;
    return std::clamp(i, 0, 255);
}

} // namespace

int gradientStep(GradientKind kind, QSize size, int pen, int x, int y) {
    const double xc = x + 0.5, yc = y + 0.5;
    switch (kind) {
    case GradientKind::Horizontal:
        return stripeStep(xc, size.width(), 1);
    case GradientKind::Vertical:
        return stripeStep(yc, size.height(), 2);
    case GradientKind::Rectangular:
        return rectangularStep(size, pen, xc, yc);
    case GradientKind::Spherical:
        return sphericalStep(size, pen, xc, yc);
    }
    return -1;
}

void PaintGradient(QImage& surface, ColourCode c1, ColourCode c2, GradientKind kind, int pen) {
    if (surface.format() != QImage::Format_RGB32 && surface.format() != QImage::Format_ARGB32)
        surface = surface.convertToFormat(QImage::Format_RGB32);
    const auto colours = gradientColours(c1, c2);
    const QSize size = surface.size();
    for (int y = 0; y < size.height(); ++y) {
        auto* d = reinterpret_cast<QRgb*>(surface.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int step = gradientStep(kind, size, pen, x, y);
            d[x] = step < 0 ? qRgb(255, 255, 255) : colours[size_t(step)];
        }
    }
}

void DrawGradientText(QImage& target, const TextJob& job, ColourCode c1, ColourCode c2,
                      int offset) {
    // The scratch surface A: 10 pixels larger than the text box each way.
    const QSize scratch = job.box + QSize(10, 10);
    QImage gradient = whiteSurface(scratch);
    PaintGradient(gradient, c1, c2, job.gradient, job.gradientPen);
    const Coverage mask = textCoverage(job.font, textLines(job.text));
    const QPoint corner = job.origin + QPoint(offset, offset);
    // Where the mask lies inside A, and where that lands on the target.
    const QRect inScratch =
        QRect(mask.offset, mask.alpha.size()).intersected(QRect(QPoint(0, 0), scratch));
    const QRect area = inScratch.translated(corner).intersected(target.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int sy = y - corner.y();
        const uchar* a = mask.alpha.constScanLine(sy - mask.offset.y());
        const auto* g = reinterpret_cast<const QRgb*>(gradient.constScanLine(sy));
        auto* d = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const int sx = x - corner.x();
            const int v = a[sx - mask.offset.x()];
            if (v == 0) continue;
            d[x] = (v == 255 ? g[sx] : mixRgb(d[x], g[sx], v)) | 0xff000000u;
        }
    }
}

} // namespace quiverel
