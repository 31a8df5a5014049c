#pragma once
// Splitting a long menu into columns of r rows.

#include <QList>
#include <QSize>

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

// How a menu of `count` entries, each at most `cell` large, stands in the
// `room` the screen gives it: the wanted rows per column while they fit the
// room's height, else as many as fit; as many columns as the rows need. When
// those are wider than the room the menu scrolls sideways, and its scroll
// bar (`scrollBarHeight`) takes room from the rows.
struct MenuGrid {
    int rowsPerColumn = 1;
    int columns = 1;
    bool scrolls = false;
};
MenuGrid menuGridFor(int count, int wantedRows, QSize cell, QSize room, int scrollBarHeight);

} // namespace quiverel
