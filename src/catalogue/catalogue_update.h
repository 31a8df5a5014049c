#pragma once
// The catalogue changed in place for files that arrived in or went from the
// shown folder, without scanning it again.

#include "app/state.h"
#include "catalogue/file_stamp.h"
#include "catalogue/thumbnail_batch.h"

#include <QImage>
#include <QStringList>

namespace quiverel {

struct Arrival {
    QString offered;  // the name the file arrived under
    CatalogueRow row; // the name it has after tidying, and its date
    FileStamp stamp;  // the file once tidied
};

struct ArrivalPlan {
    QList<Arrival> arrivals;
    QList<Arrival> refreshes; // rows whose files changed; their places stay
    // A job's row is its index in `arrivals`, then in `refreshes` after those.
    QList<ThumbnailJob> jobs;
    QStringList skipped; // offered names not taken in: gone, unreadable, too large
};

// Tidies the arrived files as the scan does (their names sanitised, a base
// that clashes with a row's or another arrival's renamed base-n; neither in
// a folder the program cannot write) and plans their thumbnails, made over
// whatever thumbnail of the same name is there. Files already among `rows`
// are skipped.
ArrivalPlan planArrivals(const QString& folder, const QStringList& names,
                         const QList<CatalogueRow>& rows, bool writable);

// Plans new thumbnails (over the old ones) for the rows among `rows` whose
// files in `folder` changed, named `names`; appended to `plan` after its
// arrivals. A name without a row, gone, unreadable or too large is skipped.
void planRefreshes(const QString& folder, const QStringList& names, const QList<CatalogueRow>& rows,
                   ArrivalPlan& plan);

// Puts the rows where the sort order wants them (newest first by date: a new
// picture goes in front of those of its second), with their cached pictures
// (null: not loaded), and counts the pages again. Returns the number of pictures.
int insertRows(Catalogue& cat, const QList<CatalogueRow>& rows, const QList<QImage>& pictures);

// The rows holding any of `names`, in row order.
QList<int> rowsNamed(const Catalogue& cat, const QStringList& names);

} // namespace quiverel
