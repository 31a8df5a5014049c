#include "imaging/fit_resample.h"

#include <algorithm>
#include <cmath>

namespace quiverel {

QSize fitSize(QSize source, QSize box) {
    if (source.isEmpty() || box.isEmpty()) return source;
    const double scale =
        std::min(double(box.width()) / source.width(), double(box.height()) / source.height());
    const int w = std::clamp(int(std::lround(source.width() * scale)), 1, box.width());
    const int h = std::clamp(int(std::lround(source.height() * scale)), 1, box.height());
    return {w, h};
}

namespace {

// Qt's smooth scaling averages areas only on 32-bit pixels; palette and
// 1-bit pictures would otherwise be scaled by picking pixels.
QImage scalable(const QImage& picture) {
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_RGBX64:
        return picture;
    default:
        return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                 : QImage::Format_RGB32);
    }
}

} // namespace

QImage stretchResample(const QImage& picture, QSize size) {
    if (picture.isNull() || size.isEmpty() || picture.size() == size) return picture;
    return scalable(picture).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage fitResample(const QImage& picture, QSize box) {
    return stretchResample(picture, fitSize(picture.size(), box));
}

} // namespace quiverel
