#pragma once
// GIF writing through giflib.

#include <QByteArray>
#include <QImage>

namespace quiverel {

// The picture as a GIF with a palette made for it: its own colours when it has
// at most 256, otherwise a median-cut palette of 256. Transparency is not
// kept (flatten first). Empty on failure.
QByteArray encodeGif(const QImage& picture);

} // namespace quiverel
