#pragma once
// A fuzzer's bytes as the program reads a text file of its own.

#include "util/text_file.h"

#include <cstddef>
#include <cstdint>

namespace quiverel::test {

inline QByteArray fuzzBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QString fuzzText(const uint8_t* data, size_t size) {
    return decodeText(fuzzBytes(data, size));
}

inline QStringList fuzzLines(const uint8_t* data, size_t size) {
    return splitLines(fuzzText(data, size));
}

} // namespace quiverel::test
