#pragma once
// Which catalogue rows a page shows and which thumbnails stay cached.

#include <QList>

namespace quiverel {

int pageOffset(int page, int perPage);

// The page after or before, wrapping at the ends.
int nextPage(int page, int pageCount);
int previousPage(int page, int pageCount);

enum class TabMove { Forward, Back, Jump };
// How a tab change from `previous` to `current` moves.
TabMove tabMoveOf(int previous, int current, int pageCount);

// The rows LoadNextPage and LoadPreviousPage fill: first..last inclusive,
// clipped to the catalogue.
struct RowRange {
    int first = 0;
    int last = -1;
};
RowRange nextPageRows(int page, int perPage, int lastIndex);
RowRange previousPageRows(int page, int perPage, int pageCount, int lastIndex);
RowRange pageRows(int page, int perPage, int lastIndex);

// Rows whose cached thumbnails are kept: the current page and the one after,
// the first page, and the page before (on page 1 the last rows).
QList<bool> keepMarks(int page, int perPage, int rowCount);

} // namespace quiverel
