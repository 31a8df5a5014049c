// Form1: the shown folder followed while SSTV programs write into it.

#include "mainwindow/form1.h"

#include "catalogue/catalogue_update.h"
#include "catalogue/file_names.h"
#include "catalogue/file_stamp.h"
#include "catalogue/folder_watch.h"
#include "catalogue/load_thumbnail.h"
#include "catalogue/scan_plan.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>

namespace quiverel {

void Form1::createFolderWatch() {
    watch_ = new FolderWatch(ctx_.clock, this);
    connect(watch_, &FolderWatch::changed, this, &Form1::folderChanged);
    intakeRetry_ = new QTimer(this);
    intakeRetry_->setSingleShot(true);
    intakeRetry_->setInterval(250);
    connect(intakeRetry_, &QTimer::timeout, this, &Form1::takeInFolderChanges);
}

void Form1::watchShownFolder() {
    watched_ = {};
    delete intake_; // its thumbnails are of the folder shown before
    intake_ = nullptr;
    const Catalogue& cat = state_.catalogue;
    // The search results are the program's own copies, listed with where each came from.
    if (unloaded_ || cat.searchResults || state_.current.folder.isEmpty()) {
        watch_->stop();
        return;
    }
    watched_.folder = state_.current.folder;
    watch_->watch(watched_.folder, cat.rows, std::exchange(scannedStamps_, {}));
}

void Form1::folderChanged(const QString& folder, const FolderChange& change) {
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

bool Form1::folderUpdateWaits() const {
    // A pending click names a cell: its picture must not move under it.
    return !isEnabled() || scanning_ || unloaded_ || intake_ || clickRunning_ ||
           Timer2->isActive() || state_.transmit.handOffRunning;
}

void Form1::takeInFolderChanges() {
    if (watched_.arrived.isEmpty() && watched_.changed.isEmpty() && watched_.gone.isEmpty()) return;
    if (folderUpdateWaits()) {
        // A disabled window says when it is enabled again (changeEvent).
        if (isEnabled() && !unloaded_ && !intake_) intakeRetry_->start();
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

void Form1::finishIntake(const ArrivalPlan& plan) {
    ThumbnailBatch* batch = std::exchange(intake_, nullptr);
    batch->deleteLater();
    Catalogue& cat = state_.catalogue;
    // A scan under way finds the new files itself.
    if (unloaded_ || scanning_ || watched_.folder != state_.current.folder) return;
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

void Form1::takeInRefreshes(const ArrivalPlan& plan, const ThumbnailBatch& batch) {
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
    if (shown) ShowPage();
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled())
        QTimer::singleShot(0, this, &Form1::takeInFolderChanges);
}

} // namespace quiverel
