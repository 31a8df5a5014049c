#pragma once
// Renaming the panel's picture in its folder, its thumbnail with it.

#include "options/file_action_report.h"
#include "options/option_entries.h"

#include <QString>

namespace quiverel {

// The name a typed text gives: the text cut before its first ".", with the
// old name's extension (its last four characters). Characters a file name
// may not hold become "_", as the folder scan would make them.
QString renamedName(const QString& typed, const QString& fileName);

struct RenameResult {
    bool renamed = false;
    QString newName;
    FileActionReport report;
};

// Renames `folder`/`fileName` as `typed` asks. A taken name (entry 92) or a
// failed rename leaves everything as it was; a thumbnail that is missing or
// cannot be renamed does not stop the picture's rename.
RenameResult renamePicture(const QString& folder, const QString& fileName, const QString& typed,
                           const TextTable& text);

} // namespace quiverel
