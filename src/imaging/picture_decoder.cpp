#include "imaging/picture_decoder.h"

#include "imaging/fit_resample.h"
#include "imaging/jp2_decoder.h"
#include "imaging/picture_format.h"
#include "imaging/picture_limits.h"

#include <QBuffer>
#include <QImageReader>
#include <mutex>

namespace quiverel {

namespace {

QImage fail(QString* error, const QString& why) {
    if (error) *error = why;
    return {};
}

QImage decodeWithQt(const QByteArray& bytes, PictureFormat format, const DecodeOptions& options,
                    QString* error) {
    static std::once_flag limitSet;
    std::call_once(limitSet, [] { QImageReader::setAllocationLimit(kImageAllocationLimitMB); });

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormatName(format));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && !isSanePictureSize(size))
        return fail(error, QStringLiteral("picture of unusable size %1 x %2")
                               .arg(size.width())
                               .arg(size.height()));

    if (format == PictureFormat::Jpeg && options.fitBox.isValid() && size.isValid()) {
        // The DCT decodes at 1/2, 1/4 or 1/8 of the size; Qt scales the rest smoothly.
        QSize box = options.fitBox;
        if (reader.transformation() & QImageIOHandler::TransformationRotate90) box.transpose();
        const QSize fitted = fitSize(size, box);
        if (fitted.width() < size.width() && fitted.height() < size.height())
            reader.setScaledSize(fitted);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return fail(error, reader.errorString().isEmpty() ? QStringLiteral("damaged picture")
                                                          : reader.errorString());
    return image;
}

} // namespace

QImage decodePicture(const QByteArray& bytes, const DecodeOptions& options, QString* error) {
    if (bytes.isEmpty()) return fail(error, QStringLiteral("empty file"));
    const PictureFormat format = detectPictureFormat(bytes);
    switch (format) {
    case PictureFormat::Unknown:
        return fail(error, QStringLiteral("not a picture"));
    case PictureFormat::Jp2:
    case PictureFormat::J2k:
        return decodeJpeg2000(bytes, options.fitBox, error);
    default:
        return decodeWithQt(bytes, format, options, error);
    }
}

} // namespace quiverel
