#include "app/text_table.h"

#include "util/text_file.h"

namespace quiverel {

bool loadTextTable(std::array<QString, kTextEntries>& table, const QString& languageName,
                   const QStringList& lines, HeaderMatch match) {
    const QString name = languageName.isEmpty() ? QStringLiteral("English") : languageName;
    const QString header = u'[' + name + u']';
    table[0] = name;
    for (int k = 1; k < kTextEntries; ++k)
        table[k].clear();
    qsizetype i = 0;
    for (; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const bool found = match == HeaderMatch::Startup
                               ? line.contains(header, Qt::CaseInsensitive)
                               : line.startsWith(header, Qt::CaseSensitive);
        if (found) break;
    }
    if (i >= lines.size()) return false;
    for (int k = 1; k < kTextEntries && i + k < lines.size(); ++k)
        table[k] = lines[i + k];
    return true;
}

bool loadTextTableFile(std::array<QString, kTextEntries>& table, const QString& languageName,
                       const QString& languageIni, HeaderMatch match) {
    return loadTextTable(table, languageName, readTextLines(languageIni), match);
}

QStringList languageNames(const QStringList& lines) {
    QStringList names;
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.size() > 2 && t.startsWith(u'[') && t.endsWith(u']'))
            names.append(t.mid(1, t.size() - 2));
    }
    return names;
}

} // namespace quiverel
