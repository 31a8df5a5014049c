#include "imaging/thumbnail.h"

#include "imaging/fit_resample.h"
#include "imaging/picture_file.h"

namespace quiverel {

QImage thumbnailOfFile(const QString& path, QSize box, QString* error) {
    DecodeOptions options;
    options.fitBox = box;
    const QImage picture = loadPicture(path, options, error);
    if (picture.isNull()) return {};
    return fitResample(picture, box);
}

} // namespace quiverel
