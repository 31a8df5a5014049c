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
    QList<ThumbnailJob> jobs; // a job's row is its index in `arrivals`
    QStringList skipped;      // offered names not taken in: gone, unreadable, too large
};

// Tidies the arrived files as the scan does (their names sanitised, a base
// that clashes with a row's or another arrival's renamed base-n; neither in
// a folder the program cannot write) and plans their thumbnails, made over
// whatever thumbnail of the same name is there. Files already among `rows`
// are skipped.
ArrivalPlan planArrivals(const QString& folder, const QStringList& names,
                         const QList<CatalogueRow>& rows, bool writable);

// Puts the rows where the sort order wants them (newest first by date: a new
// picture goes in front of those of its second), with their cached pictures
// (null: not loaded), and counts the pages again. Returns the number of pictures.
int insertRows(Catalogue& cat, const QList<CatalogueRow>& rows, const QList<QImage>& pictures);

// The rows holding any of `names`, in row order.
QList<int> rowsNamed(const Catalogue& cat, const QStringList& names);

} // namespace quiverel
