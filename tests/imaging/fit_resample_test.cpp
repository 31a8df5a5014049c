#include "imaging/fit_resample.h"
#include "imaging/thumbnail.h"
#include "test_pictures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quiverel;
using namespace quiverel::test;

struct FitCase {
    QSize source, box, expected;
};

class FitSizes : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitSizes, KeepsAspectRatioInsideTheBox) {
    const FitCase c = GetParam();
    EXPECT_EQ(fitSize(c.source, c.box), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Imaging, FitSizes,
    ::testing::Values(FitCase{{640, 496}, {112, 84}, {108, 84}},
                      FitCase{{1600, 1200}, {112, 84}, {112, 84}},
                      FitCase{{50, 40}, {112, 84}, {105, 84}}, // small pictures grow
                      FitCase{{1, 1000}, {112, 84}, {1, 84}},  // never below one pixel
                      FitCase{{1000, 1}, {112, 84}, {112, 1}},
                      FitCase{{800, 600}, {320, 256}, {320, 240}},
                      FitCase{{0, 10}, {112, 84}, {0, 10}}));

TEST(FitResample, AveragesWhenShrinking) {
    // A fine black and white checkerboard shrinks to grey, not to stripes.
    QImage board(200, 200, QImage::Format_Mono);
    board.setColorCount(2);
    board.setColor(0, qRgb(0, 0, 0));
    board.setColor(1, qRgb(255, 255, 255));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            board.setPixel(x, y, (x + y) % 2);
    const QImage small = fitResample(board, QSize(20, 20));
    ASSERT_EQ(small.size(), QSize(20, 20));
    for (int x = 2; x < 18; x += 5)
        EXPECT_NEAR(qGray(small.pixel(x, 10)), 128, 20);
}

TEST(Thumbnail, ReducedDecodingMatchesAFullDecode) {
    QTemporaryDir dir;
    const QImage original = photoLike(640, 496, 21);
    for (const char* name : {"t.jpg", "t.jp2", "t.png", "t.bmp"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(writeBytes(path, name[2] == 'j' && name[3] == 'p' && name[4] == 'g'
                                         ? qtEncoded(original, "jpeg", 92)
                                     : name[2] == 'j' ? jp2Encoded(original, {})
                                                      : qtEncoded(original, name + 2)));
        const QImage thumb = thumbnailOfFile(path);
        ASSERT_EQ(thumb.size(), QSize(108, 84)) << name;
        EXPECT_LT(meanDifference(thumb, fitResample(original, kThumbnailBox)), 5) << name;
    }
}
