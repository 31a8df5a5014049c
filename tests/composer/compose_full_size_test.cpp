#include "composer/compose_full_size.h"
#include "composer/composer_geometry.h"
#include "texteffects/text_colours.h"

#include <gtest/gtest.h>

namespace quiverel {
namespace {

QImage gradientPicture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return img;
}

QImage filled(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

Composition compositionOf(const QImage& base) {
    Composition c;
    c.base = base;
    c.canvas = fitCanvas(base.size()).size();
    return c;
}

TEST(ComposeFullSize, WithoutLayersItIsThePicture) {
    const QImage base = gradientPicture(640, 480);
    EXPECT_EQ(ComposeFullSize(compositionOf(base)), base);
}

TEST(ComposeFullSize, LayerLandsWhereTheCanvasShowsIt) {
    // 640 pixels shown 530 units wide: a canvas unit is 640 / 534 pixels.
    Composition c = compositionOf(filled(640, 320, qRgb(0, 0, 0)));
    ASSERT_DOUBLE_EQ(c.canvas.width(), 530);
    c.mug = CompositeLayer{filled(112, 84, qRgb(255, 0, 0)), QRectF(10, 20, 56, 42)};
    const QImage out = ComposeFullSize(c);
    const double s = 640.0 / 534;
    const int left = int(std::ceil(10 * s)), top = int(std::ceil(20 * (320.0 / (265 + 4))));
    EXPECT_EQ(out.pixel(left, top + 2), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(left - 2, top + 2), qRgb(0, 0, 0));
    EXPECT_EQ(out.pixel(int(66 * s) - 2, top + 2), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(int(66 * s) + 2, top + 2), qRgb(0, 0, 0));
    EXPECT_EQ(out.size(), QSize(640, 320));
}

TEST(ComposeFullSize, FixedOrderWhateverTheCanvasOrder) {
    // Mug shot under picture under text under frame.
    Composition c = compositionOf(filled(534, 400, qRgb(0, 0, 0)));
    c.mug = CompositeLayer{filled(10, 10, qRgb(255, 0, 0)), QRectF(0, 0, 100, 100)};
    c.picture = CompositeLayer{filled(10, 10, qRgb(0, 255, 0)), QRectF(50, 50, 100, 100)};
    c.frame.width = 5;
    c.frame.solid = true;
    c.frame.colour = colourCode(0, 0, 255);
    const QImage out = ComposeFullSize(c);
    EXPECT_EQ(out.pixel(30, 30), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(70, 70), qRgb(0, 255, 0));
    EXPECT_EQ(out.pixel(2, 30), qRgb(0, 0, 255));
}

TEST(ComposeFullSize, TextIsDrawnLargerOnALargerPicture) {
    auto textPixels = [](int width) {
        Composition c = compositionOf(filled(width, width * 3 / 4, qRgb(255, 255, 255)));
        CompositeText t;
        t.settings.effectText = QStringLiteral("HH");
        t.settings.style = 0;
        t.settings.fontColour = colourCode(0, 0, 0);
        t.font = QFont(QStringLiteral("Liberation Sans"));
        t.font.setPointSizeF(20);
        t.topLeft = QPointF(100, 100);
        c.text = t;
        const QImage out = ComposeFullSize(c);
        int dark = 0, left = out.width();
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x)
                if (qRed(out.pixel(x, y)) < 128) {
                    ++dark;
                    left = std::min(left, x);
                }
        return std::pair(dark, double(left) / width);
    };
    const auto [small, smallLeft] = textPixels(531);
    const auto [large, largeLeft] = textPixels(1593);
    EXPECT_GT(small, 0);
    // Three times the width: about nine times the ink; the same place.
    EXPECT_GT(large, 6 * small);
    EXPECT_NEAR(smallLeft, largeLeft, 0.01);
    EXPECT_NEAR(smallLeft, 100.0 / 534, 0.02);
}

TEST(ComposeFullSize, GradientFrameOfTwoReachesTheComposite) {
    Composition c = compositionOf(filled(534, 400, qRgb(0, 0, 0)));
    c.frame.width = 2;
    c.frame.state = 1; // as a gradient preview of width 2 leaves it
    const QImage out = ComposeFullSize(c);
    EXPECT_NE(out.pixel(200, 0), qRgb(0, 0, 0));
    EXPECT_NE(out.pixel(200, 1), qRgb(0, 0, 0));
}

TEST(ComposeFullSize, UnreadableBaseGivesNothing) {
    EXPECT_TRUE(ComposeFullSize(Composition{}).isNull());
}

} // namespace
} // namespace quiverel
