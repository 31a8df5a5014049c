#include "composer/composer_geometry.h"

#include <gtest/gtest.h>

namespace quiverel {
namespace {

struct CanvasCase {
    QSize picture;
    QRectF canvas;
};

class CanvasFit : public ::testing::TestWithParam<CanvasCase> {};

TEST_P(CanvasFit, FitsTheBoxAroundItsCentre) {
    const CanvasCase& c = GetParam();
    const QRectF r = fitCanvas(c.picture);
    EXPECT_NEAR(r.left(), c.canvas.left(), 1e-9);
    EXPECT_NEAR(r.top(), c.canvas.top(), 1e-9);
    EXPECT_NEAR(r.width(), c.canvas.width(), 1e-9);
    EXPECT_NEAR(r.height(), c.canvas.height(), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Pictures, CanvasFit,
                         ::testing::Values(
                             // Ratio 0.8: by height.
                             CanvasCase{{320, 256}, {285 - 497.5 / 2, 16, 497.5, 398}},
                             // Ratio 0.5: by width.
                             CanvasCase{{800, 400}, {20, 215 - 132.5, 530, 265}},
                             // Exactly 4:3 goes by height, though width would fit too.
                             CanvasCase{{640, 480},
                                        {285 - 530.6666666666666 / 2, 16, 530.6666666666666, 398}},
                             // Taller than wide.
                             CanvasCase{{300, 600}, {285 - 99.5, 16, 199, 398}}));

TEST(CanvasFit, NoCanvasForAPictureWithoutSize) {
    EXPECT_TRUE(fitCanvas({0, 480}).isEmpty());
    EXPECT_TRUE(fitCanvas({640, 0}).isEmpty());
}

struct LayerCase {
    QSize picture;
    QSizeF layer;
};

class LayerFit : public ::testing::TestWithParam<LayerCase> {};

TEST_P(LayerFit, FitsTheThumbnailBox) {
    const QSizeF s = fitLayer(GetParam().picture);
    EXPECT_NEAR(s.width(), GetParam().layer.width(), 1e-9);
    EXPECT_NEAR(s.height(), GetParam().layer.height(), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Pictures, LayerFit,
                         ::testing::Values(LayerCase{{640, 480}, {112, 84}},
                                           LayerCase{{480, 640}, {63, 84}},
                                           LayerCase{{1000, 100}, {112, 11.2}},
                                           LayerCase{{20, 10}, {112, 56}}));

struct ResizeCase {
    QPointF pointer;
    double ratio;
    std::optional<QSizeF> size;
};

class LayerResize : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(LayerResize, KeepsTheRatioInsideThePointersRectangle) {
    const ResizeCase& c = GetParam();
    const auto s = resizeLayer(c.pointer, c.ratio);
    ASSERT_EQ(s.has_value(), c.size.has_value());
    if (!s) return;
    EXPECT_NEAR(s->width(), c.size->width(), 1e-9);
    EXPECT_NEAR(s->height(), c.size->height(), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Pointers, LayerResize,
                         ::testing::Values(
                             // Wider than the ratio: the height decides.
                             ResizeCase{{200, 75}, 0.75, QSizeF{100, 75}},
                             // Taller: the width decides.
                             ResizeCase{{100, 300}, 0.75, QSizeF{100, 75}},
                             // Left of or above the layer: nothing changes.
                             ResizeCase{{-1, 50}, 0.75, std::nullopt},
                             ResizeCase{{50, -0.5}, 0.75, std::nullopt},
                             // Shrunk onto its corner the layer stays big enough to grab again.
                             ResizeCase{{0, 0}, 0.75, QSizeF{4 / 0.75, 4}},
                             ResizeCase{{0, 40}, 0.5, QSizeF{8, 4}}));

struct TextPlaceCase {
    QSizeF canvas;
    QSizeF text;
    QPointF layer; // canvas units
    QRectF hint;   // composer units
};

class TextLayerPlace : public ::testing::TestWithParam<TextPlaceCase> {};

TEST_P(TextLayerPlace, LeftEdgeHundredDownWithTheNoteJustAbove) {
    const TextPlaceCase& c = GetParam();
    const QPointF at = textLayerPlace(c.canvas, c.text);
    EXPECT_EQ(at, c.layer);
    EXPECT_EQ(textHintPlace(at.y()), c.hint);
}

INSTANTIATE_TEST_SUITE_P(
    Canvases, TextLayerPlace,
    ::testing::Values(TextPlaceCase{{530, 398}, {120, 40}, {0, 100}, {10, 55, 330, 45}},
                      // A tall text still starts at 100; it can be dragged up.
                      TextPlaceCase{{497.5, 398}, {300, 350}, {0, 100}, {10, 55, 330, 45}},
                      // A panorama's canvas is lower than 100: the text sits on it.
                      TextPlaceCase{{530, 66}, {120, 40}, {0, 26}, {10, 0, 330, 45}},
                      TextPlaceCase{{530, 66}, {120, 90}, {0, 0}, {10, 0, 330, 45}}));

} // namespace
} // namespace quiverel
