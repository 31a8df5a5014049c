#pragma once
// Taking a folder out of the folder list, the folder menu and Folders.ini.
// The folder itself and its files are never touched.

#include "app/state.h"

#include <QStringList>

namespace quiverel {

// The instruction beside the list: for a single folder, that it cannot be removed.
QString removalInstruction(int folderCount);
// The captions the list offers: none for a single folder, which cannot be removed.
QStringList removableCaptions(const QList<FolderRow>& rows);

// The path of the first row with the caption; empty when none has it.
QString pathOfCaption(const QList<FolderRow>& rows, const QString& caption);

// Removes the first row with the caption (the last row left is emptied
// instead) and keeps `currentIndex` on the row it pointed at. Returns the
// row's former index, or -1 when no row has the caption.
int removeFolderRow(QList<FolderRow>& rows, const QString& caption, int& currentIndex);

} // namespace quiverel
