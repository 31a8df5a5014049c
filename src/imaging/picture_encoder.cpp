#include "imaging/picture_encoder.h"

#include "imaging/alpha_flatten.h"
#include "imaging/gif_encoder.h"
#include "imaging/jp2_encoder.h"
#include "imaging/jp2_target_size.h"

#include <QBuffer>
#include <QImageWriter>

namespace quiverel {

namespace {

QByteArray encodeWithQt(const QImage& picture, const char* format, int quality) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(picture)) return {};
    return out;
}

// Eight bits a channel: the formats below have no deeper samples.
QImage eightBit(const QImage& picture) {
    if (picture.isGrayscale() && picture.format() != QImage::Format_Grayscale8 &&
        !picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_Grayscale8);
    if (picture.depth() <= 32) return picture;
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                             : QImage::Format_RGB32);
}

} // namespace

QByteArray encodePicture(const QImage& picture, PictureFormat format,
                         const EncodeOptions& options) {
    if (picture.isNull()) return {};
    switch (format) {
    case PictureFormat::Bmp:
        // Qt writes 24-bit bitmaps from 32-bit pictures, palette ones from others.
        return encodeWithQt(flattenOntoWhite(picture).convertToFormat(QImage::Format_RGB32), "bmp",
                            -1);
    case PictureFormat::Jpeg:
        return encodeWithQt(eightBit(flattenOntoWhite(picture)), "jpeg", options.jpegQuality);
    case PictureFormat::Png:
        return encodeWithQt(picture, "png", -1);
    case PictureFormat::Gif:
        return encodeGif(flattenOntoWhite(picture));
    case PictureFormat::Jp2:
    case PictureFormat::J2k: {
        const QImage eight = eightBit(picture);
        if (options.jp2TargetBytes && format == PictureFormat::Jp2)
            return encodeJpeg2000ToSize(eight, *options.jp2TargetBytes);
        Jp2EncodeOptions o;
        o.mode = Jp2EncodeOptions::Mode::Quality;
        o.psnr = kJp2DefaultPsnr;
        o.codestreamOnly = format == PictureFormat::J2k;
        return encodeJpeg2000(eight, o);
    }
    case PictureFormat::Unknown:
        break;
    }
    return {};
}

} // namespace quiverel
