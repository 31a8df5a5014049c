#pragma once
// A Context for window tests: temporary application folder, fixed screen,
// scripted prompts, fixed clock, and windows that are recorded, not opened.

#include "app/context.h"
#include "support/fixed_clock.h"
#include "support/recording_desktop.h"
#include "support/recording_windows.h"
#include "support/scripted_prompts.h"
#include "support/temp_app.h"

#include <QList>

namespace quiverel::test {

class NullConverter : public Converter {
public:
    bool convert(const QString&, const QString&) override { return false; }
    bool thumbnail(const QString&, const QString&) override { return false; }
    bool resample(const QString&, int, int, const QString&, const QString&) override {
        return false;
    }
    bool compress(const QString&, const QString&, const QString&) override { return false; }
    bool edit(const QString&) override { return false; }
};

struct TestContext {
    TempApp app;
    AppState state;
    NullConverter converter;
    RecordingDesktop desktop{QSize(1024, 768)};
    ScriptedPrompts prompts;
    FixedClock clock;
    RecordingWindows windows;
    Context ctx{state, converter, desktop, prompts, clock, windows, app.path()};

    TestContext() {
        state.appFolder = app.path();
        app.write(QStringLiteral("ini/Language.ini"), shippedLanguageIni());
    }
};

} // namespace quiverel::test
