#pragma once
// Watches the shown folder and reports the catalogue's files that arrived or
// changed (once settled) or went. Changes inside a file raise no folder
// event, so the newest catalogue files are watched one by one, and the folder
// is looked at again on a timer while changes settle.

#include "app/state.h"
#include "catalogue/arrival_tracker.h"
#include "desktop/clock.h"

#include <QHash>
#include <QObject>

class QFileSystemWatcher;
class QTimer;

namespace quiverel {

// How many catalogue files are watched for changes inside them, the newest:
// an SSTV program rewrites a picture it received lately; changes to older
// ones are found by the next scan. Keeps within the system's watch limit.
inline constexpr int kWatchedFiles = 2000;

class FolderWatch : public QObject {
    Q_OBJECT
public:
    explicit FolderWatch(Clock& clock, QObject* parent = nullptr);

    // Watches `folder` (ends in "/"), whose catalogue holds `rows`. `madeFrom`
    // gives the stamps some files had when their thumbnails were made (a file
    // still written to while the scan ran); the others are taken as they are now.
    void watch(const QString& folder, const QList<CatalogueRow>& rows,
               const QHash<QString, FileStamp>& madeFrom = {});
    void stop();
    const QString& folder() const { return folder_; }

    // Looks at the folder now; sends `changed` when something is to be done.
    void poll();

    // The file is in the catalogue as `name`, its thumbnail made from `stamp`
    // (none: the file as it is now).
    void taken(const QString& offered, const QString& name, const FileStamp& stamp = {});
    void refuse(const QString& name, const FileStamp& stamp);
    int pendingCount() const { return tracker_.pendingCount(); }
    QDateTime lastChange() const { return tracker_.lastChange(); }

Q_SIGNALS:
    void changed(const QString& folder, const FolderChange& change);
    void polled();

private:
    void keepPolling();
    void fileChanged(const QString& path);
    void follow(const QString& name);

    Clock& clock_;
    QString folder_;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* timer_ = nullptr;
    ArrivalTracker tracker_;
};

} // namespace quiverel
