#pragma once
// What the scan knows of a file at one moment: enough to tell whether it is
// still being written (an SSTV program writes a picture as it receives it).

#include <QDateTime>
#include <QString>

namespace quiverel {

// A file whose size or time changed this recently may still be written to.
inline constexpr int kArrivalSeconds = 10;

struct FileStamp {
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedNs = 0; // last write, nanoseconds since the epoch

    bool operator==(const FileStamp&) const = default;
};

// The file as it is now (links followed).
FileStamp stampOf(const QString& path);

// True when the file was written within kArrivalSeconds of `now` (either
// side, for a clock a little ahead). Never for an invalid `now`.
bool isArriving(const FileStamp& stamp, const QDateTime& now);

// Empty when the file can be opened for reading; otherwise the system's reason.
QString readError(const QString& path);

// True when new files can be made in the folder. False for a folder that
// does not exist.
bool canWriteIn(const QString& folder);

} // namespace quiverel
