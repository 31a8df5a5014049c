// libFuzzer target: any bytes as Language.ini, each language it names loaded
// as the text table in both header matches.
#include "app/text_table.h"
#include "support/fuzz_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quiverel;
    const QStringList lines = test::fuzzLines(data, size);
    QStringList names = languageNames(lines).mid(0, 4);
    names << QStringLiteral("English") << QString();
    std::array<QString, kTextEntries> table;
    for (const QString& name : names)
        for (const HeaderMatch match : {HeaderMatch::Startup, HeaderMatch::LanguageChange}) {
            const bool found = loadTextTable(table, name, lines, match);
            if (table[0].isEmpty()) std::abort();
            if (!found)
                for (int k = 1; k < kTextEntries; ++k)
                    if (!table[k].isEmpty()) std::abort();
        }
    return 0;
}
