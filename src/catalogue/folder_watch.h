#pragma once
// Watches the shown folder and reports the catalogue's files that arrived
// (once settled) or went. Changes inside a file raise no folder event, so
// the folder is looked at again on a timer while arrivals settle.

#include "catalogue/arrival_tracker.h"
#include "desktop/clock.h"

#include <QObject>

class QFileSystemWatcher;
class QTimer;

namespace quiverel {

class FolderWatch : public QObject {
    Q_OBJECT
public:
    explicit FolderWatch(Clock& clock, QObject* parent = nullptr);

    // Watches `folder` (ends in "/"), whose catalogue holds `known`.
    void watch(const QString& folder, const QStringList& known);
    void stop();
    const QString& folder() const { return folder_; }

    // Looks at the folder now; sends `changed` when something is to be done.
    void poll();

    void taken(const QString& offered, const QString& name) { tracker_.taken(offered, name); }
    void refuse(const QString& name, const FileStamp& stamp);
    int pendingCount() const { return tracker_.pendingCount(); }
    QDateTime lastChange() const { return tracker_.lastChange(); }

Q_SIGNALS:
    void changed(const QString& folder, const FolderChange& change);
    void polled();

private:
    void keepPolling();

    Clock& clock_;
    QString folder_;
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* timer_ = nullptr;
    ArrivalTracker tracker_;
};

} // namespace quiverel
