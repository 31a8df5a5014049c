#pragma once
// Reading a picture from its bytes, by content: the file's name plays no part.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace quiverel {

struct DecodeOptions {
    // When valid: the picture will be fitted into this box, so a decoder that
    // can decode at reduced size (JPEG, JPEG 2000) may return a smaller picture,
    // though never smaller than the fitted size.
    QSize fitBox;
};

// The first picture in `bytes` (BMP, JPEG, PNG, GIF, JPEG 2000 file or
// codestream). A truncated JPEG or JPEG 2000 gives as much of the picture as
// arrived. Null when nothing is decodable or the picture is absurdly large,
// with the reason in `error`.
QImage decodePicture(const QByteArray& bytes, const DecodeOptions& options = {},
                     QString* error = nullptr);

} // namespace quiverel
