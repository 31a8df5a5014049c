#pragma once
// The life of the folder shown: the scan and its thumbnails, quarantine of
// files that are no pictures, paging through the picture cache, and taking in
// what the folder watch reports. Without widgets: it tells the main window
// what to show through its signals.

#include "app/context.h"
#include "catalogue/arrival_tracker.h"
#include "catalogue/file_stamp.h"
#include "catalogue/notice_memory.h"
#include "catalogue/thumbnail_batch.h"

#include <QHash>
#include <QObject>
#include <functional>

class QEventLoop;
class QTimer;

namespace quiverel {

struct ArrivalPlan;
class FolderWatch;

class FolderSession : public QObject {
    Q_OBJECT
public:
    explicit FolderSession(Context& ctx, QObject* parent = nullptr);

    // Makes picture thumbnails on worker threads.
    void setThumbnailer(PictureThumbnailer thumbnailer) { thumbnailer_ = std::move(thumbnailer); }
    // What holds back taking in the watch's news besides the session itself:
    // a disabled window (it says when it is enabled again) and a click.
    void setHolds(std::function<bool()> windowEnabled, std::function<bool()> clickBusy);

    // Scans the current folder. A scan asked for while one runs (events run
    // while thumbnails are made) is done once the running one ends, never
    // over it; false for such a call.
    bool scan();
    bool isScanning() const { return scanning_; }
    // True while new pictures' thumbnails are being made.
    bool isTakingIn() const { return intake_ != nullptr; }
    // Follows the shown folder: new pictures are taken in, gone ones leave.
    FolderWatch& watch() { return *watch_; }
    // The window closes: the watch stops and no scan runs again.
    void close();
    // A scan in progress stops making thumbnails; what is made stays.
    void stopMaking();

    void loadRows(int first, int last);
    void loadNextPage();
    void loadPreviousPage();
    // The tabs, the page shown and the caption after rows came or went; the
    // page stays unless it is gone.
    void refreshGrid();
    // The selected thumbnail's row leaves the catalogue and its thumbnail file goes.
    void removeSelectedRow();
    // Moves the files of the page's `cells` (none: the selected one) to the
    // trash and takes their rows out; `recycle` says whether a file went.
    using Recycle = std::function<bool(const QString& path)>;
    void deleteCells(QList<int> cells, const Recycle& recycle);
    // Takes in what the watch reported unless something holds it back.
    void takeInFolderChanges();

Q_SIGNALS:
    void progress(const QString& caption, const QString& label, int maximum, int value);
    void progressDone();
    // The window takes no input while thumbnails are made.
    void busy(bool busy);
    // Shown to the user before the scan goes on.
    void warning(const QString& text);
    // The tabs follow the catalogue's page count and current page.
    void pagesChanged();
    // Every cell empty, every frame plain.
    void gridCleared();
    void framesReset();
    // The current page's pictures are to be shown again.
    void pageStale();
    void picturesCounted(int pictures);

private:
    void scanOnce();
    bool makeMissingThumbnails(const QList<ThumbnailJob>& jobs,
                               QHash<int, ThumbnailResult>& unmade);
    // True when the row's file was moved to Corrupt; a failure is added to `notices`.
    bool quarantine(int row, const FileStamp& listed, QList<ScanNotice>& notices);
    void watchShownFolder();
    void folderChanged(const QString& folder, const FolderChange& change);
    bool folderUpdateWaits() const;
    void finishIntake(const ArrivalPlan& plan);
    // Changed files' new thumbnails go into their cells where they are.
    void takeInRefreshes(const ArrivalPlan& plan, const ThumbnailBatch& batch);

    Context& ctx_;
    AppState& state_;
    PictureThumbnailer thumbnailer_;
    std::function<bool()> windowEnabled_ = [] { return true; };
    std::function<bool()> clickBusy_ = [] { return false; };
    bool closed_ = false;
    bool scanning_ = false;
    bool rescan_ = false;
    NoticeMemory notices_;           // what the scans told the user in this run
    QEventLoop* scanLoop_ = nullptr; // while thumbnails are made
    FolderWatch* watch_ = nullptr;
    ThumbnailBatch* intake_ = nullptr;
    QTimer* intakeRetry_ = nullptr; // while a click or hand-off holds the update back
    struct WatchedChanges {
        QString folder;
        QStringList arrived;
        QStringList changed;
        QStringList gone;
    } watched_; // reported, not yet taken in
    // The files the last scan made thumbnails of, as they were then.
    QHash<QString, FileStamp> scannedStamps_;
    // The files the last scan left out of the catalogue, as they were then.
    QHash<QString, FileStamp> leftOut_;
};

} // namespace quiverel
