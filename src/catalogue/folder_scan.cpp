#include "catalogue/folder_scan.h"

#include "catalogue/file_names.h"
#include "imaging/picture_limits.h"
#include "util/file_times.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quiverel {

namespace {
QString beforeFirstDot(const QString& name) {
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}
} // namespace

QString clashKeyOf(const QString& name) {
    return beforeFirstDot(name).toUpper();
}

QSet<QString> folderBases(const QString& folder) {
    QSet<QString> bases;
    const QStringList all = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n : all)
        bases.insert(clashKeyOf(n));
    return bases;
}

QString renameClashing(const QString& folder, const QString& name, QSet<QString>& bases) {
    const QString base = beforeFirstDot(name);
    for (int n = 1;; ++n) {
        const QString candidate = base + u'-' + QString::number(n);
        if (bases.contains(candidate.toUpper())) continue;
        const qsizetype dot = name.indexOf(u'.');
        const QString renamed = candidate + (dot < 0 ? QString() : name.mid(dot));
        if (QFileInfo::exists(folder + renamed) || !QFile::rename(folder + name, folder + renamed))
            return name;
        bases.insert(candidate.toUpper());
        return renamed;
    }
}

void readFolderFile(const QString& folder, const QFileInfo& info, const FolderReadOptions& options,
                    FolderRead& out) {
    // Only the catalogue's own files are renamed: another file renamed
    // by its "last four characters" could lose its extension.
    if (!isPictureType(info.fileName())) return;
    const QString path = folder + info.fileName();
    const QString unreadable = readError(path);
    if (!unreadable.isEmpty()) {
        out.notices.append({ScanNoticeKind::CannotRead, path, unreadable});
        return;
    }
    if (!isTextType(info.fileName()) && info.size() > kMaxPictureFileBytes) {
        out.notices.append({ScanNoticeKind::TooLarge, path,
                            QStringLiteral("%1 MB; the limit is %2 MB")
                                .arg(info.size() >> 20)
                                .arg(kMaxPictureFileBytes >> 20)});
        return;
    }
    // A file being received keeps its name until it has settled.
    const bool arriving = isArriving(stampOf(path), options.now);
    const QString name =
        options.rename && !arriving ? SanitiseFileName(folder, info.fileName()) : info.fileName();
    if (arriving) out.arriving.insert(name);
    const QDateTime changed =
        name == info.fileName() ? info.lastModified() : QFileInfo(folder + name).lastModified();
    out.rows.append({dateTimeText(changed), name, changed.toSecsSinceEpoch()});
    if (isTextType(name)) {
        const QString thumb = thumbnailPathOf(folder, name);
        if (QFileInfo(thumb).size() == 3885) QFile::remove(thumb);
    }
}

FolderRead readFolder(const QString& folder, const FolderReadOptions& options) {
    FolderRead out;
    QDir dir(folder);
    if (!dir.exists() || !QFileInfo(folder).isReadable()) {
        out.readable = false;
        return out;
    }
    // QDir cannot name files whose names are not valid UTF-8.
    renameInvalidNames(folder);
    const QFileInfoList files =
        dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    if (files.isEmpty() && !dir.isReadable()) out.readable = false;
    for (const QFileInfo& info : files)
        readFolderFile(folder, info, options, out);
    return out;
}

void RenameClashingFiles(const QString& folder, QList<CatalogueRow>& rows,
                         const QSet<QString>& keep) {
    std::stable_sort(rows.begin(), rows.end(), [](const CatalogueRow& a, const CatalogueRow& b) {
        return a.fileName.toUpper() < b.fileName.toUpper();
    });
    QSet<QString> bases = folderBases(folder);
    for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
        if (clashKeyOf(rows[i].fileName) != clashKeyOf(rows[i + 1].fileName)) continue;
        if (keep.contains(rows[i].fileName)) continue;
        rows[i].fileName = renameClashing(folder, rows[i].fileName, bases);
    }
}

void DeleteStaleThumbnails(const QString& folder, const QList<CatalogueRow>& rows) {
    QSet<QString> wanted;
    for (const CatalogueRow& r : rows)
        wanted.insert(baseNameOf(r.fileName).toUpper());
    const QString thumbs = thumbnailFolderOf(folder);
    const QStringList files = QDir(thumbs).entryList(QDir::Files | QDir::Hidden);
    for (const QString& t : files)
        if (!wanted.contains(baseNameOf(t).toUpper())) QFile::remove(thumbs + t);
}

QStringList oldThumbnailFolders(const QString& folder) {
    QStringList out;
    for (const char* name : {"Thumbnails", "Thumbs"}) {
        const QString path = folder + QLatin1String(name);
        if (QFileInfo(path).isDir() || QFileInfo(path).isSymLink()) out.append(path);
    }
    return out;
}

int pageCountFor(int pictures, int perPage) {
    if (perPage < 1 || pictures < 1) return 1;
    return (pictures + perPage - 1) / perPage;
}

QString picturesCaption(const QString& folderCaption, int count, const QString& word,
                        bool searchResults) {
    const QString head = searchResults ? QStringLiteral("Found") : folderCaption;
    return head + QStringLiteral("  ") + QString::number(count) + u' ' + word;
}

QString quarantineMessage(const QString& folder, const QString& name, const QString& appFolder) {
    return folder + name + u'\n' +
           QStringLiteral("may be a corrupt file & will be moved to the    ") + u'\n' + appFolder +
           QStringLiteral("/Corrupt folder.");
}

std::optional<QString> moveToQuarantine(const QString& folder, const QString& name,
                                        const QString& appFolder,
                                        const std::optional<FileStamp>& unchanged, QString* error) {
    const auto fail = [error](const QString& why) -> std::optional<QString> {
        if (error) *error = why;
        return std::nullopt;
    };
    const QString source = folder + name;
    if (unchanged && stampOf(source) != *unchanged)
        return fail(QStringLiteral("it changed since it was examined"));
    const QString corrupt = appFolder + QStringLiteral("/Corrupt/");
    if (!QDir().mkpath(corrupt)) return fail(QStringLiteral("cannot make %1").arg(corrupt));
    const QString target = corrupt + freeNameIn(corrupt, name);
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    // Never over a file that appeared under the target name meanwhile.
    int moved = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    if (moved != 0 && errno == EINVAL && !QFileInfo::exists(target))
        moved = std::rename(from.constData(), to.constData()); // file system without the flag
    if (moved == 0) return target;
    if (errno != EXDEV) return fail(QString::fromLocal8Bit(std::strerror(errno)));
    // Another file system: copy, check, and only then delete.
    const FileStamp before = stampOf(source);
    if (!QFile::copy(source, target)) {
        QFile in(source);
        return fail(in.open(QIODevice::ReadOnly) ? QStringLiteral("cannot write %1").arg(target)
                                                 : in.errorString());
    }
    const FileStamp copied = stampOf(target);
    if (!copied.exists || copied.size != before.size || stampOf(source) != before) {
        QFile::remove(target);
        return fail(QStringLiteral("it changed while it was copied"));
    }
    if (::unlink(from.constData()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(target);
        return fail(why);
    }
    return target;
}

QString scanFailureMessage(const QString& folder, const QString& name, int stage, int code,
                           const QString& description) {
    return folder + name + u'\n' + QString::number(stage) + QStringLiteral(" - ") +
           QString::number(code) + QStringLiteral("  ") + description;
}

} // namespace quiverel
