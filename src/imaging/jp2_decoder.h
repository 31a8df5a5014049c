#pragma once
// JPEG 2000 reading through OpenJPEG: .jp2 files and raw codestreams.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace quiverel {

// Decodes a .jp2 file or a raw codestream held in `data`. With `fitBox` valid,
// lower resolution levels are decoded as long as the result stays at least as
// large as the picture fitted into the box, which makes thumbnails cheap. A truncated file gives
// the picture its received data allows. Null on failure, with the reason in `error`.
QImage decodeJpeg2000(const QByteArray& data, QSize fitBox = {}, QString* error = nullptr);

} // namespace quiverel
