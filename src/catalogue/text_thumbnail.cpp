#include "catalogue/text_thumbnail.h"

#include "util/text_file.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>

namespace quiverel {

QImage drawTextThumbnail(const QString& text) {
    QImage img(113, 93, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(9);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(2, 1, 111, 92), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return img;
}

bool makeTextThumbnail(const QString& textFile, const QString& target) {
    const auto text = readTextFile(textFile, kTextThumbnailBytes);
    if (!text) return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!drawTextThumbnail(*text).save(&buffer, "BMP")) return false;
    return writeFileAtomic(target, bytes);
}

} // namespace quiverel
