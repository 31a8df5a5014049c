#include "desktop/menu_column_breaks.h"

#include <gtest/gtest.h>

using namespace quiverel;

TEST(MenuColumns, TenFoldersMakeThreeColumnsOfThreeAndABreakAtNine) {
    const MenuColumns m = menuColumnsFor(10);
    EXPECT_EQ(m.columns, 3);
    EXPECT_EQ(m.rowsPerColumn, 3);
    EXPECT_EQ(menuColumnBreaks(10, 3), QList<int>({3, 6, 9}));
    EXPECT_EQ(menuCellOf(9, 3).column, 3);
    EXPECT_EQ(menuCellOf(9, 3).row, 0);
}

TEST(MenuColumns, ColumnCountIsClampedToOneToFour) {
    EXPECT_EQ(menuColumnsFor(1).columns, 1);
    EXPECT_EQ(menuColumnsFor(3).rowsPerColumn, 3);
    EXPECT_EQ(menuColumnsFor(0).rowsPerColumn, 1);
    const MenuColumns big = menuColumnsFor(40);
    EXPECT_EQ(big.columns, 4);
    EXPECT_EQ(big.rowsPerColumn, 10);
    EXPECT_TRUE(menuColumnBreaks(3, 3).isEmpty());
}

namespace {

struct GridCase {
    int count;
    int wantedRows;
    QSize room;
    MenuGrid expected;
};

class MenuGridOnScreen : public ::testing::TestWithParam<GridCase> {};

} // namespace

TEST_P(MenuGridOnScreen, FitsTheRoomOrScrollsSideways) {
    const GridCase& c = GetParam();
    // Entries of 90 x 21 pixels, a scroll bar of 15.
    const MenuGrid g = menuGridFor(c.count, c.wantedRows, QSize(90, 21), c.room, 15);
    EXPECT_EQ(g.rowsPerColumn, c.expected.rowsPerColumn);
    EXPECT_EQ(g.columns, c.expected.columns);
    EXPECT_EQ(g.scrolls, c.expected.scrolls);
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuGridOnScreen,
                         ::testing::Values(
                             // The columns asked for fit: kept, a shorter last column included.
                             GridCase{10, 3, {1000, 740}, {3, 4, false}},
                             // Too tall: as many rows as fit, more columns.
                             GridCase{200, 50, {1000, 740}, {35, 6, false}},
                             // Too wide then: the rows make room for the scroll bar.
                             GridCase{2000, 500, {1000, 740}, {34, 59, true}},
                             // A portrait screen.
                             GridCase{2000, 500, {580, 780}, {36, 56, true}},
                             // Room for less than one entry: still one row.
                             GridCase{5, 2, {50, 10}, {1, 5, true}},
                             GridCase{0, 1, {1000, 740}, {1, 1, false}}));
