#pragma once
// The file work of a folder scan: reading the folder, tidying names,
// clearing old and stale thumbnails. No windows here.

#include "app/state.h"
#include "catalogue/file_stamp.h"
#include "catalogue/scan_notice.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <optional>

namespace quiverel {

struct FolderRead {
    bool readable = true;
    QList<CatalogueRow> rows;  // pictures and text files, names sanitised
    QSet<QString> arriving;    // names of rows written to lately, not renamed
    QList<ScanNotice> notices; // files left out: cannot be read, too large
};

struct FolderReadOptions {
    QDateTime now;      // files written this close to it are arriving; invalid: none
    bool rename = true; // false in a folder the program cannot write
};

// The catalogue's files among the folder's ordinary files (hidden ones left
// out), each name sanitised on disk unless it is arriving, with their date and
// time. Files that cannot be read and pictures above the size limit are left
// out with a notice. A text file's thumbnail of exactly 3885 bytes is deleted
// so that it is drawn again.
FolderRead readFolder(const QString& folder, const FolderReadOptions& options = {});

// One file of the folder as readFolder takes it: added to `out` as a row,
// or left out with a notice; not one of the catalogue's files, skipped.
void readFolderFile(const QString& folder, const QFileInfo& info, const FolderReadOptions& options,
                    FolderRead& out);

// What clashes between names: the text before the first ".", in capitals.
QString clashKeyOf(const QString& name);
// The clash keys of every file in the folder.
QSet<QString> folderBases(const QString& folder);
// Renames the file to base-n and its own extension, n the smallest whose
// base is not in `bases` (which gains it), never over another file. Returns
// the name the file has afterwards.
QString renameClashing(const QString& folder, const QString& name, QSet<QString>& bases);

// Neighbours (by name) whose names agree before the first "." (any letter
// case): the earlier one is renamed base-n with its own extension, n the
// smallest for which no base-n.* exists. A name in `keep`, or one that cannot
// be renamed, stays as it is. Rows are left sorted by name.
void RenameClashingFiles(const QString& folder, QList<CatalogueRow>& rows,
                         const QSet<QString>& keep = {});

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

// Moves the file into the quarantine folder under a free name: renamed on
// the same file system (it keeps its inode, so a writer still holding it open
// loses nothing), else copied, checked and deleted; a copy whose original
// cannot be deleted is removed again. With `unchanged`, a file that no longer
// matches it is left alone. Returns the new path, or nothing (and the reason
// in `error`) when the file was left where it was.
std::optional<QString> moveToQuarantine(const QString& folder, const QString& name,
                                        const QString& appFolder,
                                        const std::optional<FileStamp>& unchanged = {},
                                        QString* error = nullptr);

// The message of an unexpected failure while scanning: folder and file on
// the first line, then stage, " - ", code, two blanks and the description.
QString scanFailureMessage(const QString& folder, const QString& name, int stage, int code,
                           const QString& description);

} // namespace quiverel
