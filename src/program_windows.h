#pragma once
// The one place that knows every window of the program.

#include "app/windows.h"

namespace quiverel {

struct Context;

class ProgramWindows : public Windows {
public:
    void setContext(Context* ctx) { ctx_ = ctx; }
    bool available(WindowKind kind) const override;
    bool open(WindowKind kind) override;

private:
    Context* ctx_ = nullptr;
};

} // namespace quiverel
