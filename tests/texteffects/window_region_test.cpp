#include "texteffects/window_region.h"

#include "texteffects/transparent_region.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

TEST(WindowRegionTest, TheWindowShowsOnlyTheNonWhitePixels) {
    QImage picture(30, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 4; x < 9; ++x)
        picture.setPixel(x, 3, qRgb(255, 0, 0));
    QWidget layer;
    layer.resize(picture.size());
    ApplyTransparentRegion(layer, picture, 16777215);
    EXPECT_EQ(layer.mask(), QRegion(4, 3, 5, 1));
    // The glyph mask the text effects dialog returns clips the same.
    QWidget fromMask;
    fromMask.resize(picture.size());
    ApplyGlyphMask(fromMask, glyphMask(picture, 16777215));
    EXPECT_EQ(fromMask.mask(), layer.mask());
}

TEST(WindowRegionTest, AnAllWhitePictureLeavesNothingOfTheWindowVisible) {
    QImage picture(30, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QWidget layer;
    layer.resize(picture.size());
    ApplyTransparentRegion(layer, picture, 16777215);
    EXPECT_FALSE(layer.mask().isEmpty()) << "an empty mask would show the whole window";
    EXPECT_TRUE(layer.mask().intersected(layer.rect()).isEmpty());
}

} // namespace
