#include "catalogue/thumbnail_batch.h"

#include "catalogue/text_thumbnail.h"
#include "convert/converter_job.h"
#include "util/file_times.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>
#include <atomic>

namespace quiverel {

struct ThumbnailBatch::Shared {
    std::atomic<bool> cancelled{false};
    std::atomic<int> pending{0};
};

bool makePictureThumbnail(const QString& source, const QString& target) {
    return thumbnailPicture(source, target);
}

bool makeThumbnailNow(const ThumbnailJob& job, const PictureThumbnailer& thumbnailer) {
    QDir().mkpath(QFileInfo(job.target).absolutePath());
    const bool ok = job.text ? makeTextThumbnail(job.source, job.target)
                             : (thumbnailer && thumbnailer(job.source, job.target));
    if (!ok && !QFileInfo::exists(job.target)) return false;
    SetFileDate(job.target, job.dateTime);
    return QFileInfo::exists(job.target);
}

ThumbnailBatch::ThumbnailBatch(PictureThumbnailer thumbnailer, QObject* parent)
    : QObject(parent), thumbnailer_(std::move(thumbnailer)) {}

ThumbnailBatch::~ThumbnailBatch() {
    if (shared_) shared_->cancelled = true;
    // Running jobs finish on their own; they hold the shared state, not us.
}

bool ThumbnailBatch::isRunning() const {
    return shared_ && applied_ < jobs_.size();
}

void ThumbnailBatch::start(QList<ThumbnailJob> jobs) {
    if (shared_) shared_->cancelled = true;
    shared_ = std::make_shared<Shared>();
    jobs_ = std::move(jobs);
    result_ = QList<int>(jobs_.size(), -1);
    applied_ = 0;
    if (jobs_.isEmpty()) {
        QMetaObject::invokeMethod(this, &ThumbnailBatch::finished, Qt::QueuedConnection);
        return;
    }
    QPointer<ThumbnailBatch> self(this);
    auto shared = shared_;
    QThreadPool* pool = QThreadPool::globalInstance();
    for (int i = 0; i < jobs_.size(); ++i) {
        const ThumbnailJob job = jobs_[i];
        const PictureThumbnailer thumbnailer = thumbnailer_;
        pool->start([self, shared, job, thumbnailer, i] {
            const bool ok = !shared->cancelled && makeThumbnailNow(job, thumbnailer);
            if (shared->cancelled) return;
            // Handed to the application object, whose thread owns the batch;
            // the batch may be gone by then, which the weak pointer tells.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, shared, i, ok] {
                    if (self && !shared->cancelled && self->shared_ == shared) self->onDone(i, ok);
                },
                Qt::QueuedConnection);
        });
    }
}

void ThumbnailBatch::cancel() {
    if (!shared_ || applied_ >= jobs_.size()) return;
    shared_->cancelled = true;
    applied_ = int(jobs_.size());
    Q_EMIT finished();
}

void ThumbnailBatch::onDone(int index, bool ok) {
    result_[index] = ok ? 1 : 0;
    while (applied_ < jobs_.size() && result_[applied_] >= 0) {
        const int i = applied_++;
        Q_EMIT made(jobs_[i].row, result_[i] == 1);
    }
    if (applied_ == jobs_.size()) Q_EMIT finished();
}

} // namespace quiverel
