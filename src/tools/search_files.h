#pragma once
// Finding files by a keyword in their names over every folder of the folder
// list. Only names are compared; a zero in a name counts as "Ø".

#include "app/state.h"

#include <QStringList>
#include <functional>

namespace quiverel {

// The keyword as the search box keeps it: every "0" typed becomes "Ø".
QString typedKeyword(const QString& text);

// Whether a catalogued file name (".PNG", ".TXT", ".JPG", ".BMP", ".GIF",
// ".JP2" by its last four characters) holds the keyword, letter case aside,
// as it stands or with its zeros read as "Ø".
bool nameMatches(const QString& fileName, const QString& keyword);

// Told after each folder: the folder's row and the highest row (at least 1).
using SearchProgress = std::function<void(int value, int maximum)>;

// The full paths of the matching files, folder by folder in list order.
// `resultsFolder` is never searched: it holds only copies of earlier finds,
// which the next search deletes before it copies.
QStringList SearchFiles(const QList<FolderRow>& folders, const QString& keyword,
                        const QString& resultsFolder, const SearchProgress& progress = {});

// The result line: "N matches found", or entry 110 with the keyword in quotes.
QString matchesFoundText(int count);
QString noMatchText(const QString& entry110, const QString& keyword);

} // namespace quiverel
