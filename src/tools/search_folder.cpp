#include "tools/search_folder.h"

#include "catalogue/file_names.h"
#include "util/file_times.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

namespace quiverel {

namespace {

constexpr QChar kNoBreakSpace(0x00A0);

// A folder that is a link (or a file) is replaced by a real folder, so that
// emptying it never reaches what the link points to.
void makeRealFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir())) QFile::remove(path);
    QDir().mkpath(path);
}

// A link to a file, or to nothing, is removed as the link (unlink never
// follows it); a link to a folder stays, as sub-folders do.
void removeFiles(const QString& folder) {
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : entries)
        if (!e.isDir()) QFile::remove(e.filePath());
}

QString baseKey(const QString& name) {
    return baseNameOf(name).toUpper();
}

} // namespace

QString searchFolderOf(const QString& appFolder) {
    return appFolder + QStringLiteral("/Search/");
}

void emptyResultsFolder(const QString& searchFolder) {
    const QString folder = QDir::cleanPath(searchFolder);
    const QString thumbs = folder + QStringLiteral("/ThumbFiles");
    makeRealFolder(folder);
    makeRealFolder(thumbs);
    removeFiles(folder);
    removeFiles(thumbs);
}

QString resultNameFor(const QString& fileName, const QSet<QString>& takenBases) {
    const QString name = sanitisedName(fileName);
    if (!takenBases.contains(baseKey(name))) return name;
    const QString base = baseNameOf(name);
    const QString ext = name.right(4);
    for (int n = 1;; ++n) {
        const QString candidate = base + kNoBreakSpace + QString::number(n);
        if (!takenBases.contains(candidate.toUpper())) return candidate + ext;
    }
}

SearchFolderReport BuildSearchFolder(const QString& appFolder, QStringList& results,
                                     const PictureThumbnailer& thumbnailer,
                                     const BuildProgress& progress) {
    SearchFolderReport report;
    const QString folder = searchFolderOf(appFolder);
    const QString thumbs = folder + QStringLiteral("ThumbFiles/");
    emptyResultsFolder(folder);

    // Whatever could not be deleted still holds its name.
    QSet<QString> taken;
    for (const QString& n : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                   QDir::NoDotAndDotDot))
        taken.insert(baseKey(n));

    const int count = int(results.size());
    const int maximum = std::max(1, 2 * count - 1);
    const QString textIcon = appFolder + QStringLiteral("/TextFile.jpg");
    QList<ThumbnailJob> jobs;
    for (int k = 0; k < count; ++k) {
        const QString found = results[k];
        const qsizetype slash = found.lastIndexOf(u'/');
        const QString folderPart = found.left(slash + 1);
        const QString fileName = found.mid(slash + 1);
        const QString target = resultNameFor(fileName, taken);
        taken.insert(baseKey(target));
        const QString copy = folder + target;
        QFile source(found);
        if (!source.copy(copy)) {
            report.notCopied.append(found + QStringLiteral(": ") + source.errorString());
            if (progress) progress(k, maximum);
            continue;
        }
        const QString date = dateTimeText(QFileInfo(found).lastModified());
        SetFileDate(copy, date);
        if (target != fileName) results[k] = folderPart + target;

        const QString thumb = thumbs + baseNameOf(target) + QStringLiteral(".jpg");
        const bool text = isTextType(target);
        if (text && QFile::copy(textIcon, thumb)) {
            SetFileDate(thumb, date);
        } else {
            // A text file without the shipped icon gets its text printed.
            jobs.append({k, copy, thumb, date, text});
        }
        if (progress) progress(k, maximum);
    }

    ThumbnailBatch batch(thumbnailer);
    QEventLoop loop;
    QObject::connect(&batch, &ThumbnailBatch::made, &loop, [&](int row, bool ok) {
        if (!ok) report.noThumbnail.append(results.value(row));
        if (progress) progress(count + batch.doneCount() - 1, maximum);
    });
    QObject::connect(&batch, &ThumbnailBatch::finished, &loop, &QEventLoop::quit);
    batch.start(jobs);
    loop.exec();
    if (progress) progress(maximum, maximum);
    return report;
}

} // namespace quiverel
