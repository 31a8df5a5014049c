#include "tools/language_list.h"

namespace quiverel {

namespace {

QString nameAfter(const QString& line, qsizetype open) {
    const qsizetype close = line.indexOf(u']', open + 1);
    return close < 0 ? line.mid(open + 1) : line.mid(open + 1, close - open - 1);
}

} // namespace

QStringList languageList(const QStringList& lines) {
    QStringList names;
    qsizetype i = 0;
    for (; i < lines.size(); ++i) {
        const qsizetype open = lines[i].indexOf(u'[');
        if (open < 0) continue;
        const QString name = nameAfter(lines[i], open);
        if (!name.isEmpty()) names.append(name);
        break;
    }
    for (++i; i < lines.size(); ++i) {
        if (!lines[i].startsWith(u'[')) continue;
        const QString name = nameAfter(lines[i], 0);
        if (!name.isEmpty()) names.append(name);
    }
    return names;
}

int languageIndex(const QStringList& names, const QString& languageName) {
    return int(names.lastIndexOf(languageName));
}

} // namespace quiverel
