#pragma once
// The languages the language page offers: the section headers of Language.ini.

#include <QString>
#include <QStringList>

namespace quiverel {

// The names in file order. The first header is the first line holding "["
// anywhere, its name the text between that "[" and the next "]"; every later
// header is a line that starts with "[", its name the text from there to the
// first "]". A header without its "]" runs to the end of the line. Left out:
// empty names, and sections that do not hold the captions (fewer than the
// 110 lines the text table takes before the next header or the end, or all
// of them blank), which would leave the captions blank or shifted.
QStringList languageList(const QStringList& lines);

// The option to select: the last name that equals `languageName` exactly, -1
// when none does.
int languageIndex(const QStringList& names, const QString& languageName);

} // namespace quiverel
