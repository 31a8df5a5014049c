#include "viewer/viewer_caption.h"
#include "viewer/viewer_geometry.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct PlacementCase {
    const char* what;
    QSize picture, screen, border;
    bool fits;
    QRect frame;
    QSize client;
    QPoint picturePos;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.what;
}

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, WindowClientAndPicture) {
    const PlacementCase& c = GetParam();
    const ViewerPlacement p = placeViewer(c.picture, c.screen, c.border);
    EXPECT_EQ(p.fits, c.fits);
    EXPECT_EQ(p.frame, c.frame);
    EXPECT_EQ(p.client, c.client);
    EXPECT_EQ(p.picture, c.picturePos);
}

const QSize kScreen(1024, 768);

INSTANTIATE_TEST_SUITE_P(
    Viewer, Placement,
    ::testing::Values(PlacementCase{"small, no frame",
                                    {320, 256},
                                    kScreen,
                                    {0, 0},
                                    true,
                                    {352, 256, 320, 256},
                                    {320, 256},
                                    {0, 0}},
                      PlacementCase{"small, framed",
                                    {320, 256},
                                    kScreen,
                                    {8, 30},
                                    true,
                                    {348, 241, 328, 286},
                                    {320, 256},
                                    {0, 0}},
                      // As wide as the room left by the frame: not a fit, so the window is
                      // the screen's width and the picture sits centred in it.
                      PlacementCase{"as wide as the room",
                                    {1016, 300},
                                    kScreen,
                                    {8, 30},
                                    false,
                                    {0, 219, 1024, 330},
                                    {1016, 300},
                                    {0, 0}},
                      PlacementCase{"as wide as the screen",
                                    {1024, 300},
                                    kScreen,
                                    {0, 0},
                                    false,
                                    {0, 234, 1024, 300},
                                    {1024, 300},
                                    {0, 0}},
                      PlacementCase{"one less than the room",
                                    {1015, 300},
                                    kScreen,
                                    {8, 30},
                                    true,
                                    {0, 219, 1023, 330},
                                    {1015, 300},
                                    {0, 0}},
                      PlacementCase{"as high as the room",
                                    {400, 738},
                                    kScreen,
                                    {8, 30},
                                    false,
                                    {308, 0, 408, 768},
                                    {400, 738},
                                    {0, 0}},
                      PlacementCase{"larger than the screen",
                                    {2000, 1500},
                                    kScreen,
                                    {0, 0},
                                    false,
                                    {0, 0, 1024, 768},
                                    {1024, 768},
                                    {-488, -366}},
                      PlacementCase{"larger, framed",
                                    {2000, 1500},
                                    kScreen,
                                    {8, 30},
                                    false,
                                    {0, 0, 1024, 768},
                                    {1016, 738},
                                    {-492, -381}},
                      PlacementCase{"wide and low",
                                    {3000, 100},
                                    kScreen,
                                    {0, 0},
                                    false,
                                    {0, 334, 1024, 100},
                                    {1024, 100},
                                    {-988, 0}}));

struct CentringCase {
    QSize picture, client;
    QPoint at;
    bool panH, panV;
};

class Centre : public ::testing::TestWithParam<CentringCase> {};

TEST_P(Centre, OffsetAndPannedAxes) {
    const CentringCase& c = GetParam();
    const Centring r = CentrePicture(c.picture, c.client);
    EXPECT_EQ(r.picture, c.at);
    EXPECT_EQ(r.panHorizontal, c.panH);
    EXPECT_EQ(r.panVertical, c.panV);
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, Centre,
    ::testing::Values(CentringCase{{100, 80}, {312, 206}, {106, 63}, false, false},
                      CentringCase{{500, 300}, {312, 206}, {-94, -47}, true, true},
                      CentringCase{{500, 100}, {312, 206}, {-94, 53}, true, false},
                      CentringCase{{312, 206}, {312, 206}, {0, 0}, false, false},
                      CentringCase{{101, 81}, {312, 206}, {105, 62}, false, false}));

TEST(Centre, ABorderOfPicOuterCountsTowardsPanning) {
    const Centring r = CentrePicture({310, 200}, {312, 206}, {4, 4});
    EXPECT_TRUE(r.panHorizontal);
    EXPECT_FALSE(r.panVertical);
}

TEST(ViewerPan, OneSweepFromTheMiddleToAnEdgeShowsThatEdgeAndNoFurther) {
    // 2000 wide in a 1024 client, from the middle (-488) with the pointer at 512.
    int x = -488;
    int ref = 512;
    for (int pointer = 500; pointer >= 0; pointer -= 12) {
        x = panViewer(x, 2000, 1024, pointer, ref);
        ref = pointer;
        EXPECT_LE(x, 0);
    }
    x = panViewer(x, 2000, 1024, 0, ref);
    EXPECT_EQ(x, 0) << "the left edge is in view";
    EXPECT_EQ(panViewer(0, 2000, 1024, 0, 50), 0) << "never past the edge";
    // And across to the right edge.
    ref = 0;
    for (int pointer = 10; pointer <= 1023; pointer += 10) {
        x = panViewer(x, 2000, 1024, pointer, ref);
        ref = pointer;
        EXPECT_GE(x, 1024 - 2000);
    }
    x = panViewer(x, 2000, 1024, 1023, ref);
    EXPECT_EQ(x, 1024 - 2000);
}

TEST(ViewerPan, MovesAgainstThePointerByPictureOverClient) {
    EXPECT_EQ(panViewer(-500, 2048, 1024, 110, 100), -520);
    EXPECT_EQ(panViewer(-500, 2048, 1024, 90, 100), -480);
    EXPECT_EQ(panViewer(-500, 2048, 0, 90, 100), -500) << "no client, no move";
}

struct DivisorCase {
    QSize picture;
    int divisor;
};

class Divisor : public ::testing::TestWithParam<DivisorCase> {};

TEST_P(Divisor, LargerAxisRoundedHalvesToEvenAtLeastOne) {
    EXPECT_EQ(panDivisor(GetParam().picture), GetParam().divisor);
}

INSTANTIATE_TEST_SUITE_P(Zoom, Divisor,
                         ::testing::Values(DivisorCase{{1600, 1200}, 4}, DivisorCase{{640, 480}, 2},
                                           DivisorCase{{100, 100}, 1}, DivisorCase{{199, 199}, 1},
                                           DivisorCase{{200, 200}, 1},  // 0.5 rounds to 0
                                           DivisorCase{{600, 100}, 2},  // 1.5 rounds to 2
                                           DivisorCase{{1000, 100}, 2}, // 2.5 rounds to 2
                                           DivisorCase{{100, 1400}, 4}, // 3.5 rounds to 4
                                           DivisorCase{{0, 0}, 1}));

TEST(ZoomPan, MovesAgainstThePointerAndUpdatesTheReferenceByTheDivisor) {
    // 30 twips to the right at GUI scale 1: two pixels left.
    ZoomPan p = panZoom(-100, 630, 600, 1600, 312, 1.0, 4);
    EXPECT_EQ(p.position, -102);
    EXPECT_DOUBLE_EQ(p.reference, 630 + 30 / 4.0);
    // Never a gap at either edge.
    EXPECT_EQ(panZoom(-1, 0, 600, 1600, 312, 1.0, 4).position, 0);
    EXPECT_EQ(panZoom(-1280, 9000, 600, 1600, 312, 1.0, 4).position, 312 - 1600);
}

TEST(ZoomPan, ADivisorOfZeroIsTreatedAsOne) {
    const ZoomPan p = panZoom(-10, 150, 100, 150, 120, 1.0, 0);
    EXPECT_DOUBLE_EQ(p.reference, 150 + 50);
    EXPECT_EQ(p.position, -13);
}

struct AreaCase {
    QSize gif;
    double scale;
    QSize area;
};

class Area : public ::testing::TestWithParam<AreaCase> {};

TEST_P(Area, FiveHundredHighAtMostSixHundredSixtySixWide) {
    EXPECT_EQ(animationArea(GetParam().gif, GetParam().scale), GetParam().area);
}

INSTANTIATE_TEST_SUITE_P(
    Viewer, Area,
    ::testing::Values(AreaCase{{200, 200}, 1.0, {500, 500}}, AreaCase{{320, 256}, 1.0, {625, 500}},
                      AreaCase{{300, 200}, 1.0, {666, 444}}, AreaCase{{300, 200}, 2.0, {1332, 888}},
                      AreaCase{{100, 400}, 1.0, {125, 500}}, AreaCase{{0, 200}, 1.0, {0, 0}}));

TEST(Area, TheWindowIsCentredByItsClientArea) {
    EXPECT_EQ(animationFrame({666, 444}, {1024, 768}, {8, 30}), QRect(179, 162, 674, 474));
}

TEST(Captions, TitleLinesWordForWord) {
    TextTable t{};
    t[8] = QStringLiteral("pixels");
    t[9] = QStringLiteral("bytes");
    t[56] = QStringLiteral("Original");
    t[57] = QStringLiteral("Compressed");
    EXPECT_EQ(uncompressedCaption(t, QStringLiteral("a b.jpg"), 320, 256, QStringLiteral("12,345")),
              QStringLiteral("Original    a b.jpg   320 x 256 pixels   12,345 bytes"));
    EXPECT_EQ(compressedCaption(t, QStringLiteral("a.jpg"), 160, 128, 12000, 68),
              QStringLiteral("Compressed   a.jpg   160 x 128 pixels   12,000 bytes   68 seconds"));
    EXPECT_EQ(animatedCaption(t, QStringLiteral("x.gif"), 300, 200, QStringLiteral("1,234")),
              QStringLiteral("x.gif   300 x 200 pixels   1,234 bytes"));
}

} // namespace
