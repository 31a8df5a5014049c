#pragma once
// The folder menu's list, edited from the main window.

#include "app/state.h"

namespace quiverel {

// Adds `row` (in place of an empty last row), sorts the list, finds the shown
// folder's row again and writes Folders.ini unless the list is still empty.
void addFolderRow(AppState& state, const FolderRow& row);

} // namespace quiverel
