#include "catalogue/paging.h"

#include <algorithm>

namespace quiverel {

int pageOffset(int page, int perPage) {
    return perPage * (page - 1);
}

int nextPage(int page, int pageCount) {
    return page >= pageCount ? 1 : page + 1;
}

int previousPage(int page, int pageCount) {
    return page <= 1 ? pageCount : page - 1;
}

TabMove tabMoveOf(int previous, int current, int pageCount) {
    if (current == previous + 1 || (current == 1 && previous == pageCount)) return TabMove::Forward;
    if (current == previous - 1 || (current == pageCount && previous == 1)) return TabMove::Back;
    return TabMove::Jump;
}

namespace {
RowRange clip(int first, int last, int lastIndex) {
    return {std::max(first, 0), std::min(last, lastIndex)};
}
} // namespace

RowRange nextPageRows(int page, int perPage, int lastIndex) {
    int start = pageOffset(page, perPage) + perPage;
    if (start > lastIndex) start = 0;
    return clip(start, start + perPage, lastIndex);
}

RowRange previousPageRows(int page, int perPage, int pageCount, int lastIndex) {
    const int start = pageOffset(previousPage(page, pageCount), perPage);
    return clip(start, start + perPage, lastIndex);
}

RowRange pageRows(int page, int perPage, int lastIndex) {
    const int start = pageOffset(page, perPage);
    return clip(start, start + perPage - 1, lastIndex);
}

QList<bool> keepMarks(int page, int perPage, int rowCount) {
    QList<bool> keep(rowCount, false);
    const auto mark = [&](int first, int last) {
        for (int i = std::max(first, 0); i <= std::min(last, rowCount - 1); ++i)
            keep[i] = true;
    };
    const int offset = pageOffset(page, perPage);
    mark(offset, offset + 2 * perPage);
    mark(0, perPage);
    if (page > 1)
        mark(offset - perPage, offset);
    else
        mark(rowCount - perPage - 1, rowCount - 1);
    return keep;
}

} // namespace quiverel
