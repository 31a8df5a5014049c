#include "desktop/menu_column_breaks.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace quiverel {

MenuColumns menuColumnsFor(int count) {
    MenuColumns m;
    m.columns = std::clamp(int(std::sqrt(double(std::max(count, 0)))), 1, 4);
    m.rowsPerColumn = std::max(count / m.columns, 1);
    return m;
}

QList<int> menuColumnBreaks(int count, int rowsPerColumn) {
    QList<int> breaks;
    if (rowsPerColumn < 1) return breaks;
    for (int p = rowsPerColumn; p < count; p += rowsPerColumn)
        breaks.append(p);
    return breaks;
}

MenuCell menuCellOf(int index, int rowsPerColumn) {
    const int r = std::max(rowsPerColumn, 1);
    return {index / r, index % r};
}

MenuGrid menuGridFor(int count, int wantedRows, QSize cell, QSize room, int scrollBarHeight) {
    count = std::max(count, 0);
    const auto rowsIn = [&](int height) {
        const int fit = cell.height() > 0 ? std::max(height / cell.height(), 1) : wantedRows;
        return std::clamp(std::min(wantedRows, fit), 1, std::max(count, 1));
    };
    const auto columnsFor = [&](int rows) { return std::max((count + rows - 1) / rows, 1); };
    const int columnsFit = cell.width() > 0 ? std::max(room.width() / cell.width(), 1) : INT_MAX;
    MenuGrid g;
    g.rowsPerColumn = rowsIn(room.height());
    g.columns = columnsFor(g.rowsPerColumn);
    if (g.columns > columnsFit) {
        g.scrolls = true;
        g.rowsPerColumn = rowsIn(room.height() - scrollBarHeight);
        g.columns = columnsFor(g.rowsPerColumn);
    }
    return g;
}

} // namespace quiverel
