#include "tools/search_folder.h"

#include "catalogue/file_names.h"
#include "util/file_copy.h"
#include "util/file_times.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

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

void SearchStop::request() {
    if (requested_.exchange(true)) return;
    Q_EMIT requested();
}

namespace {

struct CopyJob {
    QString found;
    QString copy;
    QString thumb;
    QString date;
    bool text = false;
};

struct CopyOutcome {
    QList<bool> copied;
    QStringList notCopied;
    QList<int> noThumbnail;
};

// On a worker: the copies one by one, and the thumbnails of text files.
void copyAll(QPromise<CopyOutcome>& promise, const QList<CopyJob>& jobs, const QString& textIcon,
             const PictureThumbnailer& thumbnailer, const std::atomic<bool>* stop) {
    CopyOutcome out;
    out.copied.fill(false, jobs.size());
    promise.setProgressRange(0, int(jobs.size()));
    for (int k = 0; k < jobs.size() && !stop->load(); ++k) {
        const CopyJob& job = jobs[k];
        const QString why = copyFileStaged(job.found, job.copy, stop);
        if (!why.isEmpty()) {
            if (!stop->load()) out.notCopied.append(job.found + QStringLiteral(": ") + why);
        } else {
            out.copied[k] = true;
            SetFileDate(job.copy, job.date);
            if (job.text) {
                if (copyFileStaged(textIcon, job.thumb).isEmpty()) SetFileDate(job.thumb, job.date);
                // Without the shipped icon the text is printed.
                else if (!makeThumbnailNow({k, job.copy, job.thumb, job.date, true}, thumbnailer))
                    out.noThumbnail.append(k);
            }
        }
        promise.setProgressValue(k + 1);
    }
    promise.addResult(out);
}

struct SearchPlan {
    QList<CopyJob> copies;
    QList<ThumbnailJob> thumbnails; // of the pictures
};

// Empties the results folder and names the copies. Names first, so that the
// thumbnails are made from the found files on the workers while the copies
// are written.
SearchPlan planSearchFolder(const QString& folder, const QString& thumbs,
                            const QStringList& results) {
    emptyResultsFolder(folder);
    // Whatever could not be deleted still holds its name.
    QSet<QString> taken;
    for (const QString& n : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                   QDir::NoDotAndDotDot))
        taken.insert(baseKey(n));
    SearchPlan plan;
    for (int k = 0; k < results.size(); ++k) {
        const QString& found = results[k];
        const QString target = resultNameFor(found.mid(found.lastIndexOf(u'/') + 1), taken);
        taken.insert(baseKey(target));
        const QString thumb = thumbs + baseNameOf(target) + QStringLiteral(".jpg");
        const QString date = dateTimeText(QFileInfo(found).lastModified());
        plan.copies.append({found, folder + target, thumb, date, isTextType(target)});
        if (!isTextType(target)) plan.thumbnails.append({k, found, thumb, date, false});
    }
    return plan;
}

// Runs `work` on a worker and waits for it in a local event loop.
template <typename T, typename Work> T inBackground(Work work) {
    QFutureWatcher<T> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<T>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(std::move(work)));
    if (!watcher.isFinished()) loop.exec();
    return watcher.result();
}

} // namespace

SearchFolderReport BuildSearchFolder(const QString& appFolder, QStringList& results,
                                     const PictureThumbnailer& thumbnailer,
                                     const BuildProgress& progress, SearchStop* stop) {
    SearchFolderReport report;
    const QString folder = searchFolderOf(appFolder);
    const QString thumbs = folder + QStringLiteral("ThumbFiles/");
    SearchStop ownStop;
    if (!stop) stop = &ownStop;

    // Emptied and named off this thread too: an earlier search may have left
    // thousands of files, and each found file is looked at for its date.
    const int count = int(results.size());
    const SearchPlan plan = inBackground<SearchPlan>(
        [folder, thumbs, found = results] { return planSearchFolder(folder, thumbs, found); });
    const QList<CopyJob>& copies = plan.copies;
    const QList<ThumbnailJob>& jobs = plan.thumbnails;

    const int maximum = std::max(1, count + int(jobs.size()));
    int copiesDone = 0;
    int thumbnailsDone = 0;
    const auto tell = [&] {
        if (progress) progress(std::min(copiesDone + thumbnailsDone, maximum), maximum);
    };

    ThumbnailBatch batch(thumbnailer);
    QFutureWatcher<CopyOutcome> copying;
    QEventLoop loop;
    const auto quitWhenDone = [&] {
        if (copying.isFinished() && !batch.isRunning()) loop.quit();
    };
    QSet<int> unmade;
    QObject::connect(&batch, &ThumbnailBatch::made, &loop, [&](int row, bool ok) {
        if (!ok) unmade.insert(row);
        ++thumbnailsDone;
        tell();
    });
    QObject::connect(&batch, &ThumbnailBatch::finished, &loop, quitWhenDone);
    QObject::connect(&copying, &QFutureWatcher<CopyOutcome>::progressValueChanged, &loop,
                     [&](int done) {
                         copiesDone = done;
                         tell();
                     });
    QObject::connect(&copying, &QFutureWatcher<CopyOutcome>::finished, &loop, quitWhenDone);
    QObject::connect(stop, &SearchStop::requested, &batch, &ThumbnailBatch::cancel);
    // A QString, not a string builder, which would hold parts freed by then.
    const QString textIcon = appFolder + QStringLiteral("/TextFile.jpg");
    copying.setFuture(QtConcurrent::run(copyAll, copies, textIcon, thumbnailer, stop->flag()));
    batch.start(jobs);
    if (stop->isRequested()) batch.cancel();
    while (!copying.isFinished() || batch.isRunning())
        loop.exec();

    const CopyOutcome outcome = copying.result();
    report.notCopied = outcome.notCopied;
    report.stopped = stop->isRequested();
    for (int k : outcome.noThumbnail)
        unmade.insert(k);
    QStringList kept;
    for (int k = 0; k < count; ++k) {
        const QString& found = results[k];
        const qsizetype slash = found.lastIndexOf(u'/');
        const QString target = copies[k].copy.mid(folder.size());
        if (!outcome.copied[k]) {
            // A thumbnail without its picture.
            QFile::remove(copies[k].thumb);
            if (!report.stopped) kept.append(found);
            continue;
        }
        const QString entry =
            found.mid(slash + 1) == target ? found : found.left(slash + 1) + target;
        if (unmade.contains(k)) report.noThumbnail.append(entry);
        kept.append(entry);
    }
    results = kept;
    if (progress) progress(maximum, maximum);
    return report;
}

QString notCopiedText(const QString& searchFolder, const QStringList& notCopied) {
    constexpr int kShown = 5;
    QString text = QStringLiteral("%1 of the found files could not be copied to\n%2\n")
                       .arg(notCopied.size())
                       .arg(searchFolder);
    for (const QString& line : notCopied.mid(0, kShown))
        text += u'\n' + line;
    if (notCopied.size() > kShown)
        text += QStringLiteral("\n... and %1 more").arg(notCopied.size() - kShown);
    return text;
}

} // namespace quiverel
