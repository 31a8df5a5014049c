#include "ftp/ftp_fields.h"

#include <algorithm>

namespace quiverel {

namespace {
bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}
} // namespace

bool holdsControlCharacter(QStringView text) {
    return std::any_of(text.begin(), text.end(), isControl);
}

QString ftpFieldText(const QString& text) {
    if (!holdsControlCharacter(text)) return text;
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text)
        if (!isControl(c)) clean.append(c);
    return clean;
}

} // namespace quiverel
