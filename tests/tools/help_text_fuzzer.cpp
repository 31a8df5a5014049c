// libFuzzer target: any bytes as Help.txt, the section of each language it names.
#include "app/text_table.h"
#include "support/fuzz_text.h"
#include "tools/help_text.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quiverel;
    const QStringList lines = test::fuzzLines(data, size);
    QStringList names = languageNames(lines).mid(0, 4);
    names << QStringLiteral("English") << QString();
    for (const QString& name : names)
        helpSection(lines, name);
    return 0;
}
