#pragma once
// What every window is given: the shared state and the seams to the world.

#include "app/state.h"
#include "app/windows.h"
#include "convert/converter.h"
#include "desktop/clock.h"
#include "desktop/desktop.h"
#include "desktop/prompts.h"

namespace quiverel {

struct Context {
    AppState& state;
    Converter& converter;
    Desktop& desktop;
    Prompts& prompts;
    Clock& clock;
    Windows& windows;
    QString appFolder;
};

} // namespace quiverel
