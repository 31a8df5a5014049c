#include "mainwindow/tx_staging.h"

#include "imaging/picture_limits.h"
#include "util/error_text.h"
#include "util/regular_file.h"
#include "util/temporary_files.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quiverel {

namespace {

FileFailure systemFailure(const QString& path, int code) {
    return {path, ErrorText(code)};
}

// 0, or the error number of the first step that failed.
int writeNewFile(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno;
    int error = 0;
    qsizetype done = 0;
    while (error == 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            error = errno;
        else
            done += n;
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) ::unlink(path.constData());
    return error;
}

} // namespace

QString reasonAfterPath(const QString& error, const QString& path) {
    const QString marker = path + QStringLiteral(": ");
    const qsizetype at = error.lastIndexOf(marker);
    return at < 0 ? error : error.mid(at + marker.size());
}

TxStaging::TxStaging(const QString& txFolder) : tx_(txFolder) {
    QDir().mkpath(tx_);
    QByteArray pattern = QFile::encodeName(temporaryPatternFor(tx_ + QStringLiteral("/handoff")));
    if (::mkdtemp(pattern.data()))
        folder_ = QFile::decodeName(pattern);
    else
        setUpFailure_ = systemFailure(tx_, errno);
}

TxStaging::~TxStaging() {
    if (!folder_.isEmpty()) QDir(folder_).removeRecursively();
}

std::optional<FileFailure> TxStaging::write(const QString& name, const QByteArray& bytes) {
    if (const int e = writeNewFile(QFile::encodeName(staged(name)), bytes))
        return systemFailure(final(name), e);
    return std::nullopt;
}

std::optional<FileFailure> TxStaging::copyIn(const QString& source, const QString& name) {
    QString why;
    const auto bytes = readRegularFile(source, kMaxPictureFileBytes, BeyondLimit::Refuse, &why);
    if (!bytes) return FileFailure{source, reasonAfterPath(why, source)};
    return write(name, *bytes);
}

std::optional<FileFailure> TxStaging::commit() {
    const QDir tx(tx_);
    const QStringList previous = tx.entryList(QDir::Files | QDir::Hidden | QDir::System);
    const QStringList made = QDir(folder_).entryList(QDir::Files | QDir::Hidden);
    // New names first: they need room in the folder and may fail for want of
    // it; a name that replaces an old file never does, and cannot be undone.
    QStringList order;
    for (const QString& n : made)
        if (!previous.contains(n)) order.append(n);
    for (const QString& n : made)
        if (previous.contains(n)) order.append(n);
    QStringList moved;
    for (const QString& n : std::as_const(order)) {
        if (::rename(QFile::encodeName(staged(n)).constData(),
                     QFile::encodeName(final(n)).constData()) != 0) {
            const FileFailure failure = systemFailure(final(n), errno);
            for (const QString& m : std::as_const(moved))
                if (!previous.contains(m)) QFile::remove(final(m));
            return failure;
        }
        moved.append(n);
    }
    for (const QString& old : previous)
        if (!made.contains(old)) QFile::remove(tx.filePath(old));
    return std::nullopt;
}

} // namespace quiverel
