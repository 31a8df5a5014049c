#include "desktop/prompts.h"

namespace quiverel {

QString defaultPromptTitle() {
    return QStringLiteral("Quiverel");
}

} // namespace quiverel
