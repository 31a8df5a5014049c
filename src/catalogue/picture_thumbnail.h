#pragma once
// The thumbnail of a picture file, fitted into 112 x 84; safe to call from
// several threads at once.

#include <QString>

namespace quiverel {

bool makePictureThumbnail(const QString& source, const QString& target);

} // namespace quiverel
