#include "catalogue/frm_splash.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace quiverel {
namespace {

struct SplashCase {
    QSize main;
    double guiScale;
    QRect place;
};

class SplashPlace : public ::testing::TestWithParam<SplashCase> {};

TEST_P(SplashPlace, SizedByTheGuiScaleAndPlacedByTheMainWindowsSize) {
    EXPECT_EQ(splashGeometry(GetParam().main, GetParam().guiScale), GetParam().place);
}

INSTANTIATE_TEST_SUITE_P(Windows, SplashPlace,
                         ::testing::Values(SplashCase{{1000, 700}, 1.0, {350, 290, 300, 120}},
                                           SplashCase{{1000, 700}, 1.5, {275, 260, 450, 180}},
                                           SplashCase{{801, 601}, 0.75, {288, 255, 225, 90}},
                                           // Smaller than the notice: it stays on the screen.
                                           SplashCase{{200, 100}, 1.0, {0, 0, 300, 120}}));

TEST(Splash, TheMessageIsInsideTheWindowWithTheFileUnderIt) {
    QWidget main;
    main.setGeometry(0, 0, 900, 600);
    main.show();
    frmSplash splash(&main, 1.5);
    splash.showProgress(QStringLiteral("Creating thumbnails..."), QStringLiteral("sky.jpg 3 "), 10,
                        3);
    EXPECT_EQ(splash.size(), QSize(450, 180));
    EXPECT_NE(splash.windowTitle(), QStringLiteral("Creating thumbnails..."));
    EXPECT_EQ(splash.Label1->text(), QStringLiteral("Creating thumbnails..."));
    EXPECT_EQ(splash.Label1->geometry(), QRect(30, 15, 390, 45)); // 20, 10, 260 x 30 units
    EXPECT_EQ(splash.lblDetail->text(), QStringLiteral("sky.jpg 3 "));
    EXPECT_EQ(splash.ProgressBar1->value(), 3);

    // Only the program's name as heading: the message itself is the heading.
    splash.showProgress(QStringLiteral("Quiverel"), QStringLiteral("Deleteing old thumbnails"), 1,
                        0);
    EXPECT_EQ(splash.Label1->text(), QStringLiteral("Deleteing old thumbnails"));
    EXPECT_TRUE(splash.lblDetail->text().isEmpty());
}

} // namespace
} // namespace quiverel
