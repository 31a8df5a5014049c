#include "desktop/platform_choice.h"

namespace quiverel {

QByteArray platformChoice(const QByteArray& display, const QByteArray& qpaPlatform) {
    if (!qpaPlatform.trimmed().isEmpty() || display.trimmed().isEmpty()) return {};
    return QByteArrayLiteral("xcb;wayland");
}

} // namespace quiverel
