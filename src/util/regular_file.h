#pragma once
// Reading files that are named like pictures or texts but may be anything:
// a link to a device, a FIFO or a folder must neither block the reader nor
// make it allocate without end, so the type is checked on the opened file and
// reading stops at a limit, whatever size the file claims.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

namespace quiverel {

// Opens `path` for reading when it is a regular file (links followed). A FIFO
// is opened without blocking and refused like a device or a folder.
bool openRegularFile(const QString& path, QFile& file, QString* error = nullptr);

// What becomes of a file longer than the limit: its first bytes, or nothing.
enum class BeyondLimit { Cut, Refuse };

// The bytes of the regular file `path`, at most `maxBytes` of them; nothing
// (with the reason) when it is not one or cannot be read, or, with Refuse,
// when it claims or turns out to hold more.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, BeyondLimit beyond,
                                          QString* error = nullptr);

} // namespace quiverel
