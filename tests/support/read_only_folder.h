#pragma once
// Makes a folder read-only for a scope: by its permissions, or, for root,
// whom permissions do not stop, by mounting it read-only over itself. A test
// skips when neither holds.

#include <QFile>
#include <QString>
#include <sys/mount.h>
#include <unistd.h>

namespace quiverel::test {

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : path_(path) {
        if (::geteuid() != 0) {
            saved_ = QFile::permissions(path_);
            held_ = QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
            return;
        }
        const QByteArray p = QFile::encodeName(path_);
        mounted_ = ::mount(p.constData(), p.constData(), nullptr, MS_BIND, nullptr) == 0;
        held_ = mounted_ && ::mount(nullptr, p.constData(), nullptr,
                                    MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyFolder() {
        if (mounted_)
            ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
        else if (held_)
            QFile::setPermissions(path_, saved_);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool held() const { return held_; }

private:
    QString path_;
    QFile::Permissions saved_;
    bool mounted_ = false;
    bool held_ = false;
};

} // namespace quiverel::test
