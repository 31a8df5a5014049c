#pragma once
// The picture formats the program reads and writes, told apart by content
// when reading and by the file name's extension when writing.

#include <QByteArrayView>
#include <QString>

namespace quiverel {

enum class PictureFormat { Unknown, Bmp, Jpeg, Png, Gif, Jp2, J2k };

// The format whose signature starts `head`; Unknown when none does.
PictureFormat detectPictureFormat(QByteArrayView head);

// The format named by the extension of `path` (any letter case); Unknown when
// the extension names none the program writes.
PictureFormat formatForFileName(const QString& path);

// The name Qt's image I/O knows the format by; null for the JPEG 2000 forms.
const char* qtFormatName(PictureFormat format);

} // namespace quiverel
