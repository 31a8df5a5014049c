#pragma once
// The results folder of the keyword search, <application folder>/Search/:
// emptied, filled with copies of the found files and given their thumbnails.

#include "catalogue/thumbnail_batch.h"

#include <QSet>
#include <QStringList>
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
};

// Told as the copies are made and as their thumbnails arrive.
using BuildProgress = std::function<void(int value, int maximum)>;

// Empties the results folder, copies every found file into it (dated like
// the original) and makes the thumbnails: pictures on the worker threads of
// a ThumbnailBatch (waited for in a local event loop), text files from
// TextFile.jpg. An entry of `results` whose copy got another name ends in
// that name afterwards.
SearchFolderReport BuildSearchFolder(const QString& appFolder, QStringList& results,
                                     const PictureThumbnailer& thumbnailer,
                                     const BuildProgress& progress = {});

} // namespace quiverel
