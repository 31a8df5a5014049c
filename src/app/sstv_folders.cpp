#include "app/sstv_folders.h"

#include "app/folders_ini.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSettings>

#include <unistd.h>

namespace quiverel {

namespace {

constexpr int kProgramDepth = 4;
constexpr int kPictureDepth = 2;

// The folder can be listed and its path fits on one line of Folders.ini.
bool usableFolder(const QString& path) {
    if (path.isEmpty() || path.contains(u'\n') || path.contains(u'\r')) return false;
    const QFileInfo info(path);
    return info.isDir() && ::access(QFile::encodeName(path).constData(), R_OK | X_OK) == 0;
}

// The folder's own sub-folders, never through a link.
QFileInfoList subFolders(const QString& folder) {
    return QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                                      QDir::Name);
}

// The catalogue's picture types.
bool holdsPictures(const QString& folder) {
    static const QStringList kTypes = {QStringLiteral("*.txt"), QStringLiteral("*.png"),
                                       QStringLiteral("*.jpg"), QStringLiteral("*.bmp"),
                                       QStringLiteral("*.gif"), QStringLiteral("*.jp2")};
    QDir dir(folder);
    dir.setNameFilters(kTypes); // any letter case
    return !dir.isEmpty(QDir::Files | QDir::NoSymLinks);
}

// The program a folder's name says it belongs to; empty for none.
QString programOf(const QString& folderName) {
    const QString key = folderName.toLower().remove(u'-');
    if (key.contains(QLatin1String("easypal"))) return QStringLiteral("EasyPal");
    if (key.contains(QLatin1String("mmsstv"))) return QStringLiteral("MMSSTV");
    if (key.contains(QLatin1String("kgstv"))) return QStringLiteral("KG-STV");
    return {};
}

void findPictureFolders(const QString& program, const QString& top, const QString& folder,
                        int depth, QList<FolderRow>& out) {
    for (const QFileInfo& sub : subFolders(folder)) {
        const QString path = sub.filePath();
        // The thumbnails of a folder this program showed before.
        if (sub.fileName() == u"ThumbFiles") continue;
        if (holdsPictures(path))
            out.append({program + u' ' + QDir(top).relativeFilePath(path), path + u'/'});
        if (depth < kPictureDepth) findPictureFolders(program, top, path, depth + 1, out);
    }
}

void findProgramFolders(const QString& folder, int depth, QList<FolderRow>& out) {
    for (const QFileInfo& sub : subFolders(folder)) {
        const QString program = programOf(sub.fileName());
        if (!program.isEmpty())
            findPictureFolders(program, sub.filePath(), sub.filePath(), 1, out);
        else if (depth < kProgramDepth)
            findProgramFolders(sub.filePath(), depth + 1, out);
    }
}

// A folder named in a settings file: absolute, or below the home folder.
QString settingsPath(const QString& value, const QString& home) {
    if (value.startsWith(QLatin1String("~/"))) return home + value.mid(1);
    return QDir::isAbsolutePath(value) ? value : QString();
}

} // namespace

QList<FolderRow> findQsstvFolders(const QString& home) {
    const QStringList keys = {QStringLiteral("DIRECTORIES/rxSSTVImagesPath"),
                              QStringLiteral("DIRECTORIES/rxDRMImagesPath")};
    const QStringList fallback = {home + QStringLiteral("/qsstv/rx_sstv"),
                                  home + QStringLiteral("/qsstv/rx_drm")};
    QList<QStringList> given(keys.size());
    const QDir config(home + QStringLiteral("/.config/ON4QZ"));
    for (const QFileInfo& file : config.entryInfoList({QStringLiteral("qsstv_*.conf")},
                                                      QDir::Files | QDir::Readable, QDir::Name)) {
        // Read only: a QSettings that changed nothing writes nothing back.
        const QSettings settings(file.filePath(), QSettings::IniFormat);
        for (qsizetype k = 0; k < keys.size(); ++k) {
            const QString value = settings.value(keys[k]).toString();
            if (!value.isEmpty()) given[k].append(value);
        }
    }
    QList<FolderRow> out;
    for (qsizetype k = 0; k < keys.size(); ++k) {
        const QStringList paths = given[k].isEmpty() ? QStringList{fallback[k]} : given[k];
        for (const QString& value : paths) {
            const QString path = QDir::cleanPath(settingsPath(value, home));
            if (path.isEmpty() || path == u"." || path == u"/") continue;
            out.append({QStringLiteral("QSSTV ") + QFileInfo(path).fileName(), path + u'/'});
        }
    }
    return out;
}

QStringList winePrefixes(const SstvPlaces& places) {
    QStringList candidates;
    if (QDir::isAbsolutePath(places.winePrefix)) candidates.append(places.winePrefix);
    if (!places.home.isEmpty()) {
        candidates.append(places.home + QStringLiteral("/.wine"));
        for (const QFileInfo& p :
             subFolders(places.home + QStringLiteral("/.local/share/wineprefixes")))
            candidates.append(p.filePath());
    }
    QStringList out;
    QSet<QString> seen;
    for (const QString& c : std::as_const(candidates)) {
        const QFileInfo driveC(c + QStringLiteral("/drive_c"));
        if (!driveC.isDir() || driveC.isSymLink()) continue;
        const QString real = driveC.canonicalFilePath();
        if (real.isEmpty() || seen.contains(real)) continue;
        seen.insert(real);
        out.append(QDir::cleanPath(c));
    }
    return out;
}

QList<FolderRow> findWineSstvFolders(const QString& prefix) {
    QList<FolderRow> out;
    findProgramFolders(prefix + QStringLiteral("/drive_c"), 1, out);
    return out;
}

QList<FolderRow> findSstvFolders(const SstvPlaces& places) {
    QList<FolderRow> out;
    if (places.home.isEmpty()) return out;
    out.append(findQsstvFolders(places.home));
    for (const QString& prefix : winePrefixes(places))
        out.append(findWineSstvFolders(prefix));
    return out;
}

QList<FolderRow> addFoldersOnce(QList<FolderRow> rows, const QList<FolderRow>& found) {
    const auto realPath = [](const QString& path) {
        const QString real = QFileInfo(path).canonicalFilePath();
        return real.isEmpty() ? QDir::cleanPath(path) : real;
    };
    QSet<QString> folders;
    QSet<QString> captions;
    for (const FolderRow& r : std::as_const(rows)) {
        folders.insert(realPath(r.path));
        captions.insert(r.caption.toUpper());
    }
    for (const FolderRow& f : found) {
        if (f.caption.contains(u'\n') || f.caption.contains(u'\r') || !usableFolder(f.path))
            continue;
        const QString real = realPath(f.path);
        if (folders.contains(real)) continue;
        folders.insert(real);
        QString caption = f.caption;
        for (int n = 2; captions.contains(caption.toUpper()); ++n)
            caption = f.caption + u' ' + QString::number(n);
        captions.insert(caption.toUpper());
        rows.append({caption, withTrailingSlash(f.path)});
    }
    return rows;
}

} // namespace quiverel
