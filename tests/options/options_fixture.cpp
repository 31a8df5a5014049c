#include "options_fixture.h"

#include "imaging/picture_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quiverel::test {

QImage plainPicture(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QByteArray animatedGifBytes() {
    // Header, 1 x 1, a two-colour table; each frame a graphic control block
    // and one LZW-coded pixel.
    const QByteArray header = QByteArray::fromHex("47494638396101000100800000000000ffffff");
    const QByteArray frame = QByteArray::fromHex("21f904000a000000"
                                                 "2c00000000010001000000"
                                                 "0202440100");
    return header + frame + frame + QByteArray::fromHex("3b");
}

void writePicture(const QString& path, const QImage& picture) {
    QDir().mkpath(QFileInfo(path).path());
    savePicture(picture, path);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

OptionsRequest pictureRequest(const QString& folder, const QString& fileName,
                              const QImage& thumbnail) {
    OptionsRequest r;
    r.picture.folder = folder;
    r.picture.fileName = fileName;
    r.picture.row = 0;
    r.thumbnail = thumbnail;
    r.rowDate = QStringLiteral("2024-05-01 10:20:30");
    r.lastRow = 0;
    return r;
}

} // namespace quiverel::test
