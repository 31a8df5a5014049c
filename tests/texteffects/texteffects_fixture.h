#pragma once
// A Context for the text effects windows: a temporary application folder with
// the shipped text table, scripted prompts, and no other windows.

#include "app/context.h"
#include "support/fixed_clock.h"
#include "support/recording_desktop.h"
#include "support/recording_windows.h"
#include "support/scripted_prompts.h"
#include "support/temp_app.h"

namespace quiverel::test {

class NoConverter : public Converter {
public:
    bool convert(const QString&, const QString&) override { return false; }
    bool thumbnail(const QString&, const QString&) override { return false; }
    bool resample(const QString&, int, int, const QString&, const QString&) override {
        return false;
    }
    bool compress(const QString&, const QString&, const QString&) override { return false; }
    bool edit(const QString&) override { return false; }
};

struct TextEffectsContext {
    TextEffectsContext();

    TempApp app;
    AppState state;
    ScriptedPrompts prompts;
    NoConverter converter;
    RecordingDesktop desktop{QSize(1024, 768)};
    FixedClock clock;
    RecordingWindows windows;
    Context ctx;
};

} // namespace quiverel::test
