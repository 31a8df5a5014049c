// libFuzzer target: any bytes through the GIF header reader.
#include "convert/gif_info.h"
#include "support/fuzz_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto info = quiverel::gifInfoFromBytes(quiverel::test::fuzzBytes(data, size));
    if (info.width < 0 || info.height < 0 || info.imageCount < 0) std::abort();
    if (!info.isGif && (info.width || info.height || info.imageCount)) std::abort();
    return 0;
}
