#pragma once
// The length limit of a file name, counted in the bytes of its UTF-8 form as
// the file system stores it.

#include <QString>

namespace quiverel {

inline constexpr qsizetype kMaxFileNameBytes = 255;

// Bytes of `text` as a file name.
qsizetype fileNameBytes(QStringView text);

// The longest start of `text` that takes at most `maxBytes` bytes, never
// cut inside a character; empty when `maxBytes` is below one character.
QString cutToFileNameBytes(const QString& text, qsizetype maxBytes);

} // namespace quiverel
