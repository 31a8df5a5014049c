#include "convert/gif_info.h"

#include "desktop/prompts.h"
#include "imaging/picture_limits.h"
#include "util/regular_file.h"

namespace quiverel {

GifInfoResult gifInfoFromBytes(const QByteArray& b) {
    GifInfoResult r;
    if (!b.startsWith("GIF")) return r;
    r.isGif = true;
    const auto u16 = [&](int at) {
        return at + 1 < b.size() ? int(quint8(b[at])) | (int(quint8(b[at + 1])) << 8) : 0;
    };
    r.width = u16(6);
    r.height = u16(8);
    static const QByteArray kGraphicControl("\x21\xF9\x04", 3);
    for (qsizetype at = b.indexOf(kGraphicControl); at >= 0;
         at = b.indexOf(kGraphicControl, at + 1))
        ++r.imageCount;
    return r;
}

GifInfoResult readGifInfo(const QString& path) {
    const auto read = readRegularFile(path, kMaxPictureFileBytes, BeyondLimit::Refuse);
    return read ? gifInfoFromBytes(*read) : GifInfoResult{};
}

GifInfoResult GifInfo(const QString& path, Prompts& prompts, QWidget* owner) {
    const GifInfoResult r = readGifInfo(path);
    if (!r.isGif)
        prompts.message(owner, {}, QStringLiteral("Error... not a GIF file"), PromptIcon::Critical);
    return r;
}

} // namespace quiverel
