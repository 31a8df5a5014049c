#include "catalogue/folder_watch.h"

#include "catalogue/file_names.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace quiverel {

namespace {
constexpr int kPollMs = 250;
}

FolderWatch::FolderWatch(Clock& clock, QObject* parent)
    : QObject(parent), clock_(clock), watcher_(new QFileSystemWatcher(this)),
      timer_(new QTimer(this)) {
    timer_->setInterval(kPollMs);
    connect(timer_, &QTimer::timeout, this, &FolderWatch::poll);
    // Several events of one burst are looked at once.
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!timer_->isActive()) timer_->start();
    });
}

void FolderWatch::watch(const QString& folder, const QStringList& known) {
    stop();
    folder_ = folder;
    tracker_.reset(known);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) watcher_->addPath(QDir::cleanPath(folder));
}

void FolderWatch::stop() {
    timer_->stop();
    const QStringList watched = watcher_->directories();
    if (!watched.isEmpty()) watcher_->removePaths(watched);
    folder_.clear();
    tracker_.reset({});
}

void FolderWatch::refuse(const QString& name, const FileStamp& stamp) {
    tracker_.refuse(name, stamp);
    keepPolling();
}

void FolderWatch::poll() {
    if (folder_.isEmpty()) {
        timer_->stop();
        return;
    }
    // A folder that cannot be listed just now tells nothing about its files.
    const QDir dir(folder_);
    if (!dir.exists() || !dir.isReadable()) {
        keepPolling();
        Q_EMIT polled();
        return;
    }
    QStringList names = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    names.removeIf([](const QString& n) { return !isPictureType(n); });
    const QString folder = folder_;
    const FolderChange change = tracker_.observe(
        names, [&folder](const QString& name) { return stampOf(folder + name); },
        clock_.localNow());
    keepPolling();
    if (!change.isEmpty()) Q_EMIT changed(folder, change);
    Q_EMIT polled();
}

void FolderWatch::keepPolling() {
    if (tracker_.waiting() && !folder_.isEmpty()) {
        if (!timer_->isActive()) timer_->start();
    } else {
        timer_->stop();
    }
}

} // namespace quiverel
