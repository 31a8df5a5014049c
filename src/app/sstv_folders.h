#pragma once
// The receive folders of the SSTV programs a new user already has: QSSTV's,
// from its settings file, and those of the Windows programs EasyPal, MMSSTV
// and KG-STV in the user's Wine prefixes. Looked at only; nothing is written.

#include "app/state.h"

#include <QStringList>

namespace quiverel {

struct SstvPlaces {
    QString home;       // the user's home folder
    QString winePrefix; // $WINEPREFIX; empty when not set
};

// QSSTV's two receive folders, from [DIRECTORIES] rxSSTVImagesPath and
// rxDRMImagesPath of ~/.config/ON4QZ/qsstv_*.conf; where no file gives a
// key, ~/qsstv/rx_sstv or ~/qsstv/rx_drm. Captioned "QSSTV <folder name>".
QList<FolderRow> findQsstvFolders(const QString& home);

// $WINEPREFIX, ~/.wine and the folders in ~/.local/share/wineprefixes that
// have a drive_c, each once.
QStringList winePrefixes(const SstvPlaces& places);

// In the prefix's drive_c, each folder up to four levels down whose name
// holds EasyPal, MMSSTV or KG-STV (any letter case, with or without the
// hyphen), and in it each sub-folder up to two levels down that holds
// pictures, captioned "<program> <sub-folder>". Links are never followed.
QList<FolderRow> findWineSstvFolders(const QString& prefix);

// QSSTV's folders, then those in every Wine prefix.
QList<FolderRow> findSstvFolders(const SstvPlaces& places);

// `rows` followed by the `found` folders not already among them (the same
// folder, whatever the path that leads there). A caption already in use gets
// " 2", " 3", ... A folder that cannot be listed, or whose path would break
// the folder list's lines, is left out.
QList<FolderRow> addFoldersOnce(QList<FolderRow> rows, const QList<FolderRow>& found);

} // namespace quiverel
