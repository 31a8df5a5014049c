#include "catalogue/picture_cache.h"

#include "catalogue/file_names.h"
#include "catalogue/load_thumbnail.h"
#include "catalogue/paging.h"

#include <QFile>

namespace quiverel {

void loadCacheRows(Catalogue& cat, const QString& folder, int first, int last,
                   const PictureThumbnailer& thumbnailer) {
    for (int i = first; i <= last && i < cat.rows.size(); ++i) {
        const CatalogueRow& row = cat.rows[i];
        if (!cat.pictureCache[i].isNull() || row.fileName.isEmpty()) continue;
        cat.pictureCache[i] = loadThumbnail(folder, row.fileName);
        if (!cat.pictureCache[i].isNull()) continue;
        // A damaged or missing thumbnail is made again rather than ending the program.
        const QString thumb = thumbnailPathOf(folder, row.fileName);
        QFile::remove(thumb);
        if (makeThumbnailNow(
                {i, folder + row.fileName, thumb, row.dateTime, isTextType(row.fileName)},
                thumbnailer))
            cat.pictureCache[i] = loadThumbnail(folder, row.fileName);
    }
}

void trimPictureCache(Catalogue& cat) {
    const QList<bool> keep = keepMarks(cat.currentPage, cat.thumbsPerPage, int(cat.rows.size()));
    for (int i = 0; i < cat.pictureCache.size() && i < keep.size(); ++i)
        if (!keep[i]) cat.pictureCache[i] = QImage();
}

QList<QImage> pagePictures(const Catalogue& cat, int cells) {
    const int offset = pageOffset(cat.currentPage, cat.thumbsPerPage);
    QList<QImage> pictures(cells);
    for (int k = 0; k < cells && k < cat.thumbsPerPage; ++k) {
        const int row = offset + k;
        if (row <= cat.lastIndex() && row < cat.pictureCache.size())
            pictures[k] = cat.pictureCache[row];
    }
    return pictures;
}

} // namespace quiverel
