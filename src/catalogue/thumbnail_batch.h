#pragma once
// Makes missing thumbnails on every core and hands the results back on the
// thread that owns the batch, in catalogue order.

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace quiverel {

// Makes a picture's thumbnail file; called on worker threads, so it must be
// safe to call from several threads at once.
using PictureThumbnailer = std::function<bool(const QString& source, const QString& target)>;

struct ThumbnailJob {
    int row = 0;
    QString source;
    QString target;
    QString dateTime; // given to the thumbnail as its last-write time
    bool text = false;
};

class ThumbnailBatch : public QObject {
    Q_OBJECT
public:
    ThumbnailBatch(PictureThumbnailer thumbnailer, QObject* parent = nullptr);
    ~ThumbnailBatch() override;

    // Starts the jobs; results arrive through `made` in the order of `jobs`.
    void start(QList<ThumbnailJob> jobs);
    // Jobs not yet begun are dropped; `finished` still comes.
    void cancel();
    bool isRunning() const;
    int doneCount() const { return applied_; }

Q_SIGNALS:
    void made(int row, bool ok);
    void finished();

private:
    struct Shared;
    void onDone(int index, bool ok);

    PictureThumbnailer thumbnailer_;
    std::shared_ptr<Shared> shared_;
    QList<ThumbnailJob> jobs_;
    QList<int> result_; // -1 pending, 0 failed, 1 made
    int applied_ = 0;
};

// The converter's Thumbnail operation, done in this process: the picture
// fitted into 112 x 84 and saved by the target's extension. Safe on worker threads.
bool makePictureThumbnail(const QString& source, const QString& target);

// Makes one thumbnail now (a picture through `thumbnailer`, a text file by
// printing it) and dates it; true when the thumbnail file exists afterwards.
bool makeThumbnailNow(const ThumbnailJob& job, const PictureThumbnailer& thumbnailer);

} // namespace quiverel
