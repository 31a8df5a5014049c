#include "mainwindow/folder_session.h"

#include "catalogue/catalogue_update.h"
#include "catalogue/file_names.h"
#include "catalogue/folder_scan.h"
#include "catalogue/folder_watch.h"
#include "catalogue/load_thumbnail.h"
#include "catalogue/paging.h"
#include "catalogue/picture_cache.h"
#include "catalogue/scan_plan.h"
#include "util/folder_tree.h"

#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>
#include <QTimer>

namespace quiverel {

FolderSession::FolderSession(Context& ctx, QObject* parent)
    : QObject(parent), ctx_(ctx), state_(ctx.state), thumbnailer_(&makePictureThumbnail) {
    watch_ = new FolderWatch(ctx_.clock, this);
    connect(watch_, &FolderWatch::changed, this, &FolderSession::folderChanged);
    intakeRetry_ = new QTimer(this);
    intakeRetry_->setSingleShot(true);
    intakeRetry_->setInterval(250);
    connect(intakeRetry_, &QTimer::timeout, this, &FolderSession::takeInFolderChanges);
}

void FolderSession::setHolds(std::function<bool()> windowEnabled, std::function<bool()> clickBusy) {
    windowEnabled_ = std::move(windowEnabled);
    clickBusy_ = std::move(clickBusy);
}

void FolderSession::close() {
    closed_ = true;
    watchShownFolder(); // stops
}

void FolderSession::stopMaking() {
    if (scanLoop_) scanLoop_->quit();
}

bool FolderSession::scan() {
    if (scanning_) {
        rescan_ = true;
        return false;
    }
    scanning_ = true;
    do {
        rescan_ = false;
        scanOnce();
    } while (rescan_ && !closed_);
    scanning_ = false;
    watchShownFolder();
    return true;
}

void FolderSession::scanOnce() {
    Catalogue& cat = state_.catalogue;
    const QString folder = state_.current.folder;

    // A folder the program cannot write is left exactly as it is.
    if (canWriteIn(folder))
        for (const QString& old : oldThumbnailFolders(folder))
            DeleteFolderTree(old, [this](const QString& path) {
                Q_EMIT progress(QStringLiteral("Quiverel"),
                                QStringLiteral("Deleteing old thumbnails"), 1, 0);
                Q_UNUSED(path);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    cat.currentPage = 1;
    cat.previousPage = 1;
    cat.tabClickSuppressed = true;

    ScanPlan plan = planFolderScan(folder, cat.sortOrder, cat.thumbsPerPage, ctx_.clock.localNow());
    if (!plan.readable && !folder.isEmpty()) {
        QGuiApplication::restoreOverrideCursor();
        Q_EMIT warning(QStringLiteral("The folder\n%1\ncannot be read.").arg(folder));
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    int pictures = plan.pictures;
    cat.rows = std::move(plan.rows);
    cat.pictureCache = QList<QImage>(cat.rows.size());
    // A file written to while its thumbnail is made is taken in again once
    // it settles (the folder watch compares it with this).
    scannedStamps_.clear();
    leftOut_.clear();
    for (const ThumbnailJob& j : std::as_const(plan.missing))
        if (j.listed.exists && j.row < cat.rows.size())
            scannedStamps_.insert(cat.rows[j.row].fileName, j.listed);
    cat.pageCount = plan.pageCount;
    Q_EMIT pagesChanged();
    Q_EMIT gridCleared();

    QHash<int, ThumbnailResult> unmade;
    if (pictures > 0) makeMissingThumbnails(plan.missing, unmade);
    Q_EMIT progressDone();
    Q_EMIT busy(false);
    if (closed_) { // closed while the thumbnails were made
        QGuiApplication::restoreOverrideCursor();
        return;
    }

    ScanFollowUp next = followUpScan(plan, folder, cat.rows, unmade, [this](const QString& path) {
        return notices_.given(ScanNoticeKind::CannotQuarantine, path);
    });
    for (const QuarantineJob& q : std::as_const(next.quarantine))
        if (!quarantine(q.row, q.listed, next.notices)) next.leaveOut.append(q.row);
    if (!rescan_ && !next.leaveOut.isEmpty()) {
        for (int row : std::as_const(next.leaveOut)) {
            const QString name = cat.rows.value(row).fileName;
            if (!name.isEmpty()) leftOut_.insert(name, stampOf(folder + name));
        }
        pictures = leaveOutRows(cat, next.leaveOut);
        Q_EMIT pagesChanged();
    }
    if (!rescan_) {
        Q_EMIT pageStale();
        if (cat.lastIndex() > cat.thumbsPerPage - 1) loadNextPage();
        if (cat.lastIndex() > 2 * cat.thumbsPerPage) loadPreviousPage();
    }

    Q_EMIT picturesCounted(pictures);

    QGuiApplication::restoreOverrideCursor();
    // Told with the grid already showing what the scan left in it.
    const QList<ScanNotice> news = notices_.fresh(next.notices);
    if (!news.isEmpty()) Q_EMIT warning(noticesText(news));
    cat.tabClickSuppressed = false;
}

bool FolderSession::makeMissingThumbnails(const QList<ThumbnailJob>& jobs,
                                          QHash<int, ThumbnailResult>& unmade) {
    Catalogue& cat = state_.catalogue;
    const QString folder = state_.current.folder;
    const int perPage = cat.thumbsPerPage;
    const int firstPageLast = std::min(perPage, int(cat.rows.size())) - 1;
    // The rows of page 1 whose thumbnails exist can be shown at once.
    QSet<int> pending;
    for (const ThumbnailJob& j : std::as_const(jobs))
        pending.insert(j.row);
    const auto firstPageReady = [&] {
        for (int i = 0; i <= firstPageLast; ++i)
            if (pending.contains(i)) return false;
        return true;
    };
    for (int i = 0; i <= firstPageLast; ++i)
        if (!pending.contains(i)) loadRows(i, i);
    bool firstShown = false;
    if (firstPageReady()) {
        Q_EMIT pageStale();
        firstShown = true;
    }
    if (jobs.isEmpty()) return firstShown;

    Q_EMIT busy(true);
    const int total = int(cat.rows.size());
    ThumbnailBatch batch(thumbnailer_);
    QEventLoop loop;
    connect(&batch, &ThumbnailBatch::made, this, [&](int row, bool ok) {
        pending.remove(row);
        if (!ok) {
            const ThumbnailResult result = batch.result(row);
            unmade.insert(row, result);
            // A thumbnail that could not be written is shown from memory.
            if (row < perPage) cat.pictureCache[row] = result.image;
        } else if (row < perPage) {
            cat.pictureCache[row] = loadThumbnail(folder, cat.rows[row].fileName);
        }
        if (!firstShown && firstPageReady()) {
            Q_EMIT pageStale();
            firstShown = true;
        }
        Q_EMIT progress(QStringLiteral("Creating thumbnails..."),
                        cat.rows[row].fileName + u' ' + QString::number(row) + u' ', total,
                        batch.doneCount());
    });
    connect(&batch, &ThumbnailBatch::finished, &loop, &QEventLoop::quit);
    Q_EMIT progress(QStringLiteral("Creating thumbnails..."), QString(), total, 0);
    batch.start(jobs);
    scanLoop_ = &loop;
    loop.exec();
    scanLoop_ = nullptr;
    return firstShown;
}

bool FolderSession::quarantine(int row, const FileStamp& listed, QList<ScanNotice>& notices) {
    const QString folder = state_.current.folder;
    const QString name = state_.catalogue.rows.value(row).fileName;
    if (name.isEmpty()) return false;
    // Written to since it was examined: it is arriving after all.
    if (listed.exists && stampOf(folder + name) != listed) return false;
    QGuiApplication::restoreOverrideCursor();
    Q_EMIT warning(quarantineMessage(folder, name, state_.appFolder));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString why;
    const std::optional<FileStamp> unchanged =
        listed.exists ? std::optional<FileStamp>(listed) : std::nullopt;
    if (moveToQuarantine(folder, name, state_.appFolder, unchanged, &why)) {
        rescan_ = true;
        return true;
    }
    notices.append({ScanNoticeKind::CannotQuarantine, folder + name, why});
    return false;
}

void FolderSession::loadRows(int first, int last) {
    loadCacheRows(state_.catalogue, state_.current.folder, first, last, thumbnailer_);
}

void FolderSession::loadNextPage() {
    const Catalogue& cat = state_.catalogue;
    if (cat.rows.size() <= 1) return;
    const RowRange r = nextPageRows(cat.currentPage, cat.thumbsPerPage, cat.lastIndex());
    loadRows(r.first, r.last);
    trimPictureCache(state_.catalogue);
}

void FolderSession::loadPreviousPage() {
    const Catalogue& cat = state_.catalogue;
    if (cat.rows.size() <= 1) return;
    const RowRange r =
        previousPageRows(cat.currentPage, cat.thumbsPerPage, cat.pageCount, cat.lastIndex());
    loadRows(r.first, r.last);
    trimPictureCache(state_.catalogue);
}

void FolderSession::removeSelectedRow() {
    Catalogue& cat = state_.catalogue;
    const int row = pageOffset(cat.currentPage, cat.thumbsPerPage) + cat.selectedIndex;
    if (row < 0 || row >= cat.rows.size() || cat.rows[row].fileName.isEmpty()) return;
    QFile::remove(thumbnailPathOf(state_.current.folder, cat.rows[row].fileName));
    cat.rows.removeAt(row);
    cat.pictureCache.removeAt(row);
    refreshGrid();
}

void FolderSession::deleteCells(QList<int> cells, const Recycle& recycle) {
    Catalogue& cat = state_.catalogue;
    const QString folder = state_.current.folder;
    const int offset = pageOffset(cat.currentPage, cat.thumbsPerPage);
    const bool single = cells.isEmpty();
    if (single) cells.append(cat.selectedIndex);
    // From the last row down, so earlier rows keep their places.
    for (auto it = cells.crbegin(); it != cells.crend(); ++it) {
        const int row = offset + *it;
        if (row < 0 || row >= cat.rows.size() || cat.rows[row].fileName.isEmpty()) continue;
        const QString name = cat.rows[row].fileName;
        // A file that stays is shown again by the next scan.
        if (recycle(folder + name)) {
            const QString thumb = thumbnailPathOf(folder, name);
            if (QFile::exists(thumb)) ctx_.desktop.recycleFile(thumb);
        }
        if (single) {
            removeSelectedRow();
            return;
        }
        cat.rows.removeAt(row);
        cat.pictureCache.removeAt(row);
    }
    refreshGrid();
}

void FolderSession::refreshGrid() {
    Catalogue& cat = state_.catalogue;
    if (cat.rows.isEmpty()) {
        cat.rows.append(CatalogueRow{});
        cat.pictureCache.append(QImage());
    }
    const int pictures = cat.rows.first().fileName.isEmpty() ? 0 : int(cat.rows.size());
    cat.pageCount = pageCountFor(pictures, cat.thumbsPerPage);
    if (cat.currentPage > cat.pageCount) cat.currentPage = cat.pageCount;
    Q_EMIT pagesChanged();
    cat.previousPage = cat.currentPage;
    Q_EMIT framesReset();
    const RowRange r = pageRows(cat.currentPage, cat.thumbsPerPage, cat.lastIndex());
    loadRows(r.first, r.last);
    Q_EMIT pageStale();
    loadNextPage();
    Q_EMIT picturesCounted(pictures);
}

void FolderSession::watchShownFolder() {
    watched_ = {};
    delete intake_; // its thumbnails are of the folder shown before
    intake_ = nullptr;
    const Catalogue& cat = state_.catalogue;
    // The search results are the program's own copies, listed with where each came from.
    if (closed_ || cat.searchResults || state_.current.folder.isEmpty()) {
        watch_->stop();
        return;
    }
    watched_.folder = state_.current.folder;
    watch_->watch(watched_.folder, cat.rows, std::exchange(scannedStamps_, {}));
    // What the scan told about and left out (a broken picture in a folder it
    // cannot move out of) is not offered again until it changes.
    const QHash<QString, FileStamp> leftOut = std::exchange(leftOut_, {});
    for (auto it = leftOut.cbegin(); it != leftOut.cend(); ++it)
        watch_->refuse(it.key(), it.value());
}

void FolderSession::folderChanged(const QString& folder, const FolderChange& change) {
    if (folder != watched_.folder) return;
    for (const QString& n : change.gone) {
        watched_.arrived.removeAll(n);
        watched_.changed.removeAll(n);
        if (!watched_.gone.contains(n)) watched_.gone.append(n);
    }
    const QSet<QString> waiting(watched_.arrived.cbegin(), watched_.arrived.cend());
    for (const QString& n : change.arrived)
        if (!waiting.contains(n)) watched_.arrived.append(n);
    for (const QString& n : change.changed)
        if (!watched_.changed.contains(n)) watched_.changed.append(n);
    takeInFolderChanges();
}

bool FolderSession::folderUpdateWaits() const {
    // A pending click names a cell: its picture must not move under it.
    return !windowEnabled_() || scanning_ || closed_ || intake_ || clickBusy_() ||
           state_.transmit.handOffRunning;
}

void FolderSession::takeInFolderChanges() {
    if (watched_.arrived.isEmpty() && watched_.changed.isEmpty() && watched_.gone.isEmpty()) return;
    if (folderUpdateWaits()) {
        // A disabled window says when it is enabled again (changeEvent).
        if (windowEnabled_() && !closed_ && !intake_) intakeRetry_->start();
        return;
    }
    Catalogue& cat = state_.catalogue;
    const QString folder = watched_.folder;
    const QStringList gone = std::exchange(watched_.gone, {});
    const QStringList arrived = std::exchange(watched_.arrived, {});
    const QStringList changed = std::exchange(watched_.changed, {});

    QStringList reallyGone;
    for (const QString& n : gone) {
        if (!QFileInfo::exists(folder + n))
            reallyGone.append(n);
        else
            watch_->taken(n, n); // back already under the same name: still the row's
    }
    const QList<int> leaving = rowsNamed(cat, reallyGone);
    for (int r : leaving)
        QFile::remove(thumbnailPathOf(folder, cat.rows[r].fileName));
    if (!leaving.isEmpty()) leaveOutRows(cat, leaving);

    ArrivalPlan plan = planArrivals(folder, arrived, cat.rows, canWriteIn(folder));
    planRefreshes(folder, changed, cat.rows, plan);
    for (const Arrival& a : std::as_const(plan.arrivals))
        watch_->taken(a.offered, a.row.fileName, a.stamp);
    for (const QString& n : std::as_const(plan.skipped))
        if (rowsNamed(cat, {n}).size() == 1) watch_->taken(n, n);
    if (!leaving.isEmpty()) refreshGrid();
    if (plan.jobs.isEmpty()) return;
    intake_ = new ThumbnailBatch(thumbnailer_, this);
    connect(intake_, &ThumbnailBatch::finished, this,
            [this, plan = std::move(plan)] { finishIntake(plan); });
    intake_->start(plan.jobs);
}

void FolderSession::finishIntake(const ArrivalPlan& plan) {
    ThumbnailBatch* batch = std::exchange(intake_, nullptr);
    batch->deleteLater();
    Catalogue& cat = state_.catalogue;
    // A scan under way finds the new files itself.
    if (closed_ || scanning_ || watched_.folder != state_.current.folder) return;
    takeInRefreshes(plan, *batch);
    QList<CatalogueRow> rows;
    QList<QImage> pictures;
    for (int i = 0; i < plan.arrivals.size(); ++i) {
        const Arrival& a = plan.arrivals[i];
        const ThumbnailResult result = batch->result(i);
        // Not a picture (yet): left to the next scan, or offered again once it changes.
        if (result.outcome != ThumbnailOutcome::Made &&
            result.outcome != ThumbnailOutcome::NotWritten) {
            watch_->refuse(a.row.fileName, a.stamp);
            continue;
        }
        rows.append(a.row);
        pictures.append(result.image);
    }
    if (!rows.isEmpty()) {
        insertRows(cat, rows, pictures);
        refreshGrid();
    }
    takeInFolderChanges(); // what arrived meanwhile
}

void FolderSession::takeInRefreshes(const ArrivalPlan& plan, const ThumbnailBatch& batch) {
    Catalogue& cat = state_.catalogue;
    const int offset = cat.thumbsPerPage * (cat.currentPage - 1);
    bool shown = false;
    for (int i = 0; i < plan.refreshes.size(); ++i) {
        const Arrival& a = plan.refreshes[i];
        const ThumbnailResult result = batch.result(int(plan.arrivals.size()) + i);
        // Its thumbnail is kept until the file changes again (a picture that
        // does not decode now is the next scan's to judge).
        watch_->taken(a.offered, a.offered, a.stamp);
        const QList<int> at = rowsNamed(cat, {a.offered});
        if (at.size() != 1 || (result.outcome != ThumbnailOutcome::Made &&
                               result.outcome != ThumbnailOutcome::NotWritten))
            continue;
        // The row stays where it is, even sorted by date: the user's page
        // does not shift under them for a picture they already have.
        const int r = at.first();
        cat.rows[r].dateTime = a.row.dateTime;
        cat.rows[r].modified = a.row.modified;
        const bool onPage = r >= offset && r < offset + cat.thumbsPerPage;
        if (!onPage && cat.pictureCache.value(r).isNull()) continue;
        cat.pictureCache[r] =
            result.image.isNull() ? loadThumbnail(watched_.folder, a.offered) : result.image;
        shown = shown || onPage;
    }
    if (shown) Q_EMIT pageStale();
}

} // namespace quiverel
