#pragma once
// Files are made under a temporary name beside their final one and renamed
// when complete, so nobody ever reads half a file under a final name. A
// writer killed halfway leaves its temporary behind; start-up removes those.

#include <QString>

namespace quiverel {

// "<folder>/.<name>.part-XXXXXX" for `path`: hidden, with a suffix no picture
// has, and "XXXXXX" to be made unique (QTemporaryFile, mkstemp, mkdtemp).
// <name> is cut short so that the whole stays within the name limit.
QString temporaryPatternFor(const QString& path);

// Whether `fileName` (without folder) is such a temporary.
bool isTemporaryName(const QString& fileName);

// Removes the temporaries in `folder`: files, and folders that a hand-off
// made its files in. Links are removed, never followed. How many went.
int removeTemporaries(const QString& folder);

} // namespace quiverel
