#pragma once
// Copying or moving the panel's picture into another folder. A move is a
// copy whose size is checked before the source goes to the trash, so a move
// across file systems loses nothing when the copy fails.

#include "app/windows.h"
#include "options/file_action_report.h"
#include "options/option_entries.h"

#include <QImage>
#include <QString>

namespace quiverel {

class Desktop;

// True when `target` is `folder` itself: the same text apart from letter case
// and trailing "/", or the same folder reached another way.
bool isSameFolder(const QString& folder, const QString& target);

enum class CopyOutcome {
    Copied,    // the copy (and for a move, the removal of the source) is done
    OwnFolder, // refused: the target is the picture's own folder (entry 87)
    Clash,     // the target holds a file of that name: nothing copied
    Failed,    // nothing copied; the report says why
    Kept,      // a move whose copy is made but whose source could not be removed
};

struct CopyRequest {
    QString folder;       // the picture's folder, ending in "/"
    QString fileName;     // the picture
    QString targetFolder; // as the folder browse gave it
    bool move = false;
};

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Failed;
    QString target; // the target file
    FileActionReport report;
};

// CopyOrMoveToFolder: copies, checks the copy, and for a move hands the
// source to the trash through `desktop`.
CopyResult copyOrMoveToFolder(const CopyRequest& request, Desktop& desktop, const TextTable& text);

// What the rename-or-replace dialog is handed for a clash: `thumbnail` (the
// grid's, of catalogue row `row`) on the left with the picture's `size`, the
// existing file on the right.
ClashRequest clashRequestFor(const CopyRequest& request, const QImage& thumbnail, int row,
                             QSize size);

} // namespace quiverel
