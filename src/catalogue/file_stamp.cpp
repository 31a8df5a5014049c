#include "catalogue/file_stamp.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quiverel {

FileStamp stampOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {true, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

bool isArriving(const FileStamp& stamp, const QDateTime& now) {
    if (!stamp.exists || !now.isValid()) return false;
    const qint64 ageMs = now.toMSecsSinceEpoch() - stamp.modifiedNs / 1000000;
    return ageMs < kArrivalSeconds * 1000LL && ageMs > -kArrivalSeconds * 1000LL;
}

QString readError(const QString& path) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return {};
}

bool canWriteIn(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

} // namespace quiverel
