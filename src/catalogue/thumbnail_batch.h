#pragma once
// Makes missing thumbnails on every core and hands the results back on the
// thread that owns the batch, in catalogue order.

#include "catalogue/file_stamp.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace quiverel {

// Makes a picture's thumbnail file; called on worker threads, so it must be
// safe to call from several threads at once.
using PictureThumbnailer = std::function<bool(const QString& source, const QString& target)>;

struct ThumbnailJob {
    ThumbnailJob() = default;
    ThumbnailJob(int row, QString source, QString target, QString dateTime, bool text,
                 bool arriving = false, FileStamp listed = {})
        : row(row), source(std::move(source)), target(std::move(target)),
          dateTime(std::move(dateTime)), text(text), arriving(arriving), listed(listed) {}

    int row = 0;
    QString source;
    QString target;
    QString dateTime; // given to the thumbnail as its last-write time
    bool text = false;
    bool arriving = false; // written to lately: may still be being received
    FileStamp listed;      // the source when the job was planned; none: not compared
};

enum class ThumbnailOutcome {
    Made,        // the thumbnail file is there (of what had arrived, for a picture arriving)
    NotWritten,  // the picture decodes but its thumbnail could not be written
    Arriving,    // does not decode yet, and is being written (or changed, or went)
    CannotRead,  // the file cannot be opened
    TooLarge,    // above the size the program reads
    Undecodable, // settled, readable, and no picture
};

struct ThumbnailResult {
    ThumbnailOutcome outcome = ThumbnailOutcome::Made;
    QString detail; // the reason or size, for the user
    QImage image;   // NotWritten: the thumbnail, kept in memory
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
    // What became of a row's job, once `made` has been sent for it.
    ThumbnailResult result(int row) const { return byRow_.value(row); }

Q_SIGNALS:
    void made(int row, bool ok);
    void finished();

private:
    struct Shared;
    void onDone(int index, const ThumbnailResult& result);

    PictureThumbnailer thumbnailer_;
    std::shared_ptr<Shared> shared_;
    QList<ThumbnailJob> jobs_;
    QList<std::optional<ThumbnailResult>> result_; // by job, empty while pending
    QHash<int, ThumbnailResult> byRow_;
    int applied_ = 0;
};

// The converter's Thumbnail operation, done in this process: the picture
// fitted into 112 x 84 and saved by the target's extension. Safe on worker threads.
bool makePictureThumbnail(const QString& source, const QString& target);

// Makes one thumbnail now (a picture through `thumbnailer`, a text file by
// printing it) and dates it like the picture, or a second earlier when the
// picture is still arriving, so that a later scan makes it again. A failure
// says why: only a settled, readable picture that does not decode is Undecodable.
ThumbnailResult makeThumbnail(const ThumbnailJob& job, const PictureThumbnailer& thumbnailer);

// The same; true when the thumbnail file exists afterwards.
bool makeThumbnailNow(const ThumbnailJob& job, const PictureThumbnailer& thumbnailer);

} // namespace quiverel
