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

// Copies into a new file, never over one; a copy that fails is removed.
// Empty on success, otherwise the reason.
QString copyFile(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return in.errorString();
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return out.errorString();
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(chunk.data(), chunk.size());
        if (n == 0) break;
        const QString why = n < 0                                  ? in.errorString()
                            : out.write(chunk.constData(), n) != n ? out.errorString()
                                                                   : QString();
        if (!why.isEmpty()) {
            out.remove();
            return why;
        }
    }
    if (!out.flush()) {
        const QString why = out.errorString();
        out.remove();
        return why;
    }
    return {};
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

    // Names first, so that the thumbnails are made from the found files on
    // the workers while the copies are written here.
    const int count = int(results.size());
    const int maximum = std::max(1, 2 * count - 1);
    const QString textIcon = appFolder + QStringLiteral("/TextFile.jpg");
    QStringList targets;
    QStringList dates;
    QList<ThumbnailJob> jobs;
    for (int k = 0; k < count; ++k) {
        const QString& found = results[k];
        const QString target = resultNameFor(found.mid(found.lastIndexOf(u'/') + 1), taken);
        taken.insert(baseKey(target));
        targets.append(target);
        dates.append(dateTimeText(QFileInfo(found).lastModified()));
        if (!isTextType(target))
            jobs.append(
                {k, found, thumbs + baseNameOf(target) + QStringLiteral(".jpg"), dates[k], false});
    }

    ThumbnailBatch batch(thumbnailer);
    QEventLoop loop;
    int made = 0;
    QList<int> unmade;
    QObject::connect(&batch, &ThumbnailBatch::made, &loop, [&](int row, bool ok) {
        if (!ok) unmade.append(row);
        if (progress) progress(count + made++, maximum);
    });
    QObject::connect(&batch, &ThumbnailBatch::finished, &loop, &QEventLoop::quit);
    batch.start(jobs);

    QList<bool> copied(count, false);
    for (int k = 0; k < count; ++k) {
        const QString found = results[k];
        const QString& target = targets[k];
        const QString copy = folder + target;
        const QString why = copyFile(found, copy);
        if (why.isEmpty()) {
            copied[k] = true;
            SetFileDate(copy, dates[k]);
            if (isTextType(target)) {
                const QString thumb = thumbs + baseNameOf(target) + QStringLiteral(".jpg");
                if (QFile::copy(textIcon, thumb)) SetFileDate(thumb, dates[k]);
                // Without the shipped icon the text is printed.
                else if (!makeThumbnailNow({k, copy, thumb, dates[k], true}, thumbnailer))
                    unmade.append(k);
            }
            const QString name = found.mid(found.lastIndexOf(u'/') + 1);
            if (target != name) results[k] = found.left(found.lastIndexOf(u'/') + 1) + target;
        } else {
            report.notCopied.append(found + QStringLiteral(": ") + why);
        }
        if (progress) progress(k, maximum);
    }
    loop.exec();

    for (int k = 0; k < count; ++k) {
        if (!copied[k]) // a thumbnail without its picture
            QFile::remove(thumbs + baseNameOf(targets[k]) + QStringLiteral(".jpg"));
        else if (unmade.contains(k))
            report.noThumbnail.append(results[k]);
    }
    if (progress) progress(maximum, maximum);
    return report;
}

} // namespace quiverel
