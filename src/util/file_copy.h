#pragma once
// Writing and copying files so that a failure carries the system's reason and
// leaves no part of a file under its final name.

#include <QFileDevice>
#include <QString>
#include <atomic>

namespace quiverel {

// Writes all `size` bytes. When the disk fills, the system takes part of a
// write without an error and Qt reports "Unknown error"; the rest is written
// again, which fails with the reason ("No space left on device").
bool writeWhole(QFileDevice& file, const char* data, qint64 size);

// Copies `from` to `to` (with its permissions) through a temporary file
// beside `to`, renamed to `to` once complete and never over an existing
// file. On a failure, or when `stop` becomes true, the temporary is removed
// by its path. Empty on success, otherwise the reason.
QString copyFileStaged(const QString& from, const QString& to,
                       const std::atomic<bool>* stop = nullptr);

} // namespace quiverel
