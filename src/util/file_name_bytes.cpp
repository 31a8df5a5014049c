#include "util/file_name_bytes.h"

namespace quiverel {

namespace {

// UTF-8 bytes of the character starting at i, and how many UTF-16 units it takes.
qsizetype characterAt(QStringView text, qsizetype i, qsizetype& units) {
    const char16_t c = text[i].unicode();
    units = 1;
    if (c < 0x80) return 1;
    if (c < 0x800) return 2;
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        units = 2;
        return 4;
    }
    return 3; // a lone surrogate is written as the replacement character
}

} // namespace

qsizetype fileNameBytes(QStringView text) {
    qsizetype bytes = 0;
    qsizetype units = 0;
    for (qsizetype i = 0; i < text.size(); i += units)
        bytes += characterAt(text, i, units);
    return bytes;
}

QString cutToFileNameBytes(const QString& text, qsizetype maxBytes) {
    qsizetype bytes = 0;
    qsizetype units = 0;
    for (qsizetype i = 0; i < text.size(); i += units) {
        bytes += characterAt(text, i, units);
        if (bytes > maxBytes) return text.left(i);
    }
    return text;
}

} // namespace quiverel
