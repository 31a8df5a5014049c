// libFuzzer target: any bytes as i_view32.ini.
#include "convert/iview_ini.h"
#include "support/fuzz_text.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quiverel;
    jp2TargetSizeFromLines(test::fuzzLines(data, size));
    return 0;
}
