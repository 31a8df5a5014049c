#include "util/folder_tree.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quiverel {

namespace {

// Works below an open directory descriptor, so a folder swapped for a link
// while we work cannot lead us outside.
bool deleteContents(int dirFd, const QString& shownPath, const DeleteProgress& progress) {
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return false;
    }
    bool ok = true;
    while (dirent* e = ::readdir(dir)) {
        const char* name = e->d_name;
        if (!std::strcmp(name, ".") || !std::strcmp(name, "..")) continue;
        struct stat st {};
        if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = false;
            continue;
        }
        const QString path = shownPath + u'/' + QFile::decodeName(name);
        if (S_ISDIR(st.st_mode)) {
            const int sub = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub < 0 || !deleteContents(sub, path, progress)) ok = false;
            if (::unlinkat(dirFd, name, AT_REMOVEDIR) != 0) ok = false;
        } else {
            if (progress) progress(path);
            if (::unlinkat(dirFd, name, 0) != 0) ok = false;
        }
    }
    ::closedir(dir);
    return ok;
}

} // namespace

bool DeleteFolderTree(const QString& folder, const DeleteProgress& progress) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0) return errno == ENOENT;
    if (!S_ISDIR(st.st_mode)) return ::unlink(path.constData()) == 0;
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    deleteContents(fd, folder, progress);
    return ::rmdir(path.constData()) == 0;
}

} // namespace quiverel
