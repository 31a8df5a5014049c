#include "tools/help_text.h"

#include "util/text_file.h"

namespace quiverel {

QString helpSection(const QStringList& lines, const QString& languageName) {
    const QString header = u'[' + languageName + u']';
    QString text;
    qsizetype i = lines.indexOf(header);
    if (i < 0) return text;
    for (++i; i < lines.size(); ++i) {
        if (lines[i].startsWith(QStringLiteral("*****"))) break;
        text += lines[i] + u'\n';
    }
    return text;
}

std::optional<QString> readHelpText(const QString& path, const QString& languageName) {
    const std::optional<QString> file = readTextFile(path);
    if (!file) return std::nullopt;
    return helpSection(splitLines(*file), languageName);
}

} // namespace quiverel
