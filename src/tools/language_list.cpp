#include "tools/language_list.h"

#include "app/state.h"

namespace quiverel {

namespace {

QString nameAfter(const QString& line, qsizetype open) {
    const qsizetype close = line.indexOf(u']', open + 1);
    return close < 0 ? line.mid(open + 1) : line.mid(open + 1, close - open - 1);
}

// Whether the section whose header is line `header` holds the captions: the
// text table takes the lines after it as entries 1 to 110, so all of them
// must be there before the next header, and not all blank.
bool holdsCaptions(const QStringList& lines, qsizetype header) {
    const qsizetype entries = kTextEntries - 1;
    if (header + entries >= lines.size()) return false;
    bool anyText = false;
    for (qsizetype i = header + 1; i <= header + entries; ++i) {
        if (lines[i].startsWith(u'[')) return false;
        anyText = anyText || !lines[i].trimmed().isEmpty();
    }
    return anyText;
}

} // namespace

QStringList languageList(const QStringList& lines) {
    QStringList names;
    qsizetype i = 0;
    for (; i < lines.size(); ++i) {
        const qsizetype open = lines[i].indexOf(u'[');
        if (open < 0) continue;
        const QString name = nameAfter(lines[i], open);
        if (!name.isEmpty() && holdsCaptions(lines, i)) names.append(name);
        break;
    }
    for (++i; i < lines.size(); ++i) {
        if (!lines[i].startsWith(u'[')) continue;
        const QString name = nameAfter(lines[i], 0);
        if (!name.isEmpty() && holdsCaptions(lines, i)) names.append(name);
    }
    return names;
}

int languageIndex(const QStringList& names, const QString& languageName) {
    return int(names.lastIndexOf(languageName));
}

} // namespace quiverel
