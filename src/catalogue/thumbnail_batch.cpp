#include "catalogue/thumbnail_batch.h"

#include "catalogue/text_thumbnail.h"
#include "catalogue/thumbnail_location.h"
#include "convert/converter_job.h"
#include "imaging/picture_limits.h"
#include "imaging/picture_size.h"
#include "imaging/thumbnail.h"
#include "util/file_times.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMetaObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QThreadPool>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quiverel {

struct ThumbnailBatch::Shared {
    std::atomic<bool> cancelled{false};
    std::atomic<int> pending{0};
};

bool makePictureThumbnail(const QString& source, const QString& target) {
    return thumbnailPicture(source, target);
}

namespace {

// The batch has a pool of its own. Qt cuts large image conversions and smooth
// scaling on the interface thread into pieces for the global pool and waits for
// them; queued behind a folder of thumbnails they would freeze every repaint,
// the progress window's included, until the whole batch is done.
QThreadPool* thumbnailPool() {
    static QPointer<QThreadPool> pool;
    if (!pool) pool = new QThreadPool(QCoreApplication::instance());
    return pool;
}

QImage readBack(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

// Why a thumbnail was not made. Only a picture that stayed as it was listed,
// can be read, is within the limits and does not decode counts as undecodable;
// a picture that decodes was let down by the writing of its thumbnail.
ThumbnailResult whyNotMade(const ThumbnailJob& job, const FileStamp& after) {
    if (!after.exists || job.arriving || (job.listed.exists && after != job.listed))
        return {ThumbnailOutcome::Arriving, {}, {}};
    const QString unreadable = readError(job.source);
    if (!unreadable.isEmpty()) return {ThumbnailOutcome::CannotRead, unreadable, {}};
    if (job.text) return {ThumbnailOutcome::NotWritten, {}, {}};
    if (after.size > kMaxPictureFileBytes)
        return {ThumbnailOutcome::TooLarge,
                QStringLiteral("%1 MB; the limit is %2 MB")
                    .arg(after.size >> 20)
                    .arg(kMaxPictureFileBytes >> 20),
                {}};
    QImage image = thumbnailOfFile(job.source);
    if (!image.isNull()) return {ThumbnailOutcome::NotWritten, {}, std::move(image)};
    const QSize claimed = pictureSizeOfFile(job.source);
    if (claimed.isValid() && !isSanePictureSize(claimed))
        return {ThumbnailOutcome::TooLarge,
                QStringLiteral("%1 x %2 pixels").arg(claimed.width()).arg(claimed.height()),
                {}};
    // Written to while it was decoded: not settled after all.
    if (stampOf(job.source) != after) return {ThumbnailOutcome::Arriving, {}, {}};
    return {ThumbnailOutcome::Undecodable, {}, {}};
}

// Makes and dates the thumbnail file; on failure `why` says what became of it
// when the thumbnail was made but could not be put in place.
bool makeThumbnailFile(const ThumbnailJob& job, const PictureThumbnailer& thumbnailer,
                       FileStamp& after, ThumbnailResult& why) {
    const QString folder = QFileInfo(job.target).absolutePath();
    makeThumbnailFolder(folder);
    // Made under a short name and renamed: a picture's own name may be as
    // long as the system allows, which leaves no room for a longer temporary one.
    const QString temp = folder + QStringLiteral("/.making-") +
                         QString::number(QRandomGenerator::global()->generate64(), 16) +
                         QStringLiteral(".jpg");
    const bool ok = job.text ? makeTextThumbnail(job.source, temp)
                             : (thumbnailer && thumbnailer(job.source, temp));
    after = stampOf(job.source);
    if (!ok || !QFileInfo::exists(temp)) {
        QFile::remove(temp);
        return false;
    }
    if (std::rename(QFile::encodeName(temp).constData(),
                    QFile::encodeName(job.target).constData()) != 0) {
        why = {ThumbnailOutcome::NotWritten, QString::fromLocal8Bit(std::strerror(errno)),
               readBack(temp)};
        QFile::remove(temp);
        return false;
    }
    const bool settled = !job.arriving && (!job.listed.exists || after == job.listed);
    QString date = job.dateTime;
    if (!settled) {
        const QDateTime when = parseDateTimeText(job.dateTime);
        if (when.isValid()) date = dateTimeText(when.addSecs(-1));
    }
    SetFileDate(job.target, date);
    return true;
}

} // namespace

ThumbnailResult makeThumbnail(const ThumbnailJob& job, const PictureThumbnailer& thumbnailer) {
    FileStamp after;
    ThumbnailResult placed{ThumbnailOutcome::Undecodable, {}, {}};
    if (makeThumbnailFile(job, thumbnailer, after, placed)) return {};
    if (placed.outcome == ThumbnailOutcome::NotWritten) return placed;
    return whyNotMade(job, after);
}

bool makeThumbnailNow(const ThumbnailJob& job, const PictureThumbnailer& thumbnailer) {
    FileStamp after;
    ThumbnailResult why;
    return makeThumbnailFile(job, thumbnailer, after, why) && QFileInfo::exists(job.target);
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
    result_ = QList<std::optional<ThumbnailResult>>(jobs_.size());
    byRow_.clear();
    applied_ = 0;
    if (jobs_.isEmpty()) {
        QMetaObject::invokeMethod(this, &ThumbnailBatch::finished, Qt::QueuedConnection);
        return;
    }
    QPointer<ThumbnailBatch> self(this);
    auto shared = shared_;
    QThreadPool* pool = thumbnailPool();
    for (int i = 0; i < jobs_.size(); ++i) {
        const ThumbnailJob job = jobs_[i];
        const PictureThumbnailer thumbnailer = thumbnailer_;
        pool->start([self, shared, job, thumbnailer, i] {
            if (shared->cancelled) return;
            ThumbnailResult result = makeThumbnail(job, thumbnailer);
            if (shared->cancelled) return;
            // Handed to the application object, whose thread owns the batch;
            // the batch may be gone by then, which the weak pointer tells.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, shared, i, result] {
                    if (self && !shared->cancelled && self->shared_ == shared)
                        self->onDone(i, result);
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

void ThumbnailBatch::onDone(int index, const ThumbnailResult& result) {
    result_[index] = result;
    while (applied_ < jobs_.size() && result_[applied_]) {
        const int i = applied_++;
        byRow_.insert(jobs_[i].row, *result_[i]);
        Q_EMIT made(jobs_[i].row, result_[i]->outcome == ThumbnailOutcome::Made);
    }
    if (applied_ == jobs_.size()) Q_EMIT finished();
}

} // namespace quiverel
