#include "imaging/picture_decoder.h"
#include "imaging/picture_file.h"
#include "test_pictures.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quiverel;
using namespace quiverel::test;

namespace {

const QImage& sample() {
    static const QImage picture = photoLike(96, 64, 7);
    return picture;
}

void expectLooksLike(const QImage& decoded, const QImage& original, double tolerance) {
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), original.size());
    EXPECT_LT(meanDifference(decoded, original), tolerance);
}

// Grey as the test encoders make it, reduced to `levels` steps.
QImage greyOf(const QImage& p, int levels = 256) {
    QImage out(p.size(), QImage::Format_RGB32);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const int g = (qGray(p.pixel(x, y)) * (levels - 1) / 255) * 255 / (levels - 1);
            out.setPixel(x, y, qRgb(g, g, g));
        }
    return out;
}

} // namespace

struct BmpCase {
    int bits;
    bool rle;
    double tolerance;
};

class BmpDepths : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpDepths, EveryDepthDecodes) {
    const BmpCase c = GetParam();
    const QImage reference = c.bits <= 8 ? greyOf(sample(), 1 << c.bits) : sample();
    expectLooksLike(decodePicture(bmpBytes(sample(), c.bits, c.rle)), reference, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Imaging, BmpDepths,
                         ::testing::Values(BmpCase{1, false, 0.01}, BmpCase{4, false, 0.01},
                                           BmpCase{8, false, 0.01}, BmpCase{8, true, 0.01},
                                           BmpCase{16, false, 5}, BmpCase{24, false, 0.01},
                                           BmpCase{32, false, 0.01}));

TEST(PictureDecoder, JpegBaselineProgressiveAndGrey) {
    expectLooksLike(decodePicture(qtEncoded(sample(), "jpeg", 95)), sample(), 4);
    expectLooksLike(decodePicture(qtEncoded(sample(), "jpeg", 95, true)), sample(), 4);
    const QImage grey = greyOf(sample());
    const QImage decoded =
        decodePicture(qtEncoded(grey.convertToFormat(QImage::Format_Grayscale8), "jpeg", 95));
    expectLooksLike(decoded, grey, 4);
    EXPECT_TRUE(decoded.isGrayscale());
}

TEST(PictureDecoder, CmykJpeg) {
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty()) GTEST_SKIP() << "ImageMagick makes the CMYK JPEG";
    QTemporaryDir dir;
    const QString rgbPath = dir.filePath(QStringLiteral("rgb.png"));
    const QString cmykPath = dir.filePath(QStringLiteral("cmyk.jpg"));
    ASSERT_TRUE(writeBytes(rgbPath, qtEncoded(sample(), "png")));
    ASSERT_EQ(
        QProcess::execute(convert, {rgbPath, QStringLiteral("-colorspace"), QStringLiteral("CMYK"),
                                    QStringLiteral("-quality"), QStringLiteral("95"), cmykPath}),
        0);
    expectLooksLike(loadPicture(cmykPath), sample(), 12);
}

TEST(PictureDecoder, PngPaletteGreySixteenBitAndAlpha) {
    const QImage palette = sample().convertToFormat(QImage::Format_Indexed8);
    expectLooksLike(decodePicture(qtEncoded(palette, "png")), palette, 0.01);
    const QImage grey = greyOf(sample());
    expectLooksLike(
        decodePicture(qtEncoded(grey.convertToFormat(QImage::Format_Grayscale8), "png")), grey,
        0.01);
    const QImage deep = sample().convertToFormat(QImage::Format_RGBA64);
    expectLooksLike(decodePicture(qtEncoded(deep, "png")), sample(), 0.01);

    QImage alpha(8, 8, QImage::Format_ARGB32);
    alpha.fill(qRgba(255, 0, 0, 0));
    alpha.setPixel(0, 0, qRgba(0, 0, 255, 255));
    const QImage decoded = decodePicture(qtEncoded(alpha, "png"));
    ASSERT_TRUE(decoded.hasAlphaChannel());
    EXPECT_EQ(qAlpha(decoded.pixel(3, 3)), 0);
    EXPECT_EQ(decoded.pixel(0, 0), qRgba(0, 0, 255, 255));
}

TEST(PictureDecoder, GifAndPngNamedGifReadByContent) {
    QTemporaryDir dir;
    const QString gif = dir.filePath(QStringLiteral("real.gif"));
    ASSERT_TRUE(savePicture(sample(), gif));
    expectLooksLike(loadPicture(gif), sample(), 10);

    const QString pngNamedGif = dir.filePath(QStringLiteral("actually png.gif"));
    ASSERT_TRUE(writeBytes(pngNamedGif, qtEncoded(sample(), "png")));
    expectLooksLike(loadPicture(pngNamedGif), sample(), 0.01);
}

TEST(PictureDecoder, AnimatedGifGivesItsFirstFrame) {
    const QImage first = decodePicture(twoFrameGif(20, 10));
    ASSERT_EQ(first.size(), QSize(20, 10));
    EXPECT_EQ(first.pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
}

struct Jp2Case {
    const char* name;
    Jp2Variant variant;
    double tolerance;
};

class Jp2Kinds : public ::testing::TestWithParam<Jp2Case> {};

TEST_P(Jp2Kinds, Decodes) {
    const Jp2Case c = GetParam();
    const QByteArray bytes = jp2Encoded(sample(), c.variant);
    ASSERT_FALSE(bytes.isEmpty());
    const QImage decoded = decodePicture(bytes);
    const QImage reference = c.variant.components <= 2 ? greyOf(sample()) : sample();
    expectLooksLike(decoded, reference, c.tolerance);
    if (c.variant.components == 2 || c.variant.components == 4) {
        EXPECT_TRUE(decoded.hasAlphaChannel());
    }
}

INSTANTIATE_TEST_SUITE_P(Imaging, Jp2Kinds,
                         ::testing::Values(Jp2Case{"grey", {1}, 1.5}, Jp2Case{"rgb", {3}, 1.5},
                                           Jp2Case{"rgba", {4}, 1.5},
                                           Jp2Case{"greyAlpha", {2}, 1.5},
                                           Jp2Case{"twelveBit", {3, 12}, 1.5},
                                           Jp2Case{"fourBit", {3, 4}, 10},
                                           Jp2Case{"signed", {3, 8, true}, 1.5},
                                           Jp2Case{"codestream", {3, 8, false, 1, true}, 1.5},
                                           Jp2Case{"ycc420", {3, 8, false, 2, true, 1, true}, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureDecoder, TruncatedJpegShowsWhatArrived) {
    const QImage original = photoLike(320, 256, 3);
    const QByteArray full = qtEncoded(original, "jpeg", 90);
    const QImage decoded = decodePicture(full.left(full.size() / 2));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), original.size());
    // The top rows arrived; the bottom rows are libjpeg's grey fill.
    EXPECT_LT(meanDifference(decoded.copy(0, 0, 320, 32), original.copy(0, 0, 320, 32)), 4);
    const QRgb bottom = decoded.pixel(300, 250);
    EXPECT_NEAR(qRed(bottom), 128, 2);
    EXPECT_EQ(qRed(bottom), qBlue(bottom));
}

TEST(PictureDecoder, TruncatedJp2ShowsTheWholePictureBlurred) {
    const QImage original = photoLike(320, 256, 4);
    Jp2Variant layered;
    layered.layers = 6;
    const QByteArray full = jp2Encoded(original, layered);
    for (double part : {0.05, 0.3, 0.7}) {
        const QImage decoded = decodePicture(full.left(qsizetype(full.size() * part)));
        ASSERT_FALSE(decoded.isNull()) << part;
        EXPECT_EQ(decoded.size(), original.size());
        EXPECT_LT(meanDifference(decoded, original), 25) << part;
    }
    // Thumbnails of partly received files too.
    DecodeOptions thumbnail;
    thumbnail.fitBox = QSize(112, 84);
    EXPECT_FALSE(decodePicture(full.left(full.size() / 3), thumbnail).isNull());

    Jp2Variant codestream = layered;
    codestream.codestream = true;
    const QByteArray raw = jp2Encoded(original, codestream);
    EXPECT_FALSE(decodePicture(raw.left(raw.size() / 4)).isNull());
}

TEST(PictureDecoder, ReducedSizeDecodingStaysAboveTheFittedSize) {
    const QImage original = photoLike(640, 496, 5);
    DecodeOptions options;
    options.fitBox = QSize(112, 84);
    const QImage fromJpeg = decodePicture(qtEncoded(original, "jpeg", 90), options);
    EXPECT_EQ(fromJpeg.size(), QSize(108, 84));
    const QImage fromJp2 = decodePicture(jp2Encoded(original, {}), options);
    EXPECT_GE(fromJp2.width(), 108);
    EXPECT_GE(fromJp2.height(), 84);
    EXPECT_LT(fromJp2.width(), 640);
}
