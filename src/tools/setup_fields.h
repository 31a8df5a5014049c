#pragma once
// The fields of the setup page: call sign, grid size and start-up folder.

#include "app/state.h"

#include <QString>

namespace quiverel {

// A call sign as the user types it: letters a to z in capitals.
QString typedCallSign(const QString& text);

// Every "0" as "Ø" (U+00D8), as call signs are written on the air.
QString slashedZeros(const QString& text);

// Thumbnails per page for the selected option "3x4", "4x5" or "5x6"; 0 when
// none is selected.
int thumbsChoice(bool opt12, bool opt20, bool opt30);

// The caption the start-up folder list shows: that of the last row whose path
// is `startupFolder`, empty when none is.
QString startupCaption(const QList<FolderRow>& rows, const QString& startupFolder);

// The start-up folder for a chosen caption: the path of the last row with that
// caption; `current` when no row has it.
QString startupFolderFor(const QList<FolderRow>& rows, const QString& caption,
                         const QString& current);

} // namespace quiverel
