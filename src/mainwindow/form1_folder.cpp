// Form1: the folder scan (ShowFolder) and what it needs of the window.

#include "mainwindow/form1.h"

#include "catalogue/file_names.h"
#include "catalogue/file_stamp.h"
#include "catalogue/folder_scan.h"
#include "catalogue/frm_splash.h"
#include "catalogue/load_thumbnail.h"
#include "catalogue/scan_plan.h"
#include "catalogue/thumbnail_grid.h"
#include "util/folder_tree.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QSet>
#include <QTabBar>

namespace quiverel {

namespace {
const QString kBrisendale = QStringLiteral("Brisendale");
}

void Form1::showSplash(const QString& caption, const QString& label, int maximum, int value) {
    if (!splash_) splash_ = new frmSplash(this);
    splash_->setGuiScale(state_.settings.guiScale);
    splash_->showProgress(caption, label, maximum, value);
}

void Form1::closeSplash() {
    if (splash_) splash_->hide();
}

void Form1::ShowFolder() {
    // A scan asked for while one runs (events run while thumbnails are
    // made) is done once the running one ends, never over it.
    if (scanning_) {
        rescan_ = true;
        return;
    }
    scanning_ = true;
    do {
        rescan_ = false;
        scanOnce();
    } while (rescan_ && !unloaded_);
    scanning_ = false;
    watchShownFolder();
    setEnabled(true);
    raise();
    activateWindow();
}

void Form1::scanOnce() {
    Catalogue& cat = state_.catalogue;
    const QString folder = state_.current.folder;

    // A folder the program cannot write is left exactly as it is.
    if (canWriteIn(folder))
        for (const QString& old : oldThumbnailFolders(folder))
            DeleteFolderTree(old, [this](const QString& path) {
                showSplash(QStringLiteral("Quiverel"), QStringLiteral("Deleteing old thumbnails"),
                           1, 0);
                Q_UNUSED(path);
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });

    QApplication::setOverrideCursor(Qt::WaitCursor);
    cat.currentPage = 1;
    cat.previousPage = 1;
    cat.tabClickSuppressed = true;

    ScanPlan plan = planFolderScan(folder, cat.sortOrder, cat.thumbsPerPage, ctx_.clock.localNow());
    if (!plan.readable && !folder.isEmpty()) {
        QApplication::restoreOverrideCursor();
        ctx_.prompts.message(this, kBrisendale,
                             QStringLiteral("The folder\n%1\ncannot be read.").arg(folder),
                             PromptIcon::Warning);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    int pictures = plan.pictures;
    cat.rows = std::move(plan.rows);
    cat.pictureCache = QList<QImage>(cat.rows.size());
    // A file written to while its thumbnail is made is taken in again once
    // it settles (the folder watch compares it with this).
    scannedStamps_.clear();
    for (const ThumbnailJob& j : std::as_const(plan.missing))
        if (j.listed.exists && j.row < cat.rows.size())
            scannedStamps_.insert(cat.rows[j.row].fileName, j.listed);
    cat.pageCount = plan.pageCount;
    rebuildTabs();

    for (int k = 0; k < pic2->cellCount(); ++k)
        pic2->setCellPicture(k, QImage());
    pic2->resetFrames();

    QHash<int, ThumbnailResult> unmade;
    if (pictures > 0) makeMissingThumbnails(plan.missing, unmade);
    closeSplash();
    setEnabled(true);
    if (unloaded_) { // closed while the thumbnails were made
        QApplication::restoreOverrideCursor();
        return;
    }

    ScanFollowUp next = followUpScan(plan, folder, cat.rows, unmade, [this](const QString& path) {
        return notices_.given(ScanNoticeKind::CannotQuarantine, path);
    });
    for (const QuarantineJob& q : std::as_const(next.quarantine))
        if (!quarantine(q.row, q.listed, next.notices)) next.leaveOut.append(q.row);
    if (!rescan_ && !next.leaveOut.isEmpty()) {
        pictures = leaveOutRows(cat, next.leaveOut);
        rebuildTabs();
    }
    if (!rescan_) {
        ShowPage();
        if (cat.lastIndex() > cat.thumbsPerPage - 1) LoadNextPage();
        if (cat.lastIndex() > 2 * cat.thumbsPerPage) LoadPreviousPage();
    }

    updatePicturesCaption(pictures);

    QApplication::restoreOverrideCursor();
    // Told with the grid already showing what the scan left in it.
    const QList<ScanNotice> news = notices_.fresh(next.notices);
    if (!news.isEmpty())
        ctx_.prompts.message(this, kBrisendale, noticesText(news), PromptIcon::Warning);
    cat.tabClickSuppressed = false;
}

bool Form1::makeMissingThumbnails(const QList<ThumbnailJob>& jobs,
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
        ShowPage();
        firstShown = true;
    }
    if (jobs.isEmpty()) return firstShown;

    setEnabled(false);
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
            ShowPage();
            firstShown = true;
        }
        showSplash(QStringLiteral("Creating thumbnails..."),
                   cat.rows[row].fileName + u' ' + QString::number(row) + u' ', total,
                   batch.doneCount());
    });
    connect(&batch, &ThumbnailBatch::finished, &loop, &QEventLoop::quit);
    showSplash(QStringLiteral("Creating thumbnails..."), QString(), total, 0);
    batch.start(jobs);
    scanLoop_ = &loop;
    loop.exec();
    scanLoop_ = nullptr;
    return firstShown;
}

bool Form1::quarantine(int row, const FileStamp& listed, QList<ScanNotice>& notices) {
    const QString folder = state_.current.folder;
    const QString name = state_.catalogue.rows.value(row).fileName;
    if (name.isEmpty()) return false;
    // Written to since it was examined: it is arriving after all.
    if (listed.exists && stampOf(folder + name) != listed) return false;
    QApplication::restoreOverrideCursor();
    ctx_.prompts.message(this, kBrisendale, quarantineMessage(folder, name, state_.appFolder),
                         PromptIcon::Warning);
    QApplication::setOverrideCursor(Qt::WaitCursor);
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

void Form1::rebuildTabs() {
    const bool suppressed = state_.catalogue.tabClickSuppressed;
    state_.catalogue.tabClickSuppressed = true;
    while (Tabs->count() > 0)
        Tabs->removeTab(Tabs->count() - 1);
    for (int p = 1; p <= state_.catalogue.pageCount; ++p)
        Tabs->addTab(QString::number(p));
    Tabs->setCurrentIndex(0);
    state_.catalogue.tabClickSuppressed = suppressed;
}

} // namespace quiverel
