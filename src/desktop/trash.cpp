#include "desktop/trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <unistd.h>

namespace quiverel {

namespace {

bool isUnder(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(QDir::cleanPath(folder) + u'/');
}

bool makePrivateFolder(const QString& path) {
    if (!QDir().mkpath(path)) return false;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

QString homeTrashFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !QDir::isAbsolutePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(data + QStringLiteral("/Trash"));
}

bool isInFreedesktopTrash(const QString& trashed, const QString& homeTrash, const QString& topDir,
                          unsigned uid) {
    const QString path = QDir::cleanPath(trashed);
    if (isUnder(path, homeTrash + QStringLiteral("/files"))) return true;
    if (topDir.isEmpty()) return false;
    const QString top = topDir.endsWith(u'/') ? topDir : topDir + u'/';
    const QString id = QString::number(uid);
    return isUnder(path, top + QStringLiteral(".Trash/") + id + QStringLiteral("/files")) ||
           isUnder(path, top + QStringLiteral(".Trash-") + id + QStringLiteral("/files"));
}

bool moveFileToTrash(const QString& path) {
    const QString home = homeTrashFolder();
    // Without a home trash some versions of Qt invent one at the root of the
    // file system, where no desktop looks.
    if (!QFileInfo::exists(home + QStringLiteral("/files"))) {
        makePrivateFolder(home);
        makePrivateFolder(home + QStringLiteral("/files"));
        makePrivateFolder(home + QStringLiteral("/info"));
    }
    const QString topDir = QStorageInfo(QFileInfo(path).absolutePath()).rootPath();
    QString trashed;
    if (!QFile::moveToTrash(path, &trashed)) return false;
    if (isInFreedesktopTrash(trashed, home, topDir, unsigned(::getuid()))) return true;
    // Landed outside every trash: put it back.
    if (!QFile::rename(trashed, path)) return true; // it is somewhere, but not lost
    const QFileInfo t(trashed);
    QFile::remove(t.absolutePath() + QStringLiteral("/../info/") + t.fileName() +
                  QStringLiteral(".trashinfo"));
    return false;
}

} // namespace quiverel
