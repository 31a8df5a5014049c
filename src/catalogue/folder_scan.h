#pragma once
// The file work of a folder scan: reading the folder, tidying names,
// clearing old and stale thumbnails. No windows here.

#include "app/state.h"

#include <QStringList>

namespace quiverel {

struct FolderRead {
    bool readable = true;
    QList<CatalogueRow> rows; // pictures and text files, names sanitised
};

// The catalogue's files among the folder's ordinary files (hidden ones left
// out), each name sanitised on disk, with their date and time. A text file's
// thumbnail of exactly 3885 bytes is deleted so that it is drawn again.
FolderRead readFolder(const QString& folder);

// Neighbours (by name) whose names agree before the first "." (any letter
// case): the earlier one is renamed base-n with its own extension, n the
// smallest for which no base-n.* exists. Rows are left sorted by name.
void RenameClashingFiles(const QString& folder, QList<CatalogueRow>& rows);

// Deletes every file in the thumbnail folder that no row's base name
// (in capitals) matches.
void DeleteStaleThumbnails(const QString& folder, const QList<CatalogueRow>& rows);

// The thumbnail folders of earlier versions, "Thumbnails" and "Thumbs".
QStringList oldThumbnailFolders(const QString& folder);

// Pages for a count of pictures: rounded up, at least 1.
int pageCountFor(int pictures, int perPage);

// The picture-count caption: caption, two blanks, count, a blank, word;
// "Found  " instead of the caption for search results.
QString picturesCaption(const QString& folderCaption, int count, const QString& word,
                        bool searchResults);

// The three lines of the quarantine warning.
QString quarantineMessage(const QString& folder, const QString& name, const QString& appFolder);

// Copies the file into the quarantine folder (under a free name), checks the
// copy has the same size, and only then deletes the original. Returns the
// copy's path, or nothing when the file was left where it was.
std::optional<QString> moveToQuarantine(const QString& folder, const QString& name,
                                        const QString& appFolder);

// The message of an unexpected failure while scanning: folder and file on
// the first line, then stage, " - ", code, two blanks and the description.
QString scanFailureMessage(const QString& folder, const QString& name, int stage, int code,
                           const QString& description);

} // namespace quiverel
