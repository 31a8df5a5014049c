#pragma once
// Setup.ini as the help window writes it.

#include "app/state.h"

#include <QPoint>
#include <optional>

namespace quiverel {

// Writes `settings` with bare items; lines 12 and 13 hold the main window's
// position in twips, or, while it is minimised (nothing given), the position
// read at start-up. False when the file could not be written.
bool writeSetupFromHelp(const AppState& state, Settings settings,
                        std::optional<QPoint> mainWindowTwips);

// The message for a Setup.ini that could not be written.
QString setupNotWrittenMessage(const AppState& state);

} // namespace quiverel
