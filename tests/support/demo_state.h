#pragma once
// Where the demo programs start: the state of a program started on a
// 1024 x 768 screen, in a temporary application folder.

#include "app/state.h"
#include "support/temp_app.h"

namespace quiverel::test {

// The application folder, the shipped Language.ini read in English, the GUI
// scale of a 768-pixel screen, and the ini and TX folders.
void prepareDemoState(AppState& state, const TempApp& app);

// The current picture as the main window sets it before opening the
// composer: the file at `path`, loaded.
void setDemoPicture(AppState& state, const QString& path);

} // namespace quiverel::test
