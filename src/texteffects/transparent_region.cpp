#include "texteffects/transparent_region.h"

#include "texteffects/text_colours.h"

#include <QList>
#include <QRect>

namespace quiverel {

namespace {

// Calls run(y, x0, x1) for every run [x0, x1) of pixels unlike `transparent`.
template <typename Run> void forEachRun(const QImage& picture, ColourCode transparent, Run run) {
    if (picture.isNull()) return;
    const QImage img =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = toRgb(transparent) & 0xffffffu;
    const int w = img.width();
    for (int y = 0; y < img.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x = 0;
        while (x < w) {
            while (x < w && (p[x] & 0xffffffu) == key) // the fourth byte is not looked at
                ++x;
            if (x >= w) break;
            const int x0 = x;
            while (x < w && (p[x] & 0xffffffu) != key)
                ++x;
            run(y, x0, x);
        }
    }
}

} // namespace

QRegion TransparentRegion(const QImage& picture, ColourCode transparent) {
    QList<QRect> rects;
    forEachRun(picture, transparent,
               [&rects](int y, int x0, int x1) { rects.append(QRect(x0, y, x1 - x0, 1)); });
    QRegion region;
    // Rows top to bottom, runs left to right: already in the order setRects wants.
    if (!rects.isEmpty()) region.setRects(rects.constData(), int(rects.size()));
    return region;
}

QImage glyphMask(const QImage& picture, ColourCode transparent) {
    QImage mask(picture.size(), QImage::Format_Mono);
    if (mask.isNull()) return mask;
    mask.setColor(0, qRgb(255, 255, 255));
    mask.setColor(1, qRgb(0, 0, 0));
    mask.fill(0);
    forEachRun(picture, transparent, [&mask](int y, int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            mask.setPixel(x, y, 1);
    });
    return mask;
}

} // namespace quiverel
