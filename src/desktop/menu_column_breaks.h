#pragma once
// Splitting a long menu into columns of r rows.

#include <QList>

namespace quiverel {

struct MenuColumns {
    int columns = 1;
    int rowsPerColumn = 1;
};

// For a menu of `count` entries: columns = whole part of the square root of
// the count, clamped to 1..4; rows per column = count / columns (integer).
MenuColumns menuColumnsFor(int count);

// The item positions r, 2r, 3r, ... below `count` that start a new column.
QList<int> menuColumnBreaks(int count, int rowsPerColumn);

// Column and row of item `index` when a column holds `rowsPerColumn` items.
struct MenuCell {
    int column = 0;
    int row = 0;
};
MenuCell menuCellOf(int index, int rowsPerColumn);

} // namespace quiverel
