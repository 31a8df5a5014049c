#include "catalogue/thumbnail_location.h"

#include "catalogue/file_stamp.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quiverel {

QString thumbnailCacheFolderFor(const QString& folder) {
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    // The base directory rules accept only an absolute path here.
    if (cache.isEmpty() || QDir::isRelativePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
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
