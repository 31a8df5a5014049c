#include "imaging/picture_format.h"

#include <QFileInfo>

namespace quiverel {

namespace {

bool startsWith(QByteArrayView data, QByteArrayView signature) {
    return data.size() >= signature.size() && data.first(signature.size()) == signature;
}

} // namespace

PictureFormat detectPictureFormat(QByteArrayView head) {
    using namespace Qt::StringLiterals;
    if (startsWith(head, "\xFF\xD8\xFF"_ba)) return PictureFormat::Jpeg;
    if (startsWith(head, "\x89PNG\r\n\x1A\n"_ba)) return PictureFormat::Png;
    if (startsWith(head, "GIF87a"_ba) || startsWith(head, "GIF89a"_ba)) return PictureFormat::Gif;
    if (startsWith(head, QByteArrayView("\0\0\0\x0CjP  \r\n\x87\n", 12))) return PictureFormat::Jp2;
    if (startsWith(head, "\xFF\x4F\xFF\x51"_ba)) return PictureFormat::J2k;
    // "BM" alone is too weak a signature; a bitmap header is at least 26 bytes.
    if (startsWith(head, "BM"_ba) && head.size() >= 26) return PictureFormat::Bmp;
    return PictureFormat::Unknown;
}

PictureFormat formatForFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"bmp" || suffix == u"dib") return PictureFormat::Bmp;
    if (suffix == u"jpg" || suffix == u"jpeg" || suffix == u"jpe") return PictureFormat::Jpeg;
    if (suffix == u"png") return PictureFormat::Png;
    if (suffix == u"gif") return PictureFormat::Gif;
    if (suffix == u"jp2") return PictureFormat::Jp2;
    if (suffix == u"j2k" || suffix == u"j2c" || suffix == u"jpc") return PictureFormat::J2k;
    return PictureFormat::Unknown;
}

const char* qtFormatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Png:
        return "png";
    case PictureFormat::Gif:
        return "gif";
    default:
        return nullptr;
    }
}

} // namespace quiverel
