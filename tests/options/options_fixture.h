#pragma once
// A picture folder for the options panel's tests: pictures drawn by the
// test, their thumbnails, and the panel's request for one.

#include "app/windows.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

namespace quiverel::test {

// A picture of `size` in one colour.
QImage plainPicture(QSize size, QColor colour = QColor(30, 120, 200));
// Two frames of 1 x 1: a GIF that animates.
QByteArray animatedGifBytes();
// Writes `picture` to `path` in the format its extension names.
void writePicture(const QString& path, const QImage& picture);
void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// The panel's request for `fileName` in `folder` (ending in "/"), the only
// row of the catalogue, with the grid's thumbnail of it.
OptionsRequest pictureRequest(const QString& folder, const QString& fileName,
                              const QImage& thumbnail);

} // namespace quiverel::test
