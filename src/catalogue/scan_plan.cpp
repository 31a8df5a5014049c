#include "catalogue/scan_plan.h"

#include "catalogue/file_names.h"
#include "catalogue/folder_scan.h"
#include "catalogue/sort_orders.h"

#include <QDir>
#include <QSet>

namespace quiverel {

namespace {

QList<ThumbnailJob> missingThumbnails(const QString& folder, const QList<CatalogueRow>& rows) {
    const QString thumbs = thumbnailFolderOf(folder);
    QDir().mkpath(thumbs);
    const QStringList existing = QDir(thumbs).entryList(QDir::Files);
    const QSet<QString> present(existing.cbegin(), existing.cend());
    QList<ThumbnailJob> jobs;
    for (int i = 0; i < rows.size(); ++i) {
        const QString& name = rows[i].fileName;
        const QString thumbName = baseNameOf(name) + QStringLiteral(".jpg");
        if (present.contains(thumbName)) continue;
        jobs.append({i, folder + name, thumbs + thumbName, rows[i].dateTime, isTextType(name)});
    }
    return jobs;
}

} // namespace

ScanPlan planFolderScan(const QString& folder, int sortOrder, int perPage) {
    ScanPlan plan;
    FolderRead read = folder.isEmpty() ? FolderRead{false, {}} : readFolder(folder);
    plan.readable = read.readable;
    plan.rows = std::move(read.rows);
    plan.pictures = int(plan.rows.size());
    if (plan.pictures > 0) {
        RenameClashingFiles(folder, plan.rows);
        DeleteStaleThumbnails(folder, plan.rows);
        sortCatalogue(plan.rows, sortOrder);
        plan.missing = missingThumbnails(folder, plan.rows);
    } else {
        plan.rows.append(CatalogueRow{});
    }
    plan.pageCount = pageCountFor(plan.pictures, perPage);
    return plan;
}

} // namespace quiverel
