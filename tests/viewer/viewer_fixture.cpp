#include "viewer_fixture.h"

#include "imaging/picture_encoder.h"
#include "imaging/picture_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quiverel::test {

ViewerContext::ViewerContext(Desktop* otherDesktop)
    : TestContext(TestConverter::InProcess, otherDesktop) {
    readTextTable();
    state.settings.guiScale = 768.0 / 770.0;
    state.transmit.txFolder = app.path() + QStringLiteral("/TX");
    QDir().mkpath(state.transmit.txFolder);
    QDir().mkpath(rx());
    state.current.folder = rx();
}

void ViewerContext::setCurrent(const QString& name) {
    state.current.folder = rx();
    state.current.fileName = name;
    state.current.baseName = name.left(name.size() - 4);
    state.current.extension = name.right(4).toUpper();
}

QString ViewerContext::writePicture(const QString& name, const QImage& picture) {
    const QString path = rx() + name;
    savePicture(picture, path);
    return path;
}

void ViewerContext::writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

QImage tellTalePicture(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            img.setPixel(x, y,
                         qRgb(255 * x / std::max(1, width - 1), 255 * y / std::max(1, height - 1),
                              edge ? 255 : 0));
        }
    return img;
}

QByteArray gifBytes(int width, int height, int images) {
    QByteArray b("GIF89a");
    auto word = [&b](int v) {
        b.append(char(v & 0xff));
        b.append(char((v >> 8) & 0xff));
    };
    word(width);
    word(height);
    b.append(char(0x80)); // a global colour table of two entries
    b.append(char(0));
    b.append(char(0));
    b.append(QByteArray::fromHex("ff0000"
                                 "0000ff"));
    b.append(QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" +
             QByteArray::fromHex("03010000"
                                 "00"));
    for (int i = 0; i < images; ++i) {
        b.append(QByteArray::fromHex("21f904"
                                     "04"
                                     "0a00"
                                     "00"
                                     "00")); // 100 ms a frame
        b.append(char(0x2c));
        word(i % std::max(1, width));
        word(0);
        word(1);
        word(1);
        b.append(char(0));
        // One pixel of colour 0: clear code, 0, end code, in 3-bit codes.
        b.append(QByteArray::fromHex("02024401"
                                     "00"));
    }
    b.append(char(0x3b));
    return b;
}

QByteArray jp2OfLength(const QImage& picture, int length) {
    QByteArray bytes = encodePicture(picture, PictureFormat::Jp2);
    const int pad = length - int(bytes.size());
    if (pad < 8) return QByteArray();
    QByteArray box;
    box.append(char((pad >> 24) & 0xff));
    box.append(char((pad >> 16) & 0xff));
    box.append(char((pad >> 8) & 0xff));
    box.append(char(pad & 0xff));
    box.append("free");
    box.append(QByteArray(pad - 8, '\0'));
    return bytes + box;
}

} // namespace quiverel::test
