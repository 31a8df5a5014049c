#pragma once
// Pictures to and from files. A saved file appears complete or not at all:
// it is written under a temporary name in the same folder and renamed.

#include "imaging/picture_decoder.h"
#include "imaging/picture_encoder.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quiverel {

// The file's bytes; false (with the reason) when it is not a regular file,
// cannot be read or is larger than any picture the program reads.
bool readPictureFile(const QString& path, QByteArray& bytes, QString* error = nullptr);

// The picture in the file, read by content. Null on failure, with the reason.
QImage loadPicture(const QString& path, const DecodeOptions& options = {},
                   QString* error = nullptr);

// Replaces (or creates) `path` with `bytes`: a temporary file beside it is
// written, closed and renamed over it. On failure the target is untouched.
bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The picture saved in the format named by the extension of `path`.
bool savePicture(const QImage& picture, const QString& path, const EncodeOptions& options = {},
                 QString* error = nullptr);

} // namespace quiverel
