#pragma once
// Confirming the setup page: Setup.ini, the call sign, the WinDRM folder and
// its TX folder, and whether the grid must be made again.

#include "app/state.h"

#include <QPoint>
#include <optional>

namespace quiverel {

// What the setup page holds when it is confirmed.
struct SetupEntries {
    QString winDrmText; // as typed
    QString callSign;
    bool prefixYes = false;
    int thumbsChoice = 0; // 12, 20, 30; 0 when no option is selected
};

enum class SetupResult {
    Done,          // in force
    Restart,       // in force; the grid size changed, the main window restarts
    FolderMissing, // the WinDRM folder does not exist
    NotWritten,    // Setup.ini could not be written; nothing changed
};

struct SetupOutcome {
    SetupResult result = SetupResult::Done;
    QString winDrmFolder;   // the folder the typed text names
    bool txMissing = false; // the TX folder could not be made
};

// The WinDRM folder a typed text names: the application folder when it is
// empty or "NONE" in any letter case; trailing "/" dropped.
QString winDrmFolderFor(const QString& typed, const QString& appFolder);

// Writes Setup.ini (line 1 as typed, line 14 the choice), then puts the call
// sign, its prefix flag and the TX name prefix in force. With the WinDRM
// folder present it becomes the folder in use and its TX folder is made; a
// missing one leaves the folder in use as it was, so hand-offs keep working.
SetupOutcome confirmSetup(AppState& state, const SetupEntries& entries,
                          std::optional<QPoint> mainWindowTwips);

// Entry 76, the folder, entry 93, a line break, entry 94.
QString missingFolderMessage(const std::array<QString, kTextEntries>& text, const QString& folder);

} // namespace quiverel
