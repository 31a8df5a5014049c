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
