#pragma once
// The main window's menu bar: the folder menu, auto paste, the text file
// creator, the options menu and About, with their captions from the text
// table. The window connects the actions to its handlers.

#include "app/state.h"
#include "app/windows.h"

#include <QList>
#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace quiverel {

class ColumnMenu;

struct MainMenus {
    ColumnMenu* mnuFolder = nullptr;
    QList<QAction*> mnuFolderEntry;
    QAction* mnuPaste = nullptr;
    QAction* mnuText = nullptr;
    QMenu* mnuTools = nullptr;
    QMenu* mnuGui = nullptr;
    std::array<QAction*, 3> mnuSize{};
    std::array<QAction*, 14> mnuTool{}; // separators at 2, 5, 7, 10
    QAction* mnuAbout = nullptr;

    // Fills the bar with the design captions.
    void build(QMenuBar* bar);
    // Captions from the text table; a design caption stays where an entry is empty.
    void applyCaptions(const std::array<QString, kTextEntries>& text, bool autoPaste);
    void setPasteCaption(const std::array<QString, kTextEntries>& text, bool autoPaste);
    // Items of windows this build lacks are disabled.
    void enableWindowItems(const Windows& windows);
    // New folder entries in columns; returns the rows per column.
    int setFolderEntries(const QStringList& captions);
    void checkSize(int index);
    void checkSortByName(bool byName);
};

} // namespace quiverel
