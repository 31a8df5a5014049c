// The numbers and texts behind the size sliders.

#include "composer/size_settings.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct SliderCase {
    qint64 setting;
    int slider;
};

class SizeSliderValue : public ::testing::TestWithParam<SliderCase> {};

TEST_P(SizeSliderValue, ThousandsHalvesToEvenWithinRange) {
    const SliderCase c = GetParam();
    EXPECT_EQ(sizeSliderValue(c.setting), c.slider) << c.setting;
    EXPECT_EQ(targetBytesFromSlider(sizeSliderValue(c.setting)), c.slider * 1000);
}

INSTANTIATE_TEST_SUITE_P(Table, SizeSliderValue,
                         ::testing::Values(SliderCase{15000, 15}, SliderCase{12500, 12},
                                           SliderCase{13500, 14}, SliderCase{12501, 13},
                                           SliderCase{12499, 12}, SliderCase{1000, 1},
                                           SliderCase{120000, 120}, SliderCase{0, 1},
                                           SliderCase{-5000, 1}, SliderCase{499, 1},
                                           SliderCase{120499, 120}, SliderCase{9000000000, 120}));

struct SizeCase {
    int slider;
    const char* sizeLabel;
    const char* timeLabel;
};

class SizeLabels : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeLabels, SizeAndTransmitTime) {
    const SizeCase c = GetParam();
    const int bytes = targetBytesFromSlider(c.slider);
    EXPECT_EQ(sizeLabelText(bytes, QStringLiteral("bytes")), QString::fromUtf8(c.sizeLabel));
    EXPECT_EQ(txTimeLabelText(bytes), QString::fromUtf8(c.timeLabel));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SizeLabels,
    ::testing::Values(SizeCase{15, "15,000 bytes", "Tx time = approx. 80 seconds"},
                      SizeCase{1, "1,000 bytes", "Tx time = approx. 24 seconds"},
                      SizeCase{120, "120,000 bytes", "Tx time = approx. 500 seconds"}));

TEST(SizeLabels, LargeSizesGroupEveryThreeDigits) {
    EXPECT_EQ(sizeLabelText(1234567, QStringLiteral("bytes")), QStringLiteral("1,234,567 bytes"));
    EXPECT_EQ(sizeLabelText(999, QStringLiteral("bytes")), QStringLiteral("999 bytes"));
}

struct ResizeCase {
    int slider;
    const char* label;
    const char* setting;
    int width, height;
    bool enabled;
};

class ResizeSlider : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeSlider, LabelSettingAndHandOffSize) {
    const ResizeCase c = GetParam();
    EXPECT_EQ(resizeLabelText(c.slider, QStringLiteral("pixels")), QString::fromUtf8(c.label));
    Settings s;
    s.resizeSetting = QStringLiteral("1200x900");
    applyResizeSlider(s, c.slider);
    EXPECT_EQ(s.resizeIndex, c.slider);
    EXPECT_EQ(s.resizeSetting, QString::fromUtf8(c.setting));
    EXPECT_EQ(s.resizeEnabled, c.enabled);
    if (c.enabled) {
        EXPECT_EQ(s.resizeWidth, c.width);
        EXPECT_EQ(s.resizeHeight, c.height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResizeSlider,
    ::testing::Values(ResizeCase{1, "320x256 pixels", "320x256", 320, 256, true},
                      ResizeCase{3, "640x480 pixels", "640x480", 640, 480, true},
                      ResizeCase{4, "768x548 pixels", "768x548", 768, 548, true},
                      ResizeCase{9, "1600x1200 pixels", "1600x1200", 1600, 1200, true},
                      ResizeCase{10, "No Resize", "No Resize", 0, 0, false}));

TEST(ResizeSlider, SettingSurvivesAWordForPixelsThatHoldsBlanksOrIsMissing) {
    for (const QString& word : {QString(), QStringLiteral("Resize"), QStringLiteral("x")}) {
        Settings s;
        applyResizeSlider(s, 10);
        EXPECT_EQ(s.resizeSetting, QStringLiteral("No Resize"));
        EXPECT_EQ(resizeLabelText(10, word), QStringLiteral("No Resize"));
        applyResizeSlider(s, 2);
        EXPECT_EQ(s.resizeSetting, QStringLiteral("400x300"));
    }
}

TEST(ResizeLabel, ForAStoredSetting) {
    const QString px = QStringLiteral("pixels");
    EXPECT_EQ(resizeLabelForSetting(QStringLiteral("640x480"), px),
              QStringLiteral("640x480 pixels"));
    EXPECT_EQ(resizeLabelForSetting(QStringLiteral("700x500"), px),
              QStringLiteral("700x500 pixels"));
    EXPECT_EQ(resizeLabelForSetting(QStringLiteral("No Resize"), px), QStringLiteral("No Resize"));
    EXPECT_EQ(resizeLabelForSetting(QString(), px), QString());
}

} // namespace
