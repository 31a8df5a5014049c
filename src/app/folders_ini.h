#pragma once
// Folders.ini: two lines per folder, the menu caption and the folder path.

#include "app/state.h"

namespace quiverel {

// Pairs of lines, caption then path, read whole. A pair whose caption is
// empty is skipped; an empty path becomes appFolder + "/" + caption + "/".
QList<FolderRow> parseFolderLines(const QStringList& lines, const QString& appFolder);
QList<FolderRow> readFoldersIni(const QString& path, const QString& appFolder);

// Writes every row, two lines each, atomically.
bool writeFoldersIni(const QString& path, const QList<FolderRow>& rows);

// Sorts the rows by caption in capitals (binary comparison).
void sortFolderList(QList<FolderRow>& rows);

// Ensures a folder path ends in exactly one "/".
QString withTrailingSlash(const QString& folder);

} // namespace quiverel
