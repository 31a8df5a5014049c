#include "desktop/menu_column_breaks.h"

#include <algorithm>
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

} // namespace quiverel
