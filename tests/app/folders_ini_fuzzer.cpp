// libFuzzer target: any bytes as Folders.ini. The rows written read back as
// the same rows.
#include "app/folders_ini.h"
#include "support/fuzz_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quiverel;
    const QString app = QStringLiteral("/home/op/Quiverel");
    const QString text = test::fuzzText(data, size);
    QList<FolderRow> rows = parseFolderLines(splitLines(text), app);
    sortFolderList(rows);

    QStringList lines;
    for (const FolderRow& r : rows)
        lines << r.caption << r.path;
    const QList<FolderRow> again = parseFolderLines(splitLines(lines.join(u"\r\n")), app);
    if (again.size() != rows.size()) std::abort();
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (again[i].caption != rows[i].caption || again[i].path != rows[i].path) std::abort();
    return 0;
}
