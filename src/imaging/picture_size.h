#pragma once
// A picture's size from its header, without decoding the picture.

#include <QSize>
#include <QString>

namespace quiverel {

// Width and height in pixels as the file's header gives them (BMP, JPEG,
// PNG, GIF through Qt's readers; JPEG 2000 from its image header box or
// codestream size marker). Invalid when the file is not a picture we read.
QSize pictureSizeOfFile(const QString& path);

} // namespace quiverel
