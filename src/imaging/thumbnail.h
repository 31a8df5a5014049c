#pragma once
// Thumbnails: pictures fitted into a small box, decoded no larger than needed.

#include <QImage>
#include <QSize>
#include <QString>

namespace quiverel {

// The box of the catalogue's thumbnails.
inline constexpr QSize kThumbnailBox(112, 84);

// The picture in `path` fitted into `box` keeping its aspect ratio. Null on
// failure, with the reason in `error`.
QImage thumbnailOfFile(const QString& path, QSize box = kThumbnailBox, QString* error = nullptr);

} // namespace quiverel
