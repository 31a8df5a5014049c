#pragma once
// Writing a picture into the bytes of a file format.

#include "imaging/picture_format.h"

#include <QByteArray>
#include <QImage>
#include <optional>

namespace quiverel {

struct EncodeOptions {
    // JPEG 2000 only: the largest file size wanted; without it a fixed high
    // quality is used.
    std::optional<qint64> jp2TargetBytes;
    // JPEG only.
    int jpegQuality = 90;
};

// The picture in `format`: BMP as 24-bit, JPEG, PNG (alpha kept), GIF with a
// palette of its own, JPEG 2000 (.jp2 or codestream). Transparency is
// flattened onto white for the formats without it. Empty on failure,
// including a JPEG 2000 target size no encoding can meet.
QByteArray encodePicture(const QImage& picture, PictureFormat format,
                         const EncodeOptions& options = {});

} // namespace quiverel
