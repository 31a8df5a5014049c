#include "convert/iview_ini.h"

#include "util/numbers.h"
#include "util/text_file.h"

namespace quiverel {

std::optional<int> readJp2TargetSize(const QString& iniFile) {
    return jp2TargetSizeFromLines(readTextLines(iniFile));
}

std::optional<int> jp2TargetSizeFromLines(const QStringList& lines) {
    const qsizetype header = lines.indexOf(QStringLiteral("[JP2]"));
    if (header < 0) return std::nullopt;
    if (header + 3 >= lines.size()) return 0;
    const QString& third = lines.at(header + 3);
    const qsizetype eq = third.indexOf(u'=');
    if (eq < 0) return 0;
    return leadingInt32(QStringView(third).mid(qMin(eq + 2, third.size())));
}

bool writeIviewIni(const QString& iniFile, int targetSize) {
    return writeTextLines(
        iniFile, {QStringLiteral("[JP2]"), QStringLiteral("SaveOption = 3"),
                  QStringLiteral("SaveQuality = 90"),
                  QStringLiteral("SaveCompressionFileSize = ") + QString::number(targetSize)});
}

} // namespace quiverel
