#include "imaging/jp2_codestream_scan.h"
#include "imaging/picture_decoder.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

using namespace quiverel;
using namespace quiverel::test;

namespace {

// One sub-sampled grey component of 127 x 126, as some SSTV programs send.
const QByteArray& subsampledCodestream() {
    static const QByteArray bytes = [] {
        Jp2Variant v;
        v.components = 1;
        v.firstSubsampling = 2;
        v.codestream = true;
        return jp2Encoded(photoLike(127, 126, 3), v);
    }();
    return bytes;
}

qsizetype afterSiz(const QByteArray& c) {
    return 4 + ((quint8(c[4]) << 8) | quint8(c[5]));
}

qsizetype firstTilePart(const QByteArray& c) {
    return c.indexOf(QByteArray("\xFF\x90\x00\x0A", 4));
}

struct Segment {
    const char* name;
    QByteArray bytes;
    bool beforeTilePart; // else right after SIZ
};

class UnknownSegment : public testing::TestWithParam<Segment> {};

} // namespace

TEST_P(UnknownSegment, IsSteppedOverAndOpenJpegJudgesTheFile) {
    const QByteArray& plain = subsampledCodestream();
    ASSERT_FALSE(plain.isEmpty());
    const QImage expected = decodePicture(plain);
    ASSERT_FALSE(expected.isNull());

    QByteArray file = plain;
    const Segment& s = GetParam();
    file.insert(s.beforeTilePart ? firstTilePart(plain) : afterSiz(plain), s.bytes);
    EXPECT_EQ(jpeg2000TileDataBytes(file), jpeg2000TileDataBytes(plain));
    QString error;
    const QImage decoded = decodePicture(file, {}, &error);
    EXPECT_EQ(decoded, expected) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Codestreams, UnknownSegment,
    testing::Values(Segment{"WithItsLength", QByteArray("\xFF\x6F\x00\x06\x11\x22\x33\x44", 8)},
                    Segment{"MarkerWithoutSegment", QByteArray("\xFF\x30", 2)},
                    Segment{"LengthZero", QByteArray("\xFF\x6F\x00\x00", 4)},
                    Segment{"LengthShorterThanItsData",
                            QByteArray("\xFF\x6F\x00\x04\x11\x22\x33\x44", 8)},
                    Segment{"LengthBeyondItsData", QByteArray("\xFF\x6F\x00\x28\x11\x22", 6)},
                    Segment{"BeforeTheFirstTilePart", QByteArray("\xFF\x6F\x00\x02", 4), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Jp2CodestreamScan, AFileCutWithinItsHeadersStillHoldsNoPictureData) {
    QByteArray file = subsampledCodestream();
    file.insert(afterSiz(file), QByteArray("\xFF\x30\xFF\x6F\x00\x00", 6));
    file.truncate(firstTilePart(file) + 6);
    EXPECT_EQ(jpeg2000TileDataBytes(file), 0);
    QString error;
    EXPECT_TRUE(decodePicture(file, {}, &error).isNull());
    EXPECT_EQ(error, QStringLiteral("no JPEG 2000 picture data"));
}
