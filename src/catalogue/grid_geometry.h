#pragma once
// Places of the thumbnail cells, in the scale units of the grid (pixels at
// GUI scale 1).

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace quiverel {

// Cell k shows catalogue row page offset + k; rows are 1-based, columns 0-based.
struct GridCell {
    int row = 1;
    int column = 0;
};
GridCell gridCellOf(int k, int columns);

// The 130 x 100 frame of cell k: left = column x 132 + 5, top = (row - 1) x 102 + 3.
QRect cellFrame(int k, int columns);
// The cell's centre: column x 132 + 70, (row - 1) x 102 + 53.
QPoint cellCentre(int k, int columns);

// A picture of w x h fitted into 120 x 90 (scale by width when h / w is
// below 0.75, else by height), centred on the cell centre.
QRectF fittedThumbnail(QSize picture, int k, int columns);

// The grid index under a point in grid units, or -1.
int cellAt(QPointF units, int columns, int cells);

} // namespace quiverel
