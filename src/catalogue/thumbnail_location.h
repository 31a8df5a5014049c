#pragma once
// Where a folder's thumbnails are kept: its own "ThumbFiles" sub-folder, or,
// when the program cannot write there, a folder in the user's cache.

#include <QString>

namespace quiverel {

// $XDG_CACHE_HOME/Quiverel/thumbnails/<name>/ (else ~/.cache/...), the name
// made of the folder's last part and a hash of its whole path.
QString thumbnailCacheFolderFor(const QString& folder);

// Makes the thumbnail folder if needed; the part of it in the user's cache
// private to the user, as the cache is. True when it exists afterwards.
bool makeThumbnailFolder(const QString& thumbnailFolder);

// The folder's "ThumbFiles/" when thumbnails can be written there (or the
// folder does not exist), otherwise its cache folder. Ends in "/".
QString thumbnailFolderFor(const QString& folder);

} // namespace quiverel
