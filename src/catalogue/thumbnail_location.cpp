#include "catalogue/thumbnail_location.h"

#include "catalogue/file_stamp.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quiverel {

namespace {
QString cacheHome() {
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    // The base directory rules accept only an absolute path here.
    if (cache.isEmpty() || QDir::isRelativePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(cache);
}
} // namespace

QString thumbnailCacheFolderFor(const QString& folder) {
    const QString cache = cacheHome();
    QString last = QDir::cleanPath(folder).section(u'/', -1);
    if (last.isEmpty()) last = QStringLiteral("root");
    last = last.left(64);
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(folder)),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(16);
    return cache + QStringLiteral("/Quiverel/thumbnails/") + last + u'-' +
           QString::fromLatin1(hash) + u'/';
}

bool makeThumbnailFolder(const QString& thumbnailFolder) {
    const QString target = QDir::cleanPath(thumbnailFolder);
    if (QFileInfo(target).isDir()) return true;
    const QString cache = cacheHome();
    if (!target.startsWith(cache + u'/')) return QDir().mkpath(target);
    const QFileDevice::Permissions owner =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QString path;
    for (const QString& part : target.split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + part;
        if (QFileInfo(path).isDir()) continue;
        const bool inCache = path.size() >= cache.size();
        // Another thread may have made it meanwhile.
        if (!(inCache ? QDir().mkdir(path, owner) : QDir().mkdir(path)) && !QFileInfo(path).isDir())
            return false;
    }
    return QFileInfo(target).isDir();
}

QString thumbnailFolderFor(const QString& folder) {
    const QString own = folder + QStringLiteral("ThumbFiles/");
    if (folder.isEmpty()) return own;
    const QFileInfo ownInfo(own);
    if (ownInfo.isDir()) {
        if (canWriteIn(own)) return own;
    } else if (!QFileInfo(folder).isDir() || canWriteIn(folder)) {
        return own;
    }
    return thumbnailCacheFolderFor(folder);
}

} // namespace quiverel
