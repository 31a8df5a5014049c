#include "catalogue/load_thumbnail.h"

#include "catalogue/file_names.h"
#include "util/regular_file.h"

#include <QImageReader>

namespace quiverel {

QImage loadThumbnail(const QString& folder, const QString& name) {
    QFile file;
    if (!openRegularFile(thumbnailPathOf(folder, name), file)) return {};
    QImageReader reader(&file);
    // A thumbnail is at most a few hundred pixels; anything huge is not one.
    if (!reader.canRead() || reader.size().width() > 2000 || reader.size().height() > 2000)
        return {};
    return reader.read();
}

} // namespace quiverel
