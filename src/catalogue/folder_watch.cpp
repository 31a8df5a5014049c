#include "catalogue/folder_watch.h"

#include "catalogue/file_names.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <algorithm>

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
        tracker_.letInArrivals();
        if (!timer_->isActive()) timer_->start();
    });
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &FolderWatch::fileChanged);
}

void FolderWatch::watch(const QString& folder, const QList<CatalogueRow>& rows,
                        const QHash<QString, FileStamp>& madeFrom) {
    stop();
    folder_ = folder;
    QList<const CatalogueRow*> newest;
    QStringList known;
    for (const CatalogueRow& r : rows) {
        if (r.fileName.isEmpty()) continue;
        known.append(r.fileName);
        newest.append(&r);
    }
    tracker_.reset(known);
    // The first looks only compare the pictures the scan took in.
    tracker_.holdArrivals();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return;
    watcher_->addPath(QDir::cleanPath(folder));
    if (newest.size() > kWatchedFiles) {
        std::partial_sort(
            newest.begin(), newest.begin() + kWatchedFiles, newest.end(),
            [](const CatalogueRow* a, const CatalogueRow* b) { return a->modified > b->modified; });
        newest.resize(kWatchedFiles);
    }
    QStringList paths;
    for (const CatalogueRow* r : std::as_const(newest)) {
        const auto made = madeFrom.constFind(r->fileName);
        tracker_.madeFrom(r->fileName,
                          made != madeFrom.cend() ? *made : stampOf(folder + r->fileName));
        paths.append(folder + r->fileName);
    }
    if (!paths.isEmpty()) watcher_->addPaths(paths);
    // Files written to while their thumbnails were made are compared at once.
    keepPolling();
}

void FolderWatch::stop() {
    timer_->stop();
    const QStringList directories = watcher_->directories();
    if (!directories.isEmpty()) watcher_->removePaths(directories);
    const QStringList files = watcher_->files();
    if (!files.isEmpty()) watcher_->removePaths(files);
    folder_.clear();
    tracker_.reset({});
}

void FolderWatch::taken(const QString& offered, const QString& name, const FileStamp& stamp) {
    tracker_.taken(offered, name, stamp.exists ? stamp : stampOf(folder_ + name));
    if (!folder_.isEmpty()) follow(name);
    keepPolling();
}

void FolderWatch::follow(const QString& name) {
    const QString path = folder_ + name;
    if (!watcher_->files().contains(path)) watcher_->addPath(path);
}

void FolderWatch::fileChanged(const QString& path) {
    if (folder_.isEmpty() || !path.startsWith(folder_)) return;
    const QString name = path.mid(folder_.size());
    tracker_.touch(name);
    // A file replaced by another under its name lost its watch with the old one.
    if (QFileInfo::exists(path)) follow(name);
    if (!timer_->isActive()) timer_->start();
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
    if (!change.gone.isEmpty()) {
        QStringList paths;
        for (const QString& n : change.gone)
            paths.append(folder + n);
        const QStringList followed = watcher_->files();
        paths.removeIf([&followed](const QString& p) { return !followed.contains(p); });
        if (!paths.isEmpty()) watcher_->removePaths(paths);
    }
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
