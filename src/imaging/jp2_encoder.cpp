#include "imaging/jp2_encoder.h"

#include "imaging/jp2_memory_stream.h"

#include <QThread>
#include <algorithm>
#include <memory>
#include <openjpeg.h>

namespace quiverel {

namespace {

void quiet(const char*, void*) {}

struct CodecDeleter {
    void operator()(opj_codec_t* c) const { opj_destroy_codec(c); }
};
struct ImageDeleter {
    void operator()(opj_image_t* i) const { opj_image_destroy(i); }
};

bool hasTransparency(const QImage& picture) {
    if (!picture.hasAlphaChannel()) return false;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255) return true;
    }
    return false;
}

std::unique_ptr<opj_image_t, ImageDeleter> toOpjImage(const QImage& picture) {
    const bool grey = picture.isGrayscale();
    const bool alpha = hasTransparency(picture);
    const int n = grey ? (alpha ? 2 : 1) : (alpha ? 4 : 3);
    const int w = picture.width(), h = picture.height();

    opj_image_cmptparm_t parms[4] = {};
    for (int i = 0; i < n; ++i) {
        parms[i].dx = parms[i].dy = 1;
        parms[i].w = OPJ_UINT32(w);
        parms[i].h = OPJ_UINT32(h);
        parms[i].prec = 8;
        parms[i].sgnd = 0;
    }
    std::unique_ptr<opj_image_t, ImageDeleter> image(
        opj_image_create(OPJ_UINT32(n), parms, grey ? OPJ_CLRSPC_GRAY : OPJ_CLRSPC_SRGB));
    if (!image) return nullptr;
    image->x0 = image->y0 = 0;
    image->x1 = OPJ_UINT32(w);
    image->y1 = OPJ_UINT32(h);
    if (alpha) image->comps[n - 1].alpha = 1;

    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        const qsizetype row = qsizetype(y) * w;
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            if (grey) {
                image->comps[0].data[row + x] = qGray(p);
            } else {
                image->comps[0].data[row + x] = qRed(p);
                image->comps[1].data[row + x] = qGreen(p);
                image->comps[2].data[row + x] = qBlue(p);
            }
            if (alpha) image->comps[n - 1].data[row + x] = qAlpha(p);
        }
    }
    return image;
}

} // namespace

QByteArray encodeJpeg2000(const QImage& picture, const Jp2EncodeOptions& options) {
    if (picture.isNull()) return {};
    auto image = toOpjImage(picture);
    if (!image) return {};

    opj_cparameters_t p;
    opj_set_default_encoder_parameters(&p);
    p.tcp_numlayers = 1;
    p.tcp_mct = image->numcomps >= 3 ? 1 : 0;
    // Each resolution level halves the picture; the smallest must keep a pixel.
    int levels = 1;
    while (levels < 6 && (std::min(picture.width(), picture.height()) >> levels) > 0)
        ++levels;
    p.numresolution = levels;
    p.cblockw_init = p.cblockh_init = std::clamp(options.codeBlockSize, 4, 64);
    switch (options.mode) {
    case Jp2EncodeOptions::Mode::Lossless:
        p.irreversible = 0;
        p.cp_disto_alloc = 1;
        p.tcp_rates[0] = 0;
        break;
    case Jp2EncodeOptions::Mode::Ratio:
        p.irreversible = 1;
        p.cp_disto_alloc = 1;
        p.tcp_rates[0] = float(std::max(1.0, options.ratio));
        break;
    case Jp2EncodeOptions::Mode::Quality:
        p.irreversible = 1;
        p.cp_fixed_quality = 1;
        p.tcp_distoratio[0] = float(options.psnr);
        break;
    }

    std::unique_ptr<opj_codec_t, CodecDeleter> codec(
        opj_create_compress(options.codestreamOnly ? OPJ_CODEC_J2K : OPJ_CODEC_JP2));
    if (!codec) return {};
    opj_set_info_handler(codec.get(), quiet, nullptr);
    opj_set_warning_handler(codec.get(), quiet, nullptr);
    opj_set_error_handler(codec.get(), quiet, nullptr);
    if (!opj_setup_encoder(codec.get(), &p, image.get())) return {};

    Jp2MemoryStream stream = Jp2MemoryStream::forWriting();
    if (!opj_start_compress(codec.get(), image.get(), stream.stream()) ||
        !opj_encode(codec.get(), stream.stream()) ||
        !opj_end_compress(codec.get(), stream.stream()))
        return {};
    return stream.bytes();
}

} // namespace quiverel
