#pragma once
// One folder scan as a plan: the folder listed and tidied on disk, and what
// the grid is to show, which thumbnails are to be made and what the user is
// to be told.

#include "app/state.h"
#include "catalogue/scan_notice.h"
#include "catalogue/thumbnail_batch.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <functional>
#include <optional>

namespace quiverel {

struct ScanPlan {
    bool readable = true;
    // False for a folder the program cannot write: nothing in it is renamed,
    // deleted or quarantined, and its thumbnails live in the user's cache.
    bool writable = true;
    QString thumbnailFolder;
    int pictures = 0;         // pictures and text files shown
    QList<CatalogueRow> rows; // in the sort order; an empty folder gives one empty row
    int pageCount = 1;
    // Thumbnails to make, in row order: missing ones, those dated unlike their
    // picture (it changed since), and those of pictures still arriving.
    QList<ThumbnailJob> missing;
    QList<ScanNotice> notices; // the read-only folder, files left out
};

// Lists the folder, sanitises names, renames clashes, removes stale
// thumbnails, sorts, counts pages and lists the thumbnails to make (their
// folder is made here). Files written within kArrivalSeconds of `now` are
// neither renamed nor, later, quarantined.
ScanPlan planFolderScan(const QString& folder, int sortOrder, int perPage, const QDateTime& now);

enum class RowAction {
    Show,       // with its thumbnail, one kept in memory, or a blank cell
    LeaveOut,   // not in this scan's catalogue; the file stays as it is
    Quarantine, // the quarantine warning, then the move to Corrupt
};

struct RowDecision {
    RowAction action = RowAction::Show;
    std::optional<ScanNotice> notice;

    bool operator==(const RowDecision&) const = default;
};

// What becomes of a row whose thumbnail job ended with `result`. Only a
// settled picture that does not decode, in a folder the program may change,
// is quarantined.
RowDecision decideRow(const ThumbnailResult& result, const QString& path, const ScanPlan& plan);

struct QuarantineJob {
    int row = 0;
    FileStamp listed; // the file as its thumbnail job found it
};

struct ScanFollowUp {
    QList<int> leaveOut;             // rows to take out of the catalogue
    QList<QuarantineJob> quarantine; // in row order
    QList<ScanNotice> notices;       // the plan's, then the rows'
};

// What the scan does once the thumbnails were made: every unmade row of
// `rows` decided by decideRow, in row order. A row whose quarantine already
// failed in this run (`failedBefore` of its path) is left out instead.
ScanFollowUp followUpScan(const ScanPlan& plan, const QString& folder,
                          const QList<CatalogueRow>& rows,
                          const QHash<int, ThumbnailResult>& unmade,
                          const std::function<bool(const QString& path)>& failedBefore);

// Removes the rows (and their cached pictures) from the catalogue and counts
// its pages again; no rows left gives the one empty row. Returns the number
// of pictures left.
int leaveOutRows(Catalogue& catalogue, QList<int> rows);

} // namespace quiverel
