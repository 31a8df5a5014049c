#include "composer/colour_split.h"
#include "composer/frame_drawing.h"
#include "composer/frame_preview.h"
#include "texteffects/text_colours.h"

#include <gtest/gtest.h>

namespace quiverel {
namespace {

struct SplitCase {
    ColourCode code;
    int red, green, blue;
};

class ColourSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ColourSplit, GivesRedGreenBlue) {
    int r = -1, g = -1, b = -1;
    EXPECT_TRUE(ColorCodeToRGB(GetParam().code, r, g, b));
    EXPECT_EQ(r, GetParam().red);
    EXPECT_EQ(g, GetParam().green);
    EXPECT_EQ(b, GetParam().blue);
}

INSTANTIATE_TEST_SUITE_P(Codes, ColourSplit,
                         ::testing::Values(SplitCase{2596568, 216, 158, 39},
                                           SplitCase{16777215, 255, 255, 255},
                                           SplitCase{0, 0, 0, 0}, SplitCase{65280, 0, 255, 0},
                                           // The sign of the code stays on every part.
                                           SplitCase{-1, -1, 0, 0}));

FrameSettings frameOf(int width, bool solid, ColourCode colour = 2596568) {
    FrameSettings f;
    f.width = width;
    f.solid = solid;
    f.colour = colour;
    return f;
}

TEST(FramePreview, GradientOfWidthTenIsElevenRectanglesHalfShaded) {
    FrameSettings f = frameOf(10, false);
    const FramePreview p = framePreview({530, 398}, f);
    EXPECT_EQ(f.state, 5);
    for (const auto& edge : p)
        ASSERT_EQ(edge.size(), 11);
    // Nested one unit apart.
    EXPECT_EQ(p[Top][3].line, QLineF(3, 3, 527, 3));
    EXPECT_EQ(p[Bottom][3].line, QLineF(3, 394, 527, 394));
    EXPECT_EQ(p[Left][3].line, QLineF(3, 3, 3, 395));
    EXPECT_EQ(p[Right][3].line, QLineF(526, 3, 526, 395));

    EXPECT_EQ(p[Top][0].colour, colourCode(255, 255, 78)); // 2 x 216 and 2 x 158 held at 255
    EXPECT_EQ(p[Bottom][0].colour, colourCode(108, 79, 19));
    for (int i = 1; i <= 4; ++i)
        for (const auto& edge : p)
            EXPECT_EQ(edge[i].colour, 2596568) << i;
    // Top and left run from the colour / 1.5 half-way towards / 5.
    EXPECT_EQ(p[Top][5].colour, colourCode(144, 105, 26));
    EXPECT_EQ(p[Left][10].colour, colourCode(94, 68, 17));
    // Bottom and right from / 1.2 towards / 2.
    EXPECT_EQ(codeRed(p[Right][5].colour), 180);
    EXPECT_EQ(codeGreen(p[Right][5].colour), 132);
    EXPECT_EQ(codeRed(p[Right][10].colour), 144);
}

TEST(FramePreview, SolidIsOneColourAndLeavesTheState) {
    FrameSettings f = frameOf(6, true, 255);
    f.state = 1;
    const FramePreview p = framePreview({200, 100}, f);
    EXPECT_EQ(f.state, 1);
    for (const auto& edge : p) {
        ASSERT_EQ(edge.size(), 7);
        for (const PreviewLine& l : edge)
            EXPECT_EQ(l.colour, 255);
    }
}

TEST(FramePreview, WidthOneShowsNoFrame) {
    FrameSettings f = frameOf(1, false);
    for (const auto& edge : framePreview({530, 398}, f))
        EXPECT_TRUE(edge.isEmpty());
}

QImage grey(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(128, 128, 128));
    return img;
}

int bandThickness(const QImage& img, int x) {
    int y = 0;
    while (y < img.height() && img.pixel(x, y) != qRgb(128, 128, 128))
        ++y;
    return y;
}

TEST(FrameFullSize, BandFollowsTheCompositeScale) {
    // 1060 pixels from a canvas of 530 units (and its border).
    QImage img = grey(1060, 796);
    DrawFrameFullSize(img, frameOf(10, false), 1060.0 / 534);
    const int top = bandThickness(img, 530);
    EXPECT_GE(top, 19);
    EXPECT_LE(top, 21);
    EXPECT_EQ(img.pixel(530, 0), qRgb(255, 255, 78));   // light outer line
    EXPECT_EQ(img.pixel(530, 5), qRgb(216, 158, 39));   // the frame colour outside
    EXPECT_EQ(img.pixel(1059, 400), qRgb(108, 79, 19)); // dark outer line
    EXPECT_EQ(img.pixel(530, 795), qRgb(108, 79, 19));
    EXPECT_EQ(img.pixel(530, 11), qRgb(144, 105, 26));   // the shade starts at / 1.5
    EXPECT_EQ(img.pixel(530, 530), qRgb(128, 128, 128)); // the picture inside
}

TEST(FrameFullSize, LightComponentAboveHalfGivesFull) {
    QImage img = grey(100, 100);
    DrawFrameFullSize(img, frameOf(4, false, colourCode(200, 100, 10)), 1.0);
    EXPECT_EQ(img.pixel(50, 0), qRgb(255, 200, 20));
    EXPECT_EQ(img.pixel(0, 50), qRgb(255, 200, 20));
}

TEST(FrameFullSize, ShadeDarkensInwardsAndSmallBlueStepsAreLost) {
    // Blue 2 / 1.5 rounds to 1; steps of about -0.07 leave it at 1. Half of
    // 25 is 12.5: the shade begins right after the twelfth line, no gap.
    QImage img = grey(400, 400);
    DrawFrameFullSize(img, frameOf(25, false, colourCode(240, 120, 2)), 1.0);
    const int inner = 25, first = 13;
    EXPECT_EQ(qRed(img.pixel(200, first)), 160);
    EXPECT_LT(qRed(img.pixel(200, inner)), qRed(img.pixel(200, first)));
    EXPECT_LT(qGreen(img.pixel(200, inner)), qGreen(img.pixel(200, first)));
    EXPECT_EQ(qBlue(img.pixel(200, inner)), 1);
    EXPECT_EQ(img.pixel(200, inner + 1), qRgb(128, 128, 128));
}

TEST(FrameFullSize, SolidFillsFourBands) {
    QImage img = grey(300, 200);
    DrawFrameFullSize(img, frameOf(5, true, 255), 2.0);
    EXPECT_EQ(img.pixel(150, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(150, 9), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(150, 10), qRgb(128, 128, 128));
    EXPECT_EQ(img.pixel(290, 100), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(289, 100), qRgb(128, 128, 128));
    EXPECT_EQ(img.pixel(150, 199), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(5, 100), qRgb(255, 0, 0));
}

TEST(FrameFullSize, WidthOneDrawsNothing) {
    QImage img = grey(50, 50);
    DrawFrameFullSize(img, frameOf(1, true, 255), 3.0);
    EXPECT_EQ(img, grey(50, 50));
}

} // namespace
} // namespace quiverel
