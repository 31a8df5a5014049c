#include "catalogue/grid_geometry.h"

namespace quiverel {

GridCell gridCellOf(int k, int columns) {
    const int c = columns > 0 ? columns : 1;
    return {k / c + 1, k % c};
}

QRect cellFrame(int k, int columns) {
    const GridCell cell = gridCellOf(k, columns);
    return {cell.column * 132 + 5, (cell.row - 1) * 102 + 3, 130, 100};
}

QPoint cellCentre(int k, int columns) {
    const GridCell cell = gridCellOf(k, columns);
    return {cell.column * 132 + 70, (cell.row - 1) * 102 + 53};
}

QRectF fittedThumbnail(QSize picture, int k, int columns) {
    const double w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0) return {};
    const double scale = h / w < 0.75 ? w / 120.0 : h / 90.0;
    const QSizeF size(w / scale, h / scale);
    const QPointF centre = cellCentre(k, columns);
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
            size.height()};
}

int cellAt(QPointF u, int columns, int cells) {
    for (int k = 0; k < cells; ++k)
        if (QRectF(cellFrame(k, columns)).contains(u)) return k;
    return -1;
}

} // namespace quiverel
