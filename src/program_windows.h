#pragma once
// The one place that knows every window of the program.

#include "app/windows.h"

namespace quiverel {

struct Context;
class Form1;

class ProgramWindows : public Windows {
public:
    void setContext(Context* ctx) { ctx_ = ctx; }
    void setMainWindow(Form1* main) { main_ = main; }
    bool available(WindowKind kind) const override;
    bool open(WindowKind kind) override;

private:
    Context* ctx_ = nullptr;
    Form1* main_ = nullptr;
};

} // namespace quiverel
