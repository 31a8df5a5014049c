#pragma once
// The text table: entry 0 the language name, 1..110 the lines after the
// language's header in Language.ini.

#include "app/state.h"

#include <QStringList>

namespace quiverel {

enum class HeaderMatch {
    Startup,        // the header "[name]" anywhere in the line, any letter case
    LanguageChange, // the header at the very start of the line, exact case
};

// Fills entries 0..110 from the lines of Language.ini. Entries without a
// line stay empty. Returns false when the header was not found.
bool loadTextTable(std::array<QString, kTextEntries>& table, const QString& languageName,
                   const QStringList& fileLines, HeaderMatch match);

// The same, reading the file; a missing file leaves entries 1..110 empty.
bool loadTextTableFile(std::array<QString, kTextEntries>& table, const QString& languageName,
                       const QString& languageIni, HeaderMatch match);

// The language names of every header line "[name]" of the file, in file order.
QStringList languageNames(const QStringList& fileLines);

} // namespace quiverel
