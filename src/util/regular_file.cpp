#include "util/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quiverel {

namespace {

QString systemText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

void setError(QString* error, const QString& why) {
    if (error) *error = why;
}

// The open descriptor of a regular file, or -1 with the reason.
int openRegularDescriptor(const QString& path, struct stat& st, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do {
        // O_NONBLOCK: opening a FIFO without a writer would wait for one.
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        setError(error, QStringLiteral("cannot open %1: %2").arg(path, systemText(errno)));
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        setError(error, QStringLiteral("not a regular file: %1").arg(path));
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

} // namespace

bool openRegularFile(const QString& path, QFile& file, QString* error) {
    struct stat st {};
    const int fd = openRegularDescriptor(path, st, error);
    if (fd < 0) return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        setError(error, QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, BeyondLimit beyond,
                                          QString* error) {
    struct stat st {};
    const int fd = openRegularDescriptor(path, st, error);
    if (fd < 0) return std::nullopt;
    maxBytes = std::max<qint64>(maxBytes, 0);
    const auto tooLarge = [&] {
        setError(error, QStringLiteral("file too large: %1").arg(path));
        return std::nullopt;
    };
    if (beyond == BeyondLimit::Refuse && qint64(st.st_size) > maxBytes) {
        ::close(fd);
        return tooLarge();
    }
    // The claimed size is only a first guess: the file may grow while it is
    // read, and one byte past the limit tells that more would follow.
    const qint64 limit = maxBytes + 1;
    qint64 guess = std::clamp<qint64>(qint64(st.st_size) + 1, 1, limit);
    QByteArray bytes;
    qint64 used = 0;
    int readError = 0;
    while (used < limit) {
        if (used == bytes.size())
            bytes.resize(std::min(limit, std::max({guess, used * 2, qint64(64 * 1024)})));
        const ssize_t n = ::read(fd, bytes.data() + used, size_t(bytes.size() - used));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            readError = errno;
            break;
        }
        if (n == 0) break;
        used += n;
        guess = 0;
    }
    ::close(fd);
    if (readError != 0) {
        setError(error, QStringLiteral("cannot read %1: %2").arg(path, systemText(readError)));
        return std::nullopt;
    }
    if (used > maxBytes) {
        if (beyond == BeyondLimit::Refuse) return tooLarge();
        used = maxBytes;
    }
    bytes.resize(used);
    return bytes;
}

} // namespace quiverel
