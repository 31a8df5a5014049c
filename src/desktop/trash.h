#pragma once
// Moving a file into the desktop's trash (the freedesktop layout), so that
// the user can find it there again.

#include <QString>

namespace quiverel {

// The home trash: $XDG_DATA_HOME/Trash, else ~/.local/share/Trash.
QString homeTrashFolder();

// Whether `trashed` lies in the files folder of a trash a desktop looks in:
// the home trash, or `$topdir/.Trash/$uid` or `$topdir/.Trash-$uid` of the
// mount `topDir` the file came from.
bool isInFreedesktopTrash(const QString& trashed, const QString& homeTrash, const QString& topDir,
                          unsigned uid);

// Moves the file to the trash. The home trash is made first (mode 0700) if
// it is missing; a move that lands anywhere but a trash is undone. False
// when the file is still where it was.
bool moveFileToTrash(const QString& path);

} // namespace quiverel
