#pragma once
// The catalogue's picture cache: the thumbnails of the pages around the one
// shown, loaded from their files.

#include "app/state.h"
#include "catalogue/thumbnail_batch.h"

#include <QImage>
#include <QList>

namespace quiverel {

// Loads the thumbnails of rows first..last that are not cached yet; a
// damaged or missing thumbnail is made again.
void loadCacheRows(Catalogue& cat, const QString& folder, int first, int last,
                   const PictureThumbnailer& thumbnailer);

// Drops the thumbnails of rows outside the pages kept around the current one.
void trimPictureCache(Catalogue& cat);

// What each of `cells` cells of the current page shows: a null image for none.
QList<QImage> pagePictures(const Catalogue& cat, int cells);

} // namespace quiverel
