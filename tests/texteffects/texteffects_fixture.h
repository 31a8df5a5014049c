#pragma once
// A Context for the text effects windows: a temporary application folder with
// the shipped text table, scripted prompts, and no other windows.

#include "app/context.h"
#include "support/temp_app.h"
#include "system/clock.h"
#include "system/recording_desktop.h"
#include "system/scripted_prompts.h"

namespace quiverel::test {

class NoWindows : public Windows {
public:
    bool available(WindowKind) const override { return false; }
    bool open(WindowKind) override { return false; }
};

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
    NoWindows windows;
    Context ctx;
};

} // namespace quiverel::test
