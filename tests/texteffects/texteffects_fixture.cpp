#include "texteffects_fixture.h"

namespace quiverel::test {

TextEffectsContext::TextEffectsContext() {
    readTextTable();
    state.settings.guiScale = 1.0;
}

} // namespace quiverel::test
