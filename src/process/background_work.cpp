#include "process/background_work.h"

#include "imaging/picture_file.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <memory>

namespace quiverel {

bool runInBackground(const std::function<bool()>& work) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) return work();
    QFutureWatcher<bool> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<bool>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(work));
    if (!watcher.isFinished()) loop.exec();
    return watcher.result();
}

QImage loadPictureInBackground(const QString& path) {
    auto picture = std::make_shared<QImage>();
    runInBackground([picture, path] {
        *picture = loadPicture(path);
        return !picture->isNull();
    });
    return *picture;
}

} // namespace quiverel
