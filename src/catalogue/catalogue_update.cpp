#include "catalogue/catalogue_update.h"

#include "catalogue/file_names.h"
#include "catalogue/folder_scan.h"
#include "catalogue/thumbnail_location.h"

#include <QSet>
#include <algorithm>

namespace quiverel {

ArrivalPlan planArrivals(const QString& folder, const QStringList& names,
                         const QList<CatalogueRow>& rows, bool writable) {
    ArrivalPlan plan;
    QSet<QString> inCatalogue;
    QSet<QString> rowKeys;
    for (const CatalogueRow& r : rows) {
        if (r.fileName.isEmpty()) continue;
        inCatalogue.insert(r.fileName);
        rowKeys.insert(clashKeyOf(r.fileName));
    }
    QSet<QString> bases = folderBases(folder);
    makeThumbnailFolder(thumbnailFolderOf(folder));
    for (const QString& name : names) {
        if (inCatalogue.contains(name)) continue;
        // Settled files are tidied at once: the folder was seen quiet.
        FolderRead read;
        readFolderFile(folder, QFileInfo(folder + name), {QDateTime(), writable}, read);
        if (read.rows.isEmpty() || !QFileInfo::exists(folder + read.rows.first().fileName)) {
            plan.skipped.append(name);
            continue;
        }
        CatalogueRow row = read.rows.first();
        if (writable && rowKeys.contains(clashKeyOf(row.fileName)))
            row.fileName = renameClashing(folder, row.fileName, bases);
        rowKeys.insert(clashKeyOf(row.fileName));
        inCatalogue.insert(row.fileName);
        const FileStamp stamp = stampOf(folder + row.fileName);
        plan.jobs.append({int(plan.arrivals.size()), folder + row.fileName,
                          thumbnailPathOf(folder, row.fileName), row.dateTime,
                          isTextType(row.fileName), false, stamp});
        plan.arrivals.append({name, row, stamp});
    }
    return plan;
}

void planRefreshes(const QString& folder, const QStringList& names, const QList<CatalogueRow>& rows,
                   ArrivalPlan& plan) {
    QSet<QString> inCatalogue;
    for (const CatalogueRow& r : rows)
        if (!r.fileName.isEmpty()) inCatalogue.insert(r.fileName);
    for (const QString& name : names) {
        FolderRead read;
        // Its name was tidied when it was taken in; nothing is renamed now.
        if (inCatalogue.contains(name))
            readFolderFile(folder, QFileInfo(folder + name), {QDateTime(), false}, read);
        if (read.rows.isEmpty() || read.rows.first().fileName != name) {
            plan.skipped.append(name);
            continue;
        }
        const CatalogueRow& row = read.rows.first();
        const FileStamp stamp = stampOf(folder + name);
        const int job = int(plan.arrivals.size() + plan.refreshes.size());
        plan.jobs.append({job, folder + name, thumbnailPathOf(folder, name), row.dateTime,
                          isTextType(name), false, stamp});
        plan.refreshes.append({name, row, stamp});
    }
}

int insertRows(Catalogue& cat, const QList<CatalogueRow>& rows, const QList<QImage>& pictures) {
    if (cat.rows.size() == 1 && cat.rows.first().fileName.isEmpty()) {
        cat.rows.clear();
        cat.pictureCache.clear();
    }
    cat.pictureCache.resize(cat.rows.size());
    const bool byName = cat.sortOrder == 2;
    const auto before = [byName](const CatalogueRow& a, const CatalogueRow& b) {
        if (byName) return baseNameOf(a.fileName).toUpper() < baseNameOf(b.fileName).toUpper();
        return a.modified > b.modified;
    };
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const CatalogueRow& row = rows[i];
        // By date a new row goes before rows of its own second; by name after its equals.
        const auto at = byName
                            ? std::upper_bound(cat.rows.cbegin(), cat.rows.cend(), row, before)
                            : std::find_if(cat.rows.cbegin(), cat.rows.cend(),
                                           [&](const CatalogueRow& r) { return !before(r, row); });
        const qsizetype index = at - cat.rows.cbegin();
        cat.rows.insert(index, row);
        cat.pictureCache.insert(index, pictures.value(i));
    }
    if (cat.rows.isEmpty()) {
        cat.rows.append(CatalogueRow{});
        cat.pictureCache = QList<QImage>(1);
    }
    const int count = cat.rows.first().fileName.isEmpty() ? 0 : int(cat.rows.size());
    cat.pageCount = pageCountFor(count, cat.thumbsPerPage);
    return count;
}

QList<int> rowsNamed(const Catalogue& cat, const QStringList& names) {
    const QSet<QString> wanted(names.cbegin(), names.cend());
    QList<int> out;
    for (int i = 0; i < cat.rows.size(); ++i)
        if (!cat.rows[i].fileName.isEmpty() && wanted.contains(cat.rows[i].fileName)) out.append(i);
    return out;
}

} // namespace quiverel
