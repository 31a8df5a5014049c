#include "app/main_layout.h"
#include "app/startup.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct ScaleCase {
    QSize screen;
    double expected; // at GUI size 670 ("Large")
};

class GuiScale : public ::testing::TestWithParam<ScaleCase> {};

} // namespace

// Every window size at every GUI size stays within the screen both ways,
// with the margin the height always had.
TEST_P(GuiScale, KeepsTheWindowWithinTheScreenBothWays) {
    const QSize screen = GetParam().screen;
    EXPECT_NEAR(guiScaleFor(screen, 670), GetParam().expected, 1e-9);
    for (int guiSize : {670, 770, 870}) {
        const double scale = guiScaleFor(screen, guiSize);
        for (int perPage : {12, 20, 30}) {
            const QSize units = mainLayoutFor(perPage).scale;
            EXPECT_LE(units.width() * scale, screen.width() * 0.9) << guiSize << " " << perPage;
            EXPECT_LE(units.height() * scale, screen.height() * 0.9) << guiSize << " " << perPage;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, GuiScale,
                         ::testing::Values(
                             // 4:3 and wider: screen height / GUI size, as always.
                             ScaleCase{{1024, 768}, 768.0 / 670},
                             ScaleCase{{1920, 1080}, 1080.0 / 670},
                             ScaleCase{{800, 600}, 600.0 / 670},
                             // Narrower: the width decides.
                             ScaleCase{{600, 800}, 600.0 * 3 / (4 * 670)},
                             ScaleCase{{768, 1024}, 768.0 * 3 / (4 * 670)},
                             ScaleCase{{1280, 1024}, 1280.0 * 3 / (4 * 670)}));

TEST(GuiScaleValue, ANonsenseGuiSizeGivesOne) {
    EXPECT_EQ(guiScaleFor(QSize(1024, 768), 0), 1.0);
}
