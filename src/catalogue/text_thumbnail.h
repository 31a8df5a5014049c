#pragma once
// The thumbnail of a text file: its beginning printed into a 113 x 93
// picture, stored as a bitmap under the thumbnail's .jpg name.

#include <QImage>
#include <QString>

namespace quiverel {

// Only this much of a text file is read: more never fits the picture.
inline constexpr qint64 kTextThumbnailBytes = 4096;

QImage drawTextThumbnail(const QString& text);

// Writes the bitmap atomically; false when the text file cannot be read.
bool makeTextThumbnail(const QString& textFile, const QString& target);

} // namespace quiverel
