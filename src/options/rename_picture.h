#pragma once
// Renaming the panel's picture in its folder, its thumbnail with it.

#include "options/file_action_report.h"
#include "options/option_entries.h"
#include "renamereplace/clash_names.h"

#include <QString>

namespace quiverel {

struct RenameResult {
    bool renamed = false;
    QString newName;
    FileActionReport report;
};

// Renames `folder`/`fileName` as `typed` asks. A taken name (entry 92), also
// one whose base another picture of the folder has in any case and with any
// extension, an empty one, or a failed rename leaves everything as it was; a
// thumbnail that is missing or cannot be renamed does not stop the rename.
RenameResult renamePicture(const QString& folder, const QString& fileName, const QString& typed,
                           const TextTable& text);

} // namespace quiverel
