#include "mainwindow/folder_list.h"

#include "app/folders_ini.h"

namespace quiverel {

void addFolderRow(AppState& state, const FolderRow& row) {
    FolderList& folders = state.folders;
    if (!folders.rows.isEmpty() && folders.rows.last().caption.isEmpty())
        folders.rows.last() = row;
    else
        folders.rows.append(row);
    // The list is sorted under the current folder: find its row again.
    const QString shown = state.current.folder;
    sortFolderList(folders.rows);
    for (int i = 0; i < folders.rows.size(); ++i)
        if (folders.rows[i].path == shown) state.current.folderIndex = i;
    if (!folders.rows.first().caption.isEmpty())
        writeFoldersIni(state.iniFile(QStringLiteral("Folders.ini")), folders.rows);
}

} // namespace quiverel
