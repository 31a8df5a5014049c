#include "options/option_entries.h"

namespace quiverel {

QStringList optionCaptions(const TextTable& text) {
    const QString pad = QStringLiteral("   ");
    return {pad + text[100],
            QStringLiteral("   Edit using Irfanview"),
            pad + text[29],
            pad + text[30],
            pad + text[31],
            pad + text[32],
            pad + text[33],
            pad + text[34],
            QStringLiteral("   FTP upload to web-site"),
            pad + text[14]};
}

bool isTextFileName(const QString& name) {
    return name.right(3).toUpper() == u"TXT";
}

std::array<bool, kOptionEntries> enabledEntries(bool textFile, bool animatedGif) {
    std::array<bool, kOptionEntries> enabled;
    enabled.fill(true);
    if (animatedGif) enabled[EditInComposer] = false;
    if (textFile)
        for (int i : {EditInComposer, EditInConverter, ConvertEntry, WallpaperEntry})
            enabled[i] = false;
    return enabled;
}

QStringList conversionFormats() {
    return {QStringLiteral("BMP"), QStringLiteral("GIF"), QStringLiteral("JP2"),
            QStringLiteral("JPG"), QStringLiteral("PNG")};
}

int preselectedFormat(const QString& fileName) {
    return int(conversionFormats().indexOf(fileName.right(3).toUpper()));
}

} // namespace quiverel
