#pragma once
// A small tmpfs of a test's own, to fill up; mounting needs root, so a test
// skips when it is not mounted.

#include <QFile>
#include <QTemporaryDir>
#include <sys/mount.h>

namespace quiverel::test {

class SmallDisk {
public:
    explicit SmallDisk(const char* size) {
        if (!dir_.isValid()) return;
        const QByteArray options = QByteArray("size=") + size;
        mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                           options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace quiverel::test
