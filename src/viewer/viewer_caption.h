#pragma once
// The title lines of the viewer.

#include "app/state.h"

#include <QString>

namespace quiverel {

using TextTable = std::array<QString, kTextEntries>;

// Entry 56, four blanks, the name, three blanks, "W x H", a blank, entry 8,
// three blanks, the file size text, a blank, entry 9.
QString uncompressedCaption(const TextTable& text, const QString& fileName, int width, int height,
                            const QString& fileSizeText);

// Entry 57, three blanks, the name, three blanks, "W x H", a blank, entry 8,
// three blanks, the shown byte count, a blank, entry 9, three blanks, the
// seconds and " seconds".
QString compressedCaption(const TextTable& text, const QString& fileName, int width, int height,
                          qint64 shownBytes, qint64 seconds);

// An animated GIF: the name, three blanks, "W x H" from its header, a blank,
// entry 8, three blanks, the file size text, a blank, entry 9.
QString animatedCaption(const TextTable& text, const QString& fileName, int width, int height,
                        const QString& fileSizeText);

} // namespace quiverel
