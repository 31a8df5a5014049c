#pragma once
// What Replace and Rename of the rename-or-replace dialog do, apart from the
// window: the files they write and the message they leave to be shown.

#include "app/state.h"
#include "app/windows.h"
#include "mainwindow/tx_staging.h"

#include <QString>

namespace quiverel {

struct ClashOutcome {
    bool close = true;          // false: the dialog stays open for another name
    QString message;            // the message box to show; none when empty
    bool failed = false;        // the message tells of a step that failed
    bool sourceRemoved = false; // a move took the source away: its grid row goes
};

// The composite saved at `path` (only that file is written); the current
// extension becomes the saved one in lower case.
std::optional<FileFailure> saveComposite(AppState& state, const QImage& picture,
                                         const QString& path);

// Mode 5: the source (source folder + the clash name) copied or moved over
// the file in the target folder. Mode 3: the composite saved over the
// chosen path. The replaced file's thumbnail is removed so it is made anew.
ClashOutcome replaceClash(AppState& state, const ClashRequest& request);

// The same under the name typed (cut before its first ".", with the clash
// name's extension); a name that is taken too keeps the dialog open.
ClashOutcome renameClash(AppState& state, const ClashRequest& request, const QString& typed);

} // namespace quiverel
