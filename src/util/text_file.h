#pragma once
// Reading and writing the program's small text files: read as UTF-8, or as
// Windows-1252 when the bytes are not valid UTF-8; written as UTF-8 with CR LF,
// atomically (a reader never sees half a file, a crash never leaves one).

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <optional>

namespace quiverel {

// Decodes bytes as UTF-8 when valid (a leading byte-order mark is dropped),
// otherwise as Windows-1252.
QString decodeText(const QByteArray& bytes);

// Splits text into lines at CR LF, LF or a lone CR. A final line break does
// not start another line.
QStringList splitLines(const QString& text);

// The whole file decoded; nothing when it is not a regular file or cannot be
// read. Files above `maxBytes` are read only up to that many bytes.
std::optional<QString> readTextFile(const QString& path, qint64 maxBytes = 16 * 1024 * 1024);

// The file's lines; an empty list when it cannot be read.
QStringList readTextLines(const QString& path);

// Writes `bytes` to a temporary file beside `path`, flushes it, gives it
// `permissions` and renames it over `path`. False (and no change) on failure.
bool writeFileAtomic(const QString& path, const QByteArray& bytes,
                     QFileDevice::Permissions permissions = QFileDevice::ReadOwner |
                                                            QFileDevice::WriteOwner |
                                                            QFileDevice::ReadGroup |
                                                            QFileDevice::ReadOther);

// Each line followed by CR LF, encoded as UTF-8, written atomically.
bool writeTextLines(const QString& path, const QStringList& lines,
                    QFileDevice::Permissions permissions = QFileDevice::ReadOwner |
                                                           QFileDevice::WriteOwner |
                                                           QFileDevice::ReadGroup |
                                                           QFileDevice::ReadOther);

} // namespace quiverel
