#include "renamereplace/clash_geometry.h"

namespace quiverel {

QRectF fittedPictureRect(QSize picture, const QRectF& area) {
    if (picture.isEmpty()) return area;
    const QSizeF fitted = QSizeF(picture).scaled(area.size(), Qt::KeepAspectRatio);
    QRectF r(QPointF(0, 0), fitted);
    r.moveCenter(area.center());
    return r;
}

QList<QLineF> clashArrowLines() {
    QList<QLineF> lines;
    for (const int c : {55, 95})
        for (int i = 15; i >= 1; --i)
            lines.append(QLineF(207 - i, c - i, 207 - i, c + i));
    return lines;
}

} // namespace quiverel
