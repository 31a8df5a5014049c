#include "render_support.h"

#include "texteffects/text_colours.h"

#include <algorithm>

namespace quiverel::test {

QFont testFont(double points) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

QFont crispFont(double points) {
    QFont f = testFont(points);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

TextJob previewJob(TextStyle style, const QString& text, const QFont& font, int value) {
    TextJob job;
    job.text = text;
    job.font = font;
    job.style = style;
    int maximum = kDefaultDepthMaximum, minimum = 0;
    if (const auto range = styleSliderRange(style, font.pointSizeF())) {
        minimum = range->minimum;
        maximum = range->maximum;
    }
    job.box = PreviewSize(text, font, style, value);
    job.depth = std::clamp(value, minimum, std::max(minimum, maximum));
    job.outlineWidth = outlineWidth(style, font.pointSizeF(), maximum, job.depth);
    job.fontColour = 255;        // red
    job.secondColour = 16711680; // blue
    job.faceColour = 65280;      // green
    job.colour3d1 = 65535;       // yellow
    job.colour3d2 = 16711935;    // magenta
    job.gradient = GradientKind::Horizontal;
    return job;
}

QImage renderPreview(const TextJob& job) {
    QImage img(job.box, QImage::Format_RGB32);
    img.fill(Qt::white);
    DrawStyledText(img, job);
    return img;
}

QRect boundsOf(const QImage& img, const std::function<bool(QRgb)>& keep) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (keep(img.pixel(x, y))) r |= QRect(x, y, 1, 1);
    return r;
}

QRect boundsOfColour(const QImage& img, QRgb colour) {
    return boundsOf(img, [colour](QRgb p) { return (p & 0xffffff) == (colour & 0xffffff); });
}

QRect nonWhiteBounds(const QImage& img) {
    return boundsOf(img, [](QRgb p) { return (p & 0xffffff) != 0xffffff; });
}

int countPixels(const QImage& img, const std::function<bool(QRgb)>& keep) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += keep(img.pixel(x, y)) ? 1 : 0;
    return n;
}

QList<QPoint> innerPixels(const QImage& img, QRgb colour) {
    QList<QPoint> out;
    auto is = [&](int x, int y) {
        return img.rect().contains(x, y) && (img.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    };
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            bool all = true;
            for (int j = -1; j <= 1 && all; ++j)
                for (int i = -1; i <= 1 && all; ++i)
                    all = is(x + i, y + j);
            if (all) out.append(QPoint(x, y));
        }
    return out;
}

} // namespace quiverel::test
