#pragma once
// The test context as the text effects windows find it: the text table read,
// at a GUI scale of 1.

#include "support/test_context.h"

namespace quiverel::test {

struct TextEffectsContext : TestContext {
    TextEffectsContext();
};

} // namespace quiverel::test
