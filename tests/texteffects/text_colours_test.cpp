#include "texteffects/text_colours.h"
#include "texteffects/text_style.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct Blend {
    ColourCode c1, c2;
    int t, n;
    ColourCode expected;
};

class BlendColorTest : public ::testing::TestWithParam<Blend> {};

TEST_P(BlendColorTest, StepsFromTheFirstColourTowardsTheSecondRoundingHalvesToEven) {
    const Blend& b = GetParam();
    EXPECT_EQ(BlendColor(b.c1, b.c2, b.t, b.n), b.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, BlendColorTest,
    ::testing::Values(Blend{32768, 49152, 0, 5, 32768},                // t = 0: the first colour
                      Blend{32768, 49152, 5, 5, 49152},                // t = n: the second
                      Blend{0, 255, 1, 2, 128},                        // red 127.5 -> 128
                      Blend{0, 253, 1, 2, 126},                        // red 126.5 -> 126
                      Blend{10 * 65536, 13 * 65536, 1, 2, 12 * 65536}, // blue 11.5 -> 12
                      Blend{0, 3 * 256, 1, 2, 2 * 256},                // green 1.5 -> 2
                      Blend{0, 5 * 256, 1, 2, 2 * 256},                // green 2.5 -> 2
                      Blend{16777215, 0, 1, 3, 170 + 256 * 170 + 65536 * 170},
                      Blend{255, 65280, 1, 4, 191 + 256 * 64}));

struct Component {
    ColourCode colour;
    int which;
    int expected;
};

class ColorComponentTest : public ::testing::TestWithParam<Component> {};

TEST_P(ColorComponentTest, ReadsRedBlueGreenByOneTwoThree) {
    EXPECT_EQ(ColorComponent(GetParam().colour, GetParam().which), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Colours, ColorComponentTest,
                         ::testing::Values(Component{0x123456, 1, 0x56},
                                           Component{0x123456, 2, 0x12},
                                           Component{0x123456, 3, 0x34}, Component{0x123456, 0, 0},
                                           Component{0x123456, 4, 0}, Component{255, 1, 255},
                                           Component{255, 2, 0}, Component{255, 3, 0},
                                           Component{0xff0000, 2, 255}, Component{0xff00, 3, 255}));

struct Range {
    TextStyle style;
    double points;
    std::optional<SliderRange> range;
    std::vector<int> widths; // w at slider values range.minimum.. (outline styles)
};

class SliderRangeTest : public ::testing::TestWithParam<Range> {};

TEST_P(SliderRangeTest, EachStyleSetsItsRangeAndOutlineWidth) {
    const Range& r = GetParam();
    EXPECT_EQ(styleSliderRange(r.style, r.points), r.range);
    if (!r.range) return;
    for (size_t i = 0; i < r.widths.size(); ++i) {
        const int value = r.range->minimum + int(i);
        EXPECT_EQ(outlineWidth(r.style, r.points, r.range->maximum, value), r.widths[i])
            << "value " << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, SliderRangeTest,
    ::testing::Values(
        Range{TextStyle::Plain, 48, std::nullopt, {}},
        Range{TextStyle::ThreeD, 48, std::nullopt, {}},
        Range{TextStyle::Shadow, 48, std::nullopt, {}},
        Range{TextStyle::Outline, 48, SliderRange{0, 5}, {1, 2, 3, 4, 5, 6}},
        Range{TextStyle::Outline, 72, SliderRange{0, 8}, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        Range{TextStyle::Outline, 8, SliderRange{0, 0}, {1}},
        // 16 points: maximum 2 and w = 1 - (2 - value - 1) = value.
        Range{TextStyle::GradientOutline, 16, SliderRange{0, 2}, {0, 1, 2}},
        Range{TextStyle::GradientOutline, 72, SliderRange{0, 9}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        // 144 / 8 outgrows 144 / 9 by two: w stays at 0 rather than -1.
        Range{TextStyle::GradientOutline, 144, SliderRange{0, 18}, {0, 0, 1}},
        Range{TextStyle::Hollow, 48, SliderRange{1, 9}, {0}},
        Range{TextStyle::Hollow, 4, SliderRange{1, 1}, {0}},
        // The point size rounds halves to even before dividing.
        Range{TextStyle::Outline, 17.5, SliderRange{0, 2}, {1, 2, 3}},
        Range{TextStyle::Outline, 26.5, SliderRange{0, 2}, {1, 2, 3}}));

TEST(StyleControlsTest, EachStyleShowsItsGroups) {
    EXPECT_EQ(styleControls(TextStyle::Plain), (StyleControls{false, false, true, false, false}));
    EXPECT_EQ(styleControls(TextStyle::ThreeD), (StyleControls{true, true, false, false, false}));
    EXPECT_EQ(styleControls(TextStyle::Shadow), (StyleControls{true, false, true, true, false}));
    EXPECT_EQ(styleControls(TextStyle::Outline), (StyleControls{true, false, true, true, false}));
    EXPECT_EQ(styleControls(TextStyle::Gradient), (StyleControls{false, false, true, true, true}));
    EXPECT_EQ(styleControls(TextStyle::GradientShadow),
              (StyleControls{true, false, true, true, true}));
    EXPECT_EQ(styleControls(TextStyle::GradientOutline),
              (StyleControls{true, false, true, true, true}));
    EXPECT_EQ(styleControls(TextStyle::Hollow), (StyleControls{true, false, true, false, false}));
}

TEST(DirectionTest, OptionIndexesGiveTheirStepsAndBack) {
    EXPECT_EQ(directionStep(0), QPoint(1, 1));
    EXPECT_EQ(directionStep(1), QPoint(-1, 1));
    EXPECT_EQ(directionStep(2), QPoint(1, -1));
    EXPECT_EQ(directionStep(3), QPoint(-1, -1));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(directionIndex(directionStep(i)), i);
    EXPECT_EQ(directionIndex(QPoint(0, 0)), 0) << "an unset direction reads as Top Left";
}

} // namespace
