// libFuzzer target: any bytes as Setup.ini. What the program writes back
// reads as the same settings. Run e.g.
//   build-fuzz/tests/setup_ini_fuzzer -max_total_time=300 tests/fuzz_inputs/setup_ini_fuzzer
#include "app/setup_ini.h"
#include "support/fuzz_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quiverel;
    const QString text = test::fuzzText(data, size);
    Settings settings;
    storeSetupItems(settings, splitSetupItems(text));
    applySetupDefaults(settings, QSize(1024, 768));
    deriveResize(settings);
    guiSizeMenuIndex(settings.guiSize);

    Settings again;
    storeSetupItems(again, splitSetupItems(formatSetupLines(settings).join(u"\r\n")));
    if (setupItemTexts(again) != setupItemTexts(settings)) std::abort();
    return 0;
}
