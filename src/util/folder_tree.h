#pragma once
// Deleting a folder with everything in it, safely: symbolic links are
// removed as links and never followed, and nothing outside the folder is touched.

#include <QString>
#include <functional>

namespace quiverel {

// Called with each file's path before it is deleted.
using DeleteProgress = std::function<void(const QString& path)>;

// True when the folder is gone afterwards. A folder path that is itself a
// symbolic link loses only the link.
bool DeleteFolderTree(const QString& folder, const DeleteProgress& progress = {});

} // namespace quiverel
