#pragma once
// A Context for demo programs on a real display: the demo state in a
// temporary application folder, real message boxes, desktop and clock, the
// program's own converter, windows recorded rather than opened. Header only:
// the demo links the desktop's widget library.

#include "app/context.h"
#include "convert/in_process_converter.h"
#include "desktop/qt_desktop.h"
#include "desktop/qt_prompts.h"
#include "support/demo_state.h"
#include "support/recording_windows.h"

namespace quiverel::test {

struct DemoContext {
    DemoContext() { prepareDemoState(state, app); }

    TempApp app;
    AppState state;
    QtPrompts prompts;
    InProcessConverter converter{app.path(), prompts};
    QtDesktop desktop;
    SystemClock clock;
    RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};
};

} // namespace quiverel::test
