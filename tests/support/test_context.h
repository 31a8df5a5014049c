#pragma once
// A Context for tests: a temporary application folder with the shipped
// Language.ini, the shared state, scripted prompts, a recording desktop with a
// 1024 x 768 screen, a fixed clock and windows that are recorded, not opened.

#include "app/context.h"
#include "convert/in_process_converter.h"
#include "support/fixed_clock.h"
#include "support/null_converter.h"
#include "support/recording_desktop.h"
#include "support/recording_windows.h"
#include "support/scripted_prompts.h"
#include "support/temp_app.h"

namespace quiverel::test {

// The converter the context hands out: one whose every operation fails, or
// the program's own, working in the temporary application folder.
enum class TestConverter { Null, InProcess };

struct TestContext {
    // `otherDesktop`, when given, stands in for the recording desktop.
    explicit TestContext(TestConverter converter = TestConverter::Null,
                         Desktop* otherDesktop = nullptr);

    // Reads the English texts of the shipped Language.ini into the state, as
    // the start-up does.
    void readTextTable();

    TempApp app;
    AppState state;
    ScriptedPrompts prompts;
    NullConverter nullConverter;
    InProcessConverter inProcessConverter{app.path(), prompts};
    RecordingDesktop desktop{QSize(1024, 768)};
    FixedClock clock;
    RecordingWindows windows;
    Context ctx;
};

} // namespace quiverel::test
