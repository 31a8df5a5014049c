#include "texteffects/transparent_region.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

QImage white(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

TEST(TransparentRegionTest, AnAllWhitePictureGivesAnEmptyRegionAndMask) {
    const QImage img = white(40, 12);
    EXPECT_TRUE(TransparentRegion(img, 16777215).isEmpty());
    const QImage mask = glyphMask(img, 16777215);
    ASSERT_EQ(mask.format(), QImage::Format_Mono);
    ASSERT_EQ(mask.size(), img.size());
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(mask.pixelIndex(x, y), 0);
}

TEST(TransparentRegionTest, RunsOfOtherPixelsRowByRow) {
    QImage img = white(12, 6);
    for (int x = 3; x <= 5; ++x)
        img.setPixel(x, 2, qRgb(255, 0, 0));
    img.setPixel(8, 2, qRgb(0, 0, 0));
    img.setPixel(11, 2, qRgb(254, 255, 255)); // nearly white is not white
    img.setPixel(0, 4, qRgb(128, 128, 128));
    const QRegion expected =
        QRegion(3, 2, 3, 1) + QRegion(8, 2, 1, 1) + QRegion(11, 2, 1, 1) + QRegion(0, 4, 1, 1);
    EXPECT_EQ(TransparentRegion(img, 16777215), expected);
    const QImage mask = glyphMask(img, 16777215);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(mask.pixelIndex(x, y), expected.contains(QPoint(x, y)) ? 1 : 0)
                << x << "," << y;
}

TEST(TransparentRegionTest, AnyColourCanBeTransparentAndTheFourthByteIsIgnored) {
    QImage img(4, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(255, 0, 0, 255));
    img.setPixel(1, 0, qRgba(255, 0, 0, 0));
    img.setPixel(2, 0, qRgba(255, 255, 255, 255));
    img.setPixel(3, 0, qRgba(0, 0, 255, 255));
    // 255 is red.
    EXPECT_EQ(TransparentRegion(img, 255), QRegion(2, 0, 2, 1));
    // A picture in another format reads the same.
    EXPECT_EQ(TransparentRegion(img.convertToFormat(QImage::Format_RGB888), 255),
              QRegion(2, 0, 2, 1));
}

} // namespace
