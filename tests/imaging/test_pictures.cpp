#include "test_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtEndian>
#include <cmath>
#include <gif_lib.h>
#include <memory>
#include <openjpeg.h>

namespace quiverel::test {

QImage photoLike(int width, int height, int seed) {
    QImage img(width, height, QImage::Format_RGB32);
    QRandomGenerator rng{quint32(seed)};
    QPainter p(&img);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor::fromHsv(rng.bounded(360), 200, 220));
    g.setColorAt(1, QColor::fromHsv(rng.bounded(360), 180, 80));
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF c(rng.bounded(width), rng.bounded(height));
        const double r = 4 + rng.bounded(std::max(8, width / 4));
        QRadialGradient rg(c, r);
        rg.setColorAt(0,
                      QColor::fromHsv(rng.bounded(360), rng.bounded(256), rng.bounded(256), 200));
        rg.setColorAt(1, Qt::transparent);
        p.setBrush(rg);
        p.drawEllipse(c, r, r * 0.7);
    }
    p.end();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(rng.bounded(20)) - 10;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
    return img;
}

QByteArray qtEncoded(const QImage& picture, const char* format, int quality, bool progressive) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.write(picture);
    return out;
}

namespace {

struct Sink {
    QByteArray bytes;
    qint64 pos = 0;
};

OPJ_SIZE_T sinkWrite(void* from, OPJ_SIZE_T n, void* user) {
    auto* s = static_cast<Sink*>(user);
    if (s->pos + qint64(n) > s->bytes.size()) s->bytes.resize(s->pos + qint64(n));
    std::memcpy(s->bytes.data() + s->pos, from, n);
    s->pos += qint64(n);
    return n;
}
OPJ_OFF_T sinkSkip(OPJ_OFF_T n, void* user) {
    auto* s = static_cast<Sink*>(user);
    s->pos += n;
    if (s->pos > s->bytes.size()) s->bytes.resize(s->pos, '\0');
    return n;
}
OPJ_BOOL sinkSeek(OPJ_OFF_T to, void* user) {
    auto* s = static_cast<Sink*>(user);
    s->pos = to;
    if (s->pos > s->bytes.size()) s->bytes.resize(s->pos, '\0');
    return OPJ_TRUE;
}

} // namespace

QByteArray jp2Encoded(const QImage& picture, const Jp2Variant& v) {
    const int w = picture.width(), h = picture.height();
    opj_image_cmptparm_t parms[4] = {};
    for (int i = 0; i < v.components; ++i) {
        const int d = (i == 1 || i == 2) ? v.chromaSubsampling : i == 0 ? v.firstSubsampling : 1;
        parms[i].dx = parms[i].dy = OPJ_UINT32(d);
        parms[i].w = OPJ_UINT32((w + d - 1) / d);
        parms[i].h = OPJ_UINT32((h + d - 1) / d);
        parms[i].prec = OPJ_UINT32(v.precision);
        parms[i].sgnd = v.isSigned ? 1 : 0;
    }
    const OPJ_COLOR_SPACE space = v.components <= 2 ? OPJ_CLRSPC_GRAY
                                  : v.ycc           ? OPJ_CLRSPC_SYCC
                                                    : OPJ_CLRSPC_SRGB;
    opj_image_t* image = opj_image_create(OPJ_UINT32(v.components), parms, space);
    image->x0 = image->y0 = 0;
    image->x1 = OPJ_UINT32(w);
    image->y1 = OPJ_UINT32(h);
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const qint64 maxv = (1LL << v.precision) - 1;
    const qint64 offset = v.isSigned ? (1LL << (v.precision - 1)) : 0;
    for (int i = 0; i < v.components; ++i) {
        opj_image_comp_t& c = image->comps[i];
        if ((v.components == 2 && i == 1) || i == 3) c.alpha = 1;
        for (OPJ_UINT32 y = 0; y < c.h; ++y)
            for (OPJ_UINT32 x = 0; x < c.w; ++x) {
                const QRgb p = argb.pixel(int(x * c.dx), int(y * c.dy));
                int s;
                if (v.components <= 2) {
                    s = i == 0 ? qGray(p) : qAlpha(p);
                } else if (v.ycc && i < 3) {
                    const double Y = 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
                    const double val = i == 0   ? Y
                                       : i == 1 ? 128 + (qBlue(p) - Y) / 1.772
                                                : 128 + (qRed(p) - Y) / 1.402;
                    s = std::clamp(int(std::lround(val)), 0, 255);
                } else {
                    s = i == 0 ? qRed(p) : i == 1 ? qGreen(p) : i == 2 ? qBlue(p) : qAlpha(p);
                }
                c.data[y * c.w + x] = OPJ_INT32(s * maxv / 255 - offset);
            }
    }
    opj_cparameters_t p;
    opj_set_default_encoder_parameters(&p);
    p.tcp_numlayers = v.layers;
    p.cp_disto_alloc = 1;
    for (int l = 0; l < v.layers; ++l)
        p.tcp_rates[l] = float(std::pow(2.0, v.layers - 1 - l) * 4);
    if (v.layers == 1) p.tcp_rates[0] = 0;
    p.irreversible = v.layers > 1 ? 1 : 0;
    p.tcp_mct = (v.components >= 3 && v.chromaSubsampling == 1 && !v.ycc) ? 1 : 0;
    p.numresolution = 5;
    opj_codec_t* codec = opj_create_compress(v.codestream ? OPJ_CODEC_J2K : OPJ_CODEC_JP2);
    opj_setup_encoder(codec, &p, image);
    Sink sink;
    opj_stream_t* stream = opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_FALSE);
    opj_stream_set_user_data(stream, &sink, nullptr);
    opj_stream_set_write_function(stream, sinkWrite);
    opj_stream_set_skip_function(stream, sinkSkip);
    opj_stream_set_seek_function(stream, sinkSeek);
    const bool ok = opj_start_compress(codec, image, stream) && opj_encode(codec, stream) &&
                    opj_end_compress(codec, stream);
    opj_stream_destroy(stream);
    opj_destroy_codec(codec);
    opj_image_destroy(image);
    return ok ? sink.bytes : QByteArray();
}

namespace {

void put16(QByteArray& b, int at, quint16 v) {
    qToLittleEndian(v, b.data() + at);
}
void put32(QByteArray& b, int at, quint32 v) {
    qToLittleEndian(v, b.data() + at);
}

} // namespace

QByteArray bmpBytes(const QImage& picture, int bits, bool rle) {
    const int w = picture.width(), h = picture.height();
    const int colours = bits <= 8 ? (1 << bits) : 0;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QByteArray pixels;
    const int stride = ((w * bits + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) { // bottom-up
        QByteArray row(stride, '\0');
        QByteArray rleRow;
        for (int x = 0; x < w; ++x) {
            const QRgb p = argb.pixel(x, y);
            if (bits <= 8) {
                const int index = qGray(p) * (colours - 1) / 255;
                if (rle) {
                    rleRow.append(char(1));
                    rleRow.append(char(index));
                    continue;
                }
                const int bitPos = x * bits;
                row[bitPos / 8] = char(uchar(row[bitPos / 8]) | (index << (8 - bits - bitPos % 8)));
            } else if (bits == 16) {
                const quint16 v =
                    quint16(((qRed(p) >> 3) << 10) | ((qGreen(p) >> 3) << 5) | (qBlue(p) >> 3));
                put16(row, x * 2, v);
            } else if (bits == 24) {
                row[x * 3] = char(qBlue(p));
                row[x * 3 + 1] = char(qGreen(p));
                row[x * 3 + 2] = char(qRed(p));
            } else {
                put32(row, x * 4, p | 0xFF000000u);
            }
        }
        if (rle) {
            rleRow.append(char(0));
            rleRow.append(char(0)); // end of line
            pixels.append(rleRow);
        } else {
            pixels.append(row);
        }
    }
    if (rle) {
        pixels.append(char(0));
        pixels.append(char(1)); // end of bitmap
    }
    const int paletteBytes = colours * 4;
    const int offset = 14 + 40 + paletteBytes;
    QByteArray out(offset, '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, quint32(offset + pixels.size()));
    put32(out, 10, quint32(offset));
    put32(out, 14, 40);
    put32(out, 18, quint32(w));
    put32(out, 22, quint32(h));
    put16(out, 26, 1);
    put16(out, 28, quint16(bits));
    put32(out, 30, rle ? 1 : 0);
    put32(out, 34, quint32(pixels.size()));
    put32(out, 46, quint32(colours));
    for (int i = 0; i < colours; ++i) {
        const int g = i * 255 / (colours - 1);
        out[54 + i * 4] = char(g);
        out[54 + i * 4 + 1] = char(g);
        out[54 + i * 4 + 2] = char(g);
    }
    out.append(pixels);
    return out;
}

QByteArray twoFrameGif(int width, int height) {
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(
        &out,
        [](GifFileType* g, const GifByteType* bytes, int n) {
            static_cast<QByteArray*>(g->UserData)->append(reinterpret_cast<const char*>(bytes), n);
            return n;
        },
        &error);
    GifColorType colours[2] = {{255, 0, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(2, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width, height, 1, 0, map);
    std::vector<GifByteType> row(static_cast<size_t>(width));
    for (GifByteType index : {0, 1}) {
        std::fill(row.begin(), row.end(), index);
        EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
        for (int y = 0; y < height; ++y)
            EGifPutLine(gif, row.data(), width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

double meanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return 1e9;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* l1 = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* l2 = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(l1[col]) - qRed(l2[col])) +
                   std::abs(qGreen(l1[col]) - qGreen(l2[col])) +
                   std::abs(qBlue(l1[col]) - qBlue(l2[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace quiverel::test
