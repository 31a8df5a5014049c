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

} // namespace

GradientSampler::GradientSampler(GradientKind kind, QSize size, int pen)
    : kind_(kind), size_(size) {
    const int w = std::max(size.width(), 0), h = std::max(size.height(), 0);
    switch (kind) {
    case GradientKind::Horizontal:
        across_.resize(size_t(w));
        for (int x = 0; x < w; ++x)
            across_[size_t(x)] = stripeStep(x + 0.5, w, 1);
        break;
    case GradientKind::Vertical:
        down_.resize(size_t(h));
        for (int y = 0; y < h; ++y)
            down_[size_t(y)] = stripeStep(y + 0.5, h, 2);
        break;
    case GradientKind::Rectangular: {
        // Ring k (0..128) is the box from k to 256 - k in 256ths. Per column
        // and per row: the innermost ring whose box holds the pixel, and the
        // outermost whose band (the pen, widened to the ring spacing so no
        // background shows) holds it.
        const double sx = w / 256.0, sy = h / 256.0;
        const double tx = std::max<double>(pen, std::ceil(sx));
        const double ty = std::max<double>(pen, std::ceil(sy));
        auto fill = [](std::vector<int>& inner, std::vector<int>& first, int n, double s,
                       double t) {
            inner.resize(size_t(n));
            first.resize(size_t(n));
            for (int i = 0; i < n; ++i) {
                const double near = std::min(i + 0.5, n - (i + 0.5));
                inner[size_t(i)] = s > 0 ? int(std::floor(near / s)) : -1;
                first[size_t(i)] = s > 0 ? int(std::floor((near - t) / s)) + 1 : -1;
            }
        };
        fill(across_, acrossFirst_, w, sx, tx);
        fill(down_, downFirst_, h, sy, ty);
        break;
    }
    case GradientKind::Spherical: {
        // Circle i has radius i + 2 in 512ths of the width, round in pixels.
        scale_ = w / 512.0;
        ring_ = std::max<double>(pen, std::ceil(scale_));
        squaresAcross_.resize(size_t(w));
        squaresDown_.resize(size_t(h));
        for (int x = 0; x < w; ++x)
            squaresAcross_[size_t(x)] = std::pow(x + 0.5 - w / 2.0, 2);
        for (int y = 0; y < h; ++y)
            squaresDown_[size_t(y)] = std::pow(y + 0.5 - h / 2.0, 2);
        break;
    }
    }
}

int GradientSampler::step(int x, int y) const {
    if (x < 0 || y < 0 || x >= size_.width() || y >= size_.height()) return -1;
    switch (kind_) {
    case GradientKind::Horizontal:
        return across_[size_t(x)];
    case GradientKind::Vertical:
        return down_[size_t(y)];
    case GradientKind::Rectangular: {
        const int inner = std::min({across_[size_t(x)], down_[size_t(y)], 128});
        if (inner < 0) return -1;
        if (inner == 0) return 0; // only the outermost ring, drawn once
        // Of the rings holding the pixel, the one drawn last is the outermost
        // but ring 0, in its second drawing at step 256 - k.
        const int first = std::min(acrossFirst_[size_t(x)], downFirst_[size_t(y)]);
        return 256 - std::clamp(first, 1, inner);
    }
    case GradientKind::Spherical: {
        if (scale_ <= 0) return -1;
        const double d = std::sqrt(squaresAcross_[size_t(x)] + squaresDown_[size_t(y)]);
        if (d > 257.0 * scale_) return -1;
        // The last circle drawn over the pixel; the innermost disc takes step 0.
        return std::clamp(int(std::ceil((d + ring_) / scale_ - 2.0)) - 1, 0, 255);
    }
    }
    return -1;
}

int gradientStep(GradientKind kind, QSize size, int pen, int x, int y) {
    return GradientSampler(kind, size, pen).step(x, y);
}

void PaintGradient(QImage& surface, ColourCode c1, ColourCode c2, GradientKind kind, int pen) {
    if (surface.format() != QImage::Format_RGB32 && surface.format() != QImage::Format_ARGB32)
        surface = surface.convertToFormat(QImage::Format_RGB32);
    const auto colours = gradientColours(c1, c2);
    const GradientSampler sampler(kind, surface.size(), pen);
    for (int y = 0; y < surface.height(); ++y) {
        auto* d = reinterpret_cast<QRgb*>(surface.scanLine(y));
        for (int x = 0; x < surface.width(); ++x) {
            const int step = sampler.step(x, y);
            d[x] = step < 0 ? qRgb(255, 255, 255) : colours[size_t(step)];
        }
    }
}

void DrawGradientText(QImage& target, const TextJob& job, ColourCode c1, ColourCode c2,
                      int offset) {
    DrawGradientText(target, job, textCoverage(job.font, textLines(job.text)), c1, c2, offset);
}

void DrawGradientText(QImage& target, const TextJob& job, const Coverage& mask, ColourCode c1,
                      ColourCode c2, int offset) {
    // The scratch surface: 10 pixels larger than the text box each way; the
    // gradient is worked out only where the glyphs cover it.
    const QSize scratch = job.box + QSize(10, 10);
    const GradientSampler sampler(job.gradient, scratch, job.gradientPen);
    const auto colours = gradientColours(c1, c2);
    const QRgb white = qRgb(255, 255, 255);
    const QPoint corner = job.origin + QPoint(offset, offset);
    const QRect inScratch =
        QRect(mask.offset, mask.alpha.size()).intersected(QRect(QPoint(0, 0), scratch));
    const QRect area = inScratch.translated(corner).intersected(target.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int sy = y - corner.y();
        const uchar* a = mask.alpha.constScanLine(sy - mask.offset.y());
        auto* d = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const int sx = x - corner.x();
            const int v = a[sx - mask.offset.x()];
            if (v == 0) continue;
            const int step = sampler.step(sx, sy);
            const QRgb g = step < 0 ? white : colours[size_t(step)];
            d[x] = (v == 255 ? g : mixRgb(d[x], g, v)) | 0xff000000u;
        }
    }
}

} // namespace quiverel
