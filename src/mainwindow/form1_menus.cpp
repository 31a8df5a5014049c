// Form1: the folder commands of the tools menu.

#include "mainwindow/form1.h"

#include "app/folders_ini.h"
#include "desktop/column_menu.h"

#include <QDir>

namespace quiverel {

void Form1::AddFolder() {
    FolderList& folders = state_.folders;
    folders.notInMenu = false;
    const QString chosen = ctx_.prompts.folder(this, state_.text[28], folders.targetFolder);
    folders.targetFolder = chosen;
    if (chosen.isEmpty()) return;
    const QString path = withTrailingSlash(QDir::cleanPath(chosen));
    for (const FolderRow& r : std::as_const(folders.rows)) {
        if (r.path == path) {
            ctx_.prompts.message(this, {},
                                 QStringLiteral("Folder\n") + chosen +
                                     QStringLiteral("\nis already in menus."));
            return;
        }
    }
    const QString last = QDir::cleanPath(chosen).section(u'/', -1);
    const auto caption =
        ctx_.prompts.input(this, QStringLiteral("Add new folder"),
                           QStringLiteral("Enter caption to appear in menu."), last);
    if (!caption || caption->isEmpty()) return;
    if (!folders.rows.isEmpty() && folders.rows.last().caption.isEmpty())
        folders.rows.last() = {*caption, path};
    else
        folders.rows.append({*caption, path});
    // The list is sorted under the current folder: find its row again.
    const QString shown = state_.current.folder;
    sortFolderList(folders.rows);
    for (int i = 0; i < folders.rows.size(); ++i)
        if (folders.rows[i].path == shown) state_.current.folderIndex = i;
    if (!folders.rows.first().caption.isEmpty())
        writeFoldersIni(state_.iniFile(QStringLiteral("Folders.ini")), folders.rows);
    BuildFolderMenu();
}

} // namespace quiverel
