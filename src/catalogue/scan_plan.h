#pragma once
// One folder scan as a plan: the folder listed and tidied on disk, and what
// the grid is to show and which thumbnails are to be made.

#include "app/state.h"
#include "catalogue/thumbnail_batch.h"

#include <QList>

namespace quiverel {

struct ScanPlan {
    bool readable = true;
    int pictures = 0;         // pictures and text files found
    QList<CatalogueRow> rows; // in the sort order; an empty folder gives one empty row
    int pageCount = 1;
    QList<ThumbnailJob> missing; // thumbnails to make, in row order
};

// Lists the folder, sanitises names, renames clashes, removes stale
// thumbnails, sorts, counts pages and lists the thumbnails still missing
// (their folder is made here).
ScanPlan planFolderScan(const QString& folder, int sortOrder, int perPage);

} // namespace quiverel
