#include "util/error_text.h"

#include <cstring>

namespace quiverel {

QString ErrorText(int code) {
    if (code == 0) return {};
    const QString none = QStringLiteral("NO ERROR DESCRIPTION AVAILABLE");
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    // Unknown codes still get a made-up "Unknown error N" from strerror.
    if (!strerrordesc_np(code)) return none;
#endif
    char buffer[256] = {};
#if defined(__GLIBC__) && defined(_GNU_SOURCE)
    const char* text = strerror_r(code, buffer, sizeof buffer);
#else
    const char* text = strerror_r(code, buffer, sizeof buffer) == 0 ? buffer : "";
#endif
    const QString description = QString::fromLocal8Bit(text).trimmed();
    if (description.isEmpty() || description.startsWith(u"Unknown error")) return none;
    return description.left(160);
}

} // namespace quiverel
