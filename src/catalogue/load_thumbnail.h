#pragma once
// Loading a thumbnail file into the picture cache.

#include <QImage>
#include <QString>

namespace quiverel {

// The thumbnail of catalogue file `name` in `folder`; a null image when it
// is missing or cannot be decoded. Never decodes more than a small picture.
QImage loadThumbnail(const QString& folder, const QString& name);

} // namespace quiverel
