#include "imaging/alpha_flatten.h"

#include <QPainter>

namespace quiverel {

QImage flattenOntoWhite(const QImage& picture) {
    if (picture.isNull() || !picture.hasAlphaChannel()) return picture;
    QImage out(picture.size(), QImage::Format_RGB32);
    if (out.isNull()) return {};
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, 0, picture);
    painter.end();
    return out;
}

} // namespace quiverel
