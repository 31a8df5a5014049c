#include "texteffects/colour_palette.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct Cell {
    const char* what;
    QPoint unit; // a point in the palette's 480 x 256 units
    QRgb expected;
};

class PaletteTest : public ::testing::TestWithParam<Cell> {};

TEST_P(PaletteTest, ShowsItsColourAtAPointOfTheScale) {
    // One pixel a unit, and a stretched palette as a picker shows it.
    for (const QSize size : {QSize(480, 256), QSize(359, 195)}) {
        const QImage img = drawPalette(size);
        const QPoint px(int(GetParam().unit.x() * size.width() / 480.0),
                        int(GetParam().unit.y() * size.height() / 256.0));
        EXPECT_EQ(img.pixel(px) & 0xffffff, GetParam().expected & 0xffffff)
            << size.width() << " wide";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Palette, PaletteTest,
    ::testing::Values(Cell{"FirstRed", {16, 16}, qRgb(32, 0, 0)},
                      Cell{"LastRedCountsAsFull", {240, 16}, qRgb(255, 0, 0)},
                      Cell{"PaleRed", {272, 16}, qRgb(255, 32, 32)},
                      // Row 1 starts at 1 and halves round to even: 33 / 2 = 16.
                      Cell{"Orange", {50, 48}, qRgb(33, 16, 0)},
                      Cell{"PaleOrange", {272, 48}, qRgb(255, 144, 32)},
                      Cell{"Yellow", {112, 80}, qRgb(128, 128, 0)},
                      Cell{"Green", {16, 112}, qRgb(0, 32, 0)},
                      Cell{"PaleGreen", {464, 112}, qRgb(224, 255, 224)},
                      Cell{"Blue", {240, 144}, qRgb(0, 0, 255)},
                      Cell{"Purple", {80, 176}, qRgb(96, 0, 96)},
                      Cell{"PalePurple", {400, 176}, qRgb(255, 160, 255)},
                      Cell{"DarkGrey", {16, 208}, qRgb(16, 16, 16)},
                      Cell{"LightGrey", {464, 208}, qRgb(240, 240, 240)},
                      Cell{"Black", {100, 240}, qRgb(0, 0, 0)},
                      Cell{"NearWhite", {400, 240}, qRgb(254, 255, 255)},
                      Cell{"VerticalGridLine", {32, 16}, qRgb(170, 170, 170)},
                      Cell{"HorizontalGridLine", {100, 64}, qRgb(170, 170, 170)},
                      Cell{"MiddleLine", {256, 240}, qRgb(170, 170, 170)}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(PickerDestinationTest, EachPickerKnowsItsTargets) {
    using D = ColourDestination;
    const D text[] = {D::None,      D::FontColour, D::SecondColour, D::FaceColour3d,
                      D::Colour3d1, D::Colour3d2,  D::None};
    const D qsl[] = {D::None, D::QslColour1, D::QslColour2, D::QslColour3,
                     D::None, D::None,       D::None};
    for (int target = 0; target <= 6; ++target) {
        EXPECT_EQ(colourDestination(ColourPicker::TextEffects, target), text[target]) << target;
        EXPECT_EQ(colourDestination(ColourPicker::Qsl, target), qsl[target]) << target;
    }
}

} // namespace
