#pragma once
// Real-world folders for scan tests: one the program cannot write, one on
// another file system, a writer that keeps a picture open while it arrives,
// and a child process without root's right to read everything.

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QString>
#include <functional>
#include <optional>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quiverel::test {

// A small file system of its own at `path` (root only: a tmpfs). `readOnly()`
// then takes away all writing, as a read-only bind mount or medium does; root
// could write into any folder otherwise. Without root, a folder without
// write permission stands in for it where a test allows (`sameFileSystem`).
class MountedFolder {
public:
    explicit MountedFolder(const QString& path) : path_(path) {
        QDir().mkpath(path);
        if (::geteuid() == 0) {
            mounted_ = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0,
                               "size=64m,mode=0755") == 0;
            if (!mounted_) why_ = QStringLiteral("cannot mount a tmpfs here");
        } else {
            why_ = QStringLiteral("mounting needs root");
        }
    }
    ~MountedFolder() {
        if (mounted_)
            ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
        else
            QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
    }
    bool mounted() const { return mounted_; }
    QString why() const { return why_; }
    // True when the folder can no longer be written.
    bool readOnly() {
        if (mounted_)
            return ::mount(nullptr, QFile::encodeName(path_).constData(), nullptr,
                           MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        if (::geteuid() == 0) return false;
        return QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

private:
    QString path_;
    bool mounted_ = false;
    QString why_;
};

// The user's cache folder moved to `path` while it lives.
class CacheHome {
public:
    explicit CacheHome(const QString& path) : old_(qgetenv("XDG_CACHE_HOME")) {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(path));
    }
    ~CacheHome() {
        if (old_.isEmpty())
            qunsetenv("XDG_CACHE_HOME");
        else
            qputenv("XDG_CACHE_HOME", old_);
    }

private:
    QByteArray old_;
};

// Writes a file in pieces through one open handle, as a receiving program does.
class PieceWriter {
public:
    explicit PieceWriter(const QString& path) : file_(path) {
        file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    bool write(const QByteArray& piece) {
        return file_.write(piece) == piece.size() && file_.flush();
    }
    void close() { file_.close(); }

private:
    QFile file_;
};

// A JPEG whose bytes spread evenly over its rows (noise over a colour that
// changes from the top half to the bottom half), so a cut-off copy lacks
// its bottom part.
inline QByteArray noisyJpeg(QSize size = {320, 240}) {
    QImage img(size, QImage::Format_RGB32);
    QRandomGenerator rng(7);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int n = int(rng.bounded(64));
            img.setPixel(x, y, y < size.height() / 2 ? qRgb(190 + n, n, n) : qRgb(n, n, 190 + n));
        }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPG", 90);
    return bytes;
}

// Runs `work` in a child process as the user "nobody" when the tests run as
// root (root may read any file), else here; returns what it returned, or
// nothing when the child could not be run.
inline std::optional<QByteArray> runUnprivileged(const std::function<QByteArray()>& work) {
    if (::geteuid() != 0) return work();
    int fds[2];
    if (::pipe(fds) != 0) return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        ::close(fds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const QByteArray out = work();
        ssize_t done = 0;
        while (done < out.size()) {
            const ssize_t n = ::write(fds[1], out.constData() + done, size_t(out.size() - done));
            if (n <= 0) ::_exit(3);
            done += n;
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray out;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0)
        out.append(buf, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return out;
}

} // namespace quiverel::test
