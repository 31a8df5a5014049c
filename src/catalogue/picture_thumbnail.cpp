#include "catalogue/picture_thumbnail.h"

#include "imaging/picture_file.h"
#include "imaging/thumbnail.h"

namespace quiverel {

bool makePictureThumbnail(const QString& source, const QString& target) {
    const QImage thumb = thumbnailOfFile(source, kThumbnailBox);
    return !thumb.isNull() && savePicture(thumb, target);
}

} // namespace quiverel
