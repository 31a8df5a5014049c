#pragma once
// The results folder of the keyword search, <application folder>/Search/:
// emptied, filled with copies of the found files and given their thumbnails.

#include "catalogue/thumbnail_batch.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <atomic>
#include <functional>

namespace quiverel {

// <application folder>/Search/
QString searchFolderOf(const QString& appFolder);

// Deletes the files of the folder and of its ThumbFiles folder. Sub-folders
// stay; a symbolic link is removed as a link and what it points to is never
// touched. Either folder missing, or standing as a link, is made a real folder.
void emptyResultsFolder(const QString& searchFolder);

// The name a found file gets in the results folder: its accepted name, or,
// when that base name is taken (letter case aside, so that no two results
// share a thumbnail), the base, a no-break space, the smallest free n and
// the extension ("sky.jpg" twice gives "sky\u00A01.jpg").
QString resultNameFor(const QString& fileName, const QSet<QString>& takenBases);

struct SearchFolderReport {
    QStringList notCopied;   // found files that have no copy, with the reason
    QStringList noThumbnail; // copies without a thumbnail
    bool stopped = false;    // asked to stop before every file was copied
};

// Asked on the interface thread while the results folder is being built: the
// copy in hand is dropped (no part of it stays), no further file is copied,
// and thumbnails not yet begun are left out.
class SearchStop : public QObject {
    Q_OBJECT
public:
    void request();
    bool isRequested() const { return requested_.load(); }
    const std::atomic<bool>* flag() const { return &requested_; }

Q_SIGNALS:
    void requested();

private:
    std::atomic<bool> requested_{false};
};

// Told on the interface thread as copies and thumbnails are made.
using BuildProgress = std::function<void(int value, int maximum)>;

// Empties the results folder, copies every found file into it (dated like the
// original; each copy written under a temporary name and renamed when whole)
// and makes the thumbnails. Copies are written on a worker thread and picture
// thumbnails on the workers of a ThumbnailBatch, while this waits in a local
// event loop, so windows stay alive. An entry of `results` whose copy got
// another name ends in that name afterwards; after a stop, entries without a
// copy are left out.
SearchFolderReport BuildSearchFolder(const QString& appFolder, QStringList& results,
                                     const PictureThumbnailer& thumbnailer,
                                     const BuildProgress& progress = {},
                                     SearchStop* stop = nullptr);

// The warning after copies failed: the folder, the first few files with their
// reasons and how many there were in all.
QString notCopiedText(const QString& searchFolder, const QStringList& notCopied);

} // namespace quiverel
