#include "catalogue/picture_thumbnail.h"

#include "system/text_file.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace quiverel {

bool makePictureThumbnail(const QString& source, const QString& target) {
    QImageReader reader(source);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && size.width() > 0 && size.height() > 0) {
        // Decode at a small size where the format can (JPEG scales while decoding).
        const QSize box = size.scaled(QSize(224, 168), Qt::KeepAspectRatio);
        if (box.width() < size.width()) reader.setScaledSize(box);
    }
    QImage image = reader.read();
    if (image.isNull()) return false;
    image = image.scaled(QSize(112, 84), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        image = flat;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "JPG", 85) && writeFileAtomic(target, bytes);
}

} // namespace quiverel
