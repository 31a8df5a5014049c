#pragma once
// Pictures with transparency, for formats without it.

#include <QImage>

namespace quiverel {

// The picture painted onto white, without an alpha channel. Opaque pictures
// come back unchanged.
QImage flattenOntoWhite(const QImage& picture);

} // namespace quiverel
