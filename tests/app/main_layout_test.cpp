#include "app/main_layout.h"

#include <gtest/gtest.h>

using namespace quiverel;

TEST(MainLayout, TableRowsForEachPageSize) {
    const MainLayout l12 = mainLayoutFor(12);
    EXPECT_EQ(l12.windowTwips, QSize(8025, 6075));
    EXPECT_EQ(l12.rows * 10 + l12.columns, 34);
    EXPECT_EQ(l12.lblSize, QRect(400, 3, 120, 24));
    const MainLayout l20 = mainLayoutFor(20);
    EXPECT_EQ(l20.pic2, QRect(0, 60, 666, 443));
    EXPECT_EQ(l20.pic2Scale, QSize(666, 414));
    EXPECT_EQ(ckNextRect(l20), QRect(620, 31, 43, 26));
    EXPECT_EQ(ckBackRect(l20), QRect(577, 31, 43, 26));
    EXPECT_EQ(tabsRect(l20).width(), 572);
    const MainLayout l30 = mainLayoutFor(30);
    EXPECT_FALSE(l30.atSavedPosition);
    EXPECT_EQ(l30.lblInfo, QRect(190, 5, 450, 20));
    // Other page sizes take the smallest grid that holds them.
    EXPECT_EQ(mainLayoutFor(15).columns, 5);
    EXPECT_EQ(mainLayoutFor(25).columns, 6);
    EXPECT_EQ(twipsToPixels(9990, 768.0 / 770.0), 664);
}
