#pragma once
// The file steps of a clash: saving a composite, copying or moving a file
// over another. Nothing that existed is lost on a failure: a file is written
// under a temporary name beside its target and renamed over it only when
// complete, and a moved source is removed only after its copy checks out.

#include "mainwindow/tx_staging.h"

#include <QImage>
#include <QString>
#include <optional>

namespace quiverel {

// The picture saved at `path` in the format its extension names; only that
// file is written (no intermediate bitmap).
std::optional<FileFailure> savePictureAt(const QImage& picture, const QString& path);

// Copies `source` to `target`, replacing a file there.
std::optional<FileFailure> copyFileOver(const QString& source, const QString& target);

// copyFileOver, then the source and its thumbnail are removed once the
// target has the source's size. A source that is the target is refused.
std::optional<FileFailure> moveFileOver(const QString& source, const QString& target);

// Removes the thumbnail the catalogue made for `folder` + `name`, so a
// replaced file gets a new one.
void removeThumbnailOf(const QString& folder, const QString& name);

// Whether two paths name the same file.
bool sameFile(const QString& a, const QString& b);

} // namespace quiverel
