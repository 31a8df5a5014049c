#pragma once
// The operating system's description of an error number.

#include <QString>

namespace quiverel {

// Empty for 0; otherwise the system's text for the code, at most 160
// characters, or "NO ERROR DESCRIPTION AVAILABLE" when it has none.
QString ErrorText(int code);

} // namespace quiverel
