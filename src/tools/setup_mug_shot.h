#pragma once
// The mug shot "Mug.jpg" in the application folder and its preview.

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

namespace quiverel {

// Where the preview shows a picture of `natural` size (in twips): fitted by
// width when it is wider than 4:3, else by height, into 1500 x 1200 twips
// centred at 5850, 2450. Empty for an empty size.
QRectF mugPreviewTwips(QSizeF natural);

QString mugShotPath(const QString& appFolder);

// The bytes of Mug.jpg; nothing when it is missing or not a regular file
// (a FIFO or a device in its place must not hang the page).
std::optional<QByteArray> mugShotBytes(const QString& appFolder);

// The folder of a chosen file, up to and including its last "/".
QString folderOfFile(const QString& path);

// Copies `chosen` to Mug.jpg whatever its format, through a file beside it,
// so a failed copy or choosing Mug.jpg itself keeps the mug shot there is.
// The reason when it failed.
std::optional<QString> copyMugShot(const QString& chosen, const QString& appFolder);

} // namespace quiverel
