#include "imaging/jp2_decoder.h"

#include "imaging/fit_resample.h"
#include "imaging/jp2_codestream_scan.h"
#include "imaging/jp2_memory_stream.h"
#include "imaging/picture_format.h"
#include "imaging/picture_limits.h"

#include <algorithm>
#include <memory>
#include <openjpeg.h>
#include <opj_config.h>

namespace quiverel {

namespace {

struct CodecDeleter {
    void operator()(opj_codec_t* c) const { opj_destroy_codec(c); }
};
struct ImageDeleter {
    void operator()(opj_image_t* i) const { opj_image_destroy(i); }
};
using CodecPtr = std::unique_ptr<opj_codec_t, CodecDeleter>;
using ImagePtr = std::unique_ptr<opj_image_t, ImageDeleter>;

void quiet(const char*, void*) {}

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

// One component's samples as 8-bit values, read at output pixel (x, y)
// whatever its sub-sampling or precision.
class ComponentReader {
public:
    ComponentReader(const opj_image_comp_t& c, int outWidth, int outHeight)
        : c_(c), outWidth_(outWidth), outHeight_(outHeight) {
        shift_ = int(c.prec) > 8 ? int(c.prec) - 8 : 0;
        offset_ = c.sgnd ? (1LL << (c.prec - 1)) : 0;
        maxValue_ = (1LL << c.prec) - 1;
    }
    int at(int x, int y) const {
        const qint64 cx = std::min<qint64>(qint64(x) * c_.w / outWidth_, c_.w - 1);
        const qint64 cy = std::min<qint64>(qint64(y) * c_.h / outHeight_, c_.h - 1);
        qint64 v = qint64(c_.data[cy * c_.w + cx]) + offset_;
        v = std::clamp<qint64>(v, 0, maxValue_);
        if (shift_) return int(v >> shift_);
        if (c_.prec == 8) return int(v);
        return int(v * 255 / maxValue_); // fewer than 8 bits: stretch to full range
    }

private:
    const opj_image_comp_t& c_;
    int outWidth_, outHeight_;
    int shift_;
    qint64 offset_, maxValue_;
};

int clamp8(double v) {
    return std::clamp(int(v + 0.5), 0, 255);
}

QImage toQImage(const opj_image_t& image) {
    const opj_image_comp_t& first = image.comps[0];
    const int w = int(first.w), h = int(first.h);
    const int n = int(image.numcomps);
    std::vector<ComponentReader> comps;
    for (int i = 0; i < std::min(n, 4); ++i)
        comps.emplace_back(image.comps[i], w, h);

    const bool cmyk = image.color_space == OPJ_CLRSPC_CMYK && n >= 4;
    // Three components with sub-sampled chroma are YCbCr even when the file
    // does not say so, as in camera codestreams.
    const bool ycc =
        n >= 3 && (image.color_space == OPJ_CLRSPC_SYCC || image.color_space == OPJ_CLRSPC_EYCC ||
                   (image.color_space != OPJ_CLRSPC_SRGB && image.comps[1].dx > image.comps[0].dx));
    const bool alpha = !cmyk && (n == 2 || n >= 4);

    if (n <= 2) {
        QImage out(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_Grayscale8);
        if (out.isNull()) return {};
        for (int y = 0; y < h; ++y) {
            if (alpha) {
                auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
                for (int x = 0; x < w; ++x) {
                    const int g = comps[0].at(x, y);
                    line[x] = qRgba(g, g, g, comps[1].at(x, y));
                }
            } else {
                uchar* line = out.scanLine(y);
                for (int x = 0; x < w; ++x)
                    line[x] = uchar(comps[0].at(x, y));
            }
        }
        return out;
    }

    QImage out(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (out.isNull()) return {};
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int r = comps[0].at(x, y), g = comps[1].at(x, y), b = comps[2].at(x, y);
            int a = 255;
            if (cmyk) {
                const int k = 255 - comps[3].at(x, y);
                r = (255 - r) * k / 255;
                g = (255 - g) * k / 255;
                b = (255 - b) * k / 255;
            } else {
                if (ycc) {
                    const double Y = r, cb = g - 128.0, cr = b - 128.0;
                    r = clamp8(Y + 1.402 * cr);
                    g = clamp8(Y - 0.344136 * cb - 0.714136 * cr);
                    b = clamp8(Y + 1.772 * cb);
                }
                if (alpha) a = comps[3].at(x, y);
            }
            line[x] = qRgba(r, g, b, a);
        }
    }
    return out;
}

// The largest number of halvings that keeps the picture at least `atLeast`
// and every side at least 16 pixels.
int reductionFor(QSize full, QSize atLeast, int maxReduce) {
    const int w = std::max(atLeast.width(), 16), h = std::max(atLeast.height(), 16);
    int r = 0;
    while (r < maxReduce && (full.width() >> (r + 1)) >= w && (full.height() >> (r + 1)) >= h)
        ++r;
    return r;
}

bool componentsUsable(const opj_image_t& image) {
    if (image.numcomps == 0 || !image.comps) return false;
    for (OPJ_UINT32 i = 0; i < std::min<OPJ_UINT32>(image.numcomps, 4); ++i) {
        const opj_image_comp_t& c = image.comps[i];
        if (!c.data || c.w == 0 || c.h == 0 || c.prec == 0 || c.prec > 31) return false;
        if (!isSanePictureSize(c.w, c.h)) return false;
    }
    return true;
}

// One decoding attempt. With `reduceFor` valid, lower resolution levels are
// decoded, strictly; otherwise the full picture, leniently.
QImage decodeOnce(const QByteArray& data, PictureFormat format, QSize reduceFor, QString* error) {
    CodecPtr codec(
        opj_create_decompress(format == PictureFormat::Jp2 ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K));
    if (!codec) return {};
    opj_set_info_handler(codec.get(), quiet, nullptr);
    opj_set_warning_handler(codec.get(), quiet, nullptr);
    opj_set_error_handler(codec.get(), quiet, nullptr);

    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    if (!opj_setup_decoder(codec.get(), &parameters)) return {};
    const bool reduced = reduceFor.isValid() && !reduceFor.isEmpty();
#if OPJ_VERSION_MAJOR > 2 || (OPJ_VERSION_MAJOR == 2 && OPJ_VERSION_MINOR >= 5)
    // A partly received file still shows what its received layers hold. Not
    // together with reduced resolution: OpenJPEG 2.5.0 reads out of bounds on
    // some damaged files when both are asked for.
    opj_decoder_set_strict_mode(codec.get(), reduced ? OPJ_TRUE : OPJ_FALSE);
#endif

    Jp2MemoryStream stream = Jp2MemoryStream::forReading(data);
    opj_image_t* rawImage = nullptr;
    if (!opj_read_header(stream.stream(), codec.get(), &rawImage)) {
        if (rawImage) opj_image_destroy(rawImage);
        fail(error, QStringLiteral("damaged JPEG 2000 header"));
        return {};
    }
    ImagePtr image(rawImage);
    const qint64 width = qint64(image->x1) - qint64(image->x0);
    const qint64 height = qint64(image->y1) - qint64(image->y0);
    if (image->numcomps == 0 || !isSanePictureSize(width, height)) {
        fail(error, QStringLiteral("JPEG 2000 picture of unusable size"));
        return {};
    }

    if (reduced) {
        int levels = 0;
        if (opj_codestream_info_v2_t* info = opj_get_cstr_info(codec.get())) {
            if (info->m_default_tile_info.tccp_info)
                levels = int(info->m_default_tile_info.tccp_info[0].numresolutions) - 1;
            opj_destroy_cstr_info(&info);
        }
        const QSize full{int(width), int(height)};
        const int reduce = reductionFor(full, fitSize(full, reduceFor), levels);
        if (reduce > 0) opj_set_decoded_resolution_factor(codec.get(), OPJ_UINT32(reduce));
    }

    // Lenient decoding reports a cut-off file as decoded; what was received is in the image.
    const bool decoded = opj_decode(codec.get(), stream.stream(), image.get());
    if (!decoded || !componentsUsable(*image)) {
        fail(error, QStringLiteral("no decodable JPEG 2000 data"));
        return {};
    }
    opj_end_decompress(codec.get(), stream.stream());
    QImage out = toQImage(*image);
    if (out.isNull()) fail(error, QStringLiteral("out of memory"));
    return out;
}

} // namespace

QImage decodeJpeg2000(const QByteArray& data, QSize fitBox, QString* error) {
    const PictureFormat format = detectPictureFormat(data);
    if (format != PictureFormat::Jp2 && format != PictureFormat::J2k) {
        fail(error, QStringLiteral("not a JPEG 2000 file"));
        return {};
    }
    // A file cut within its headers would decode to flat grey nothing.
    if (jpeg2000TileDataBytes(data) == 0) {
        fail(error, QStringLiteral("no JPEG 2000 picture data"));
        return {};
    }
    if (fitBox.isValid() && !fitBox.isEmpty()) {
        QImage small = decodeOnce(data, format, fitBox, error);
        if (!small.isNull()) return small;
        // Partly received: the whole picture, as far as it goes.
    }
    return decodeOnce(data, format, {}, error);
}

} // namespace quiverel
