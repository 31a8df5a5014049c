#include "imaging/gif_encoder.h"

#include <QHash>
#include <algorithm>
#include <gif_lib.h>
#include <vector>

namespace quiverel {

namespace {

int appendBytes(GifFileType* gif, const GifByteType* bytes, int count) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
    return count;
}

// The picture's own palette and indices when it has at most 256 colours.
bool exactPalette(const QImage& rgb, std::vector<GifColorType>& palette,
                  std::vector<GifByteType>& indices) {
    QHash<QRgb, int> index;
    indices.resize(size_t(rgb.width()) * rgb.height());
    size_t at = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            auto it = index.constFind(c);
            if (it == index.cend()) {
                if (index.size() == 256) return false;
                it = index.insert(c, int(index.size()));
                palette.push_back(
                    {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
            }
            indices[at++] = GifByteType(*it);
        }
    }
    return true;
}

bool medianCutPalette(const QImage& rgb, std::vector<GifColorType>& palette,
                      std::vector<GifByteType>& indices) {
    const size_t n = size_t(rgb.width()) * rgb.height();
    std::vector<GifByteType> r(n), g(n), b(n);
    size_t at = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x, ++at) {
            r[at] = GifByteType(qRed(line[x]));
            g[at] = GifByteType(qGreen(line[x]));
            b[at] = GifByteType(qBlue(line[x]));
        }
    }
    int size = 256;
    palette.assign(256, GifColorType{0, 0, 0});
    indices.resize(n);
    if (GifQuantizeBuffer(unsigned(rgb.width()), unsigned(rgb.height()), &size, r.data(), g.data(),
                          b.data(), indices.data(), palette.data()) != GIF_OK)
        return false;
    palette.resize(size_t(std::clamp(size, 1, 256)));
    return true;
}

} // namespace

QByteArray encodeGif(const QImage& picture) {
    if (picture.isNull() || picture.width() > 65535 || picture.height() > 65535) return {};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<GifColorType> palette;
    std::vector<GifByteType> indices;
    if (!exactPalette(rgb, palette, indices)) {
        palette.clear();
        if (!medianCutPalette(rgb, palette, indices)) return {};
    }
    // A GIF colour table holds a power of two of entries.
    int tableSize = 2;
    while (tableSize < int(palette.size()))
        tableSize *= 2;
    palette.resize(size_t(tableSize), GifColorType{0, 0, 0});
    ColorMapObject* map = GifMakeMapObject(tableSize, palette.data());
    if (!map) return {};

    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    bool ok = gif != nullptr;
    if (ok) {
        ok = EGifPutScreenDesc(gif, rgb.width(), rgb.height(), map->BitsPerPixel, 0, map) ==
                 GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, rgb.width(), rgb.height(), false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < rgb.height(); ++y)
            ok = EGifPutLine(gif, indices.data() + size_t(y) * rgb.width(), rgb.width()) == GIF_OK;
        ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    }
    GifFreeMapObject(map);
    return ok ? out : QByteArray();
}

} // namespace quiverel
