#pragma once
// JPEG 2000 at a target file size: the largest .jp2 that is not larger than
// the target, searched in memory.

#include <QByteArray>
#include <QImage>

namespace quiverel {

// The smallest target a .jp2 file can meet: boxes, headers and a first layer.
inline constexpr qint64 kJp2MinimumTarget = 300;

// The picture as a .jp2 of at most `targetBytes` bytes and as close to it as
// the encoder's rate control allows (photographic pictures come within a few
// per cent). A picture too simple to fill the target is stored losslessly when
// that fits, else at the largest size found. Empty when even the coarsest
// encoding does not fit or the picture cannot be encoded.
QByteArray encodeJpeg2000ToSize(const QImage& picture, qint64 targetBytes);

} // namespace quiverel
