#include "program_windows.h"

namespace quiverel {

bool ProgramWindows::available(WindowKind) const { return false; }

bool ProgramWindows::open(WindowKind kind) { return available(kind); }

} // namespace quiverel
