#include "catalogue/scan_plan.h"

#include "catalogue/file_names.h"
#include "catalogue/file_stamp.h"
#include "catalogue/folder_scan.h"
#include "catalogue/sort_orders.h"
#include "catalogue/thumbnail_location.h"
#include "util/file_times.h"

#include <QDir>
#include <QHash>

namespace quiverel {

namespace {

// Rows whose base names clash but could not be renamed share one thumbnail;
// it is up to date when it is dated like any of them, so that they do not
// make it in turn at every scan.
QList<ThumbnailJob> thumbnailJobs(const QString& folder, const QString& thumbs,
                                  const QList<CatalogueRow>& rows, const QDateTime& now) {
    makeThumbnailFolder(thumbs);
    QHash<QString, QString> dated; // thumbnail name -> its date-time text
    const QFileInfoList existing = QDir(thumbs).entryInfoList(QDir::Files);
    for (const QFileInfo& t : existing)
        dated.insert(t.fileName(), dateTimeText(t.lastModified()));
    QHash<QString, QList<int>> sharing;
    for (int i = 0; i < rows.size(); ++i)
        sharing[baseNameOf(rows[i].fileName) + QStringLiteral(".jpg")].append(i);

    QList<ThumbnailJob> jobs;
    QSet<QString> planned;
    for (int i = 0; i < rows.size(); ++i) {
        const QString& name = rows[i].fileName;
        const QString thumbName = baseNameOf(name) + QStringLiteral(".jpg");
        if (planned.contains(thumbName)) continue;
        planned.insert(thumbName);
        const auto have = dated.constFind(thumbName);
        const QList<int>& users = sharing[thumbName];
        const bool current =
            have != dated.cend() && std::any_of(users.cbegin(), users.cend(),
                                                [&](int r) { return rows[r].dateTime == *have; });
        if (current) continue;
        const FileStamp stamp = stampOf(folder + name);
        jobs.append({i, folder + name, thumbs + thumbName, rows[i].dateTime, isTextType(name),
                     isArriving(stamp, now), stamp});
    }
    return jobs;
}

} // namespace

ScanPlan planFolderScan(const QString& folder, int sortOrder, int perPage, const QDateTime& now) {
    ScanPlan plan;
    plan.writable = !folder.isEmpty() && canWriteIn(folder);
    plan.thumbnailFolder = thumbnailFolderOf(folder);
    FolderRead read =
        folder.isEmpty() ? FolderRead{false, {}, {}, {}} : readFolder(folder, {now, plan.writable});
    plan.readable = read.readable;
    plan.rows = std::move(read.rows);
    plan.pictures = int(plan.rows.size());
    if (plan.readable && !plan.writable)
        plan.notices.append({ScanNoticeKind::FolderReadOnly, folder, plan.thumbnailFolder});
    plan.notices.append(read.notices);
    if (plan.pictures > 0) {
        if (plan.writable) RenameClashingFiles(folder, plan.rows, read.arriving);
        DeleteStaleThumbnails(folder, plan.rows);
        sortCatalogue(plan.rows, sortOrder);
        plan.missing = thumbnailJobs(folder, plan.thumbnailFolder, plan.rows, now);
    } else {
        plan.rows.append(CatalogueRow{});
    }
    plan.pageCount = pageCountFor(plan.pictures, perPage);
    return plan;
}

RowDecision decideRow(const ThumbnailResult& result, const QString& path, const ScanPlan& plan) {
    switch (result.outcome) {
    case ThumbnailOutcome::Made:
        return {};
    case ThumbnailOutcome::NotWritten:
        return {RowAction::Show,
                ScanNotice{ScanNoticeKind::ThumbnailsNotWritten,
                           path.left(path.lastIndexOf(u'/') + 1), plan.thumbnailFolder}};
    case ThumbnailOutcome::Arriving:
        return {RowAction::LeaveOut, std::nullopt};
    case ThumbnailOutcome::CannotRead:
        return {RowAction::LeaveOut, ScanNotice{ScanNoticeKind::CannotRead, path, result.detail}};
    case ThumbnailOutcome::TooLarge:
        return {RowAction::LeaveOut, ScanNotice{ScanNoticeKind::TooLarge, path, result.detail}};
    case ThumbnailOutcome::Undecodable:
        if (plan.writable) return {RowAction::Quarantine, std::nullopt};
        return {RowAction::LeaveOut, ScanNotice{ScanNoticeKind::NotAPicture, path, {}}};
    }
    return {};
}

ScanFollowUp followUpScan(const ScanPlan& plan, const QString& folder,
                          const QList<CatalogueRow>& rows,
                          const QHash<int, ThumbnailResult>& unmade,
                          const std::function<bool(const QString& path)>& failedBefore) {
    ScanFollowUp out;
    out.notices = plan.notices;
    QHash<int, FileStamp> listed;
    for (const ThumbnailJob& j : plan.missing)
        listed.insert(j.row, j.listed);
    QList<int> order = unmade.keys();
    std::sort(order.begin(), order.end());
    for (int row : std::as_const(order)) {
        if (row < 0 || row >= rows.size()) continue;
        const QString path = folder + rows[row].fileName;
        const RowDecision d = decideRow(unmade[row], path, plan);
        if (d.notice) out.notices.append(*d.notice);
        if (d.action == RowAction::LeaveOut ||
            (d.action == RowAction::Quarantine && failedBefore && failedBefore(path)))
            out.leaveOut.append(row);
        else if (d.action == RowAction::Quarantine)
            out.quarantine.append({row, listed.value(row)});
    }
    return out;
}

int leaveOutRows(Catalogue& catalogue, QList<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int r : std::as_const(rows)) {
        if (r < 0 || r >= catalogue.rows.size()) continue;
        catalogue.rows.removeAt(r);
        if (r < catalogue.pictureCache.size()) catalogue.pictureCache.removeAt(r);
    }
    const int pictures = int(catalogue.rows.size());
    if (pictures == 0) {
        catalogue.rows.append(CatalogueRow{});
        catalogue.pictureCache = QList<QImage>(1);
    }
    catalogue.pageCount = pageCountFor(pictures, catalogue.thumbsPerPage);
    return pictures;
}

} // namespace quiverel
