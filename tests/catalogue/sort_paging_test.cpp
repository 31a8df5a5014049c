#include "catalogue/grid_geometry.h"
#include "catalogue/paging.h"
#include "catalogue/sort_orders.h"
#include "util/file_times.h"

#include <gtest/gtest.h>

using namespace quiverel;

TEST(SortOrders, ByDateNewestFirstAndByNameIgnoringCase) {
    QList<CatalogueRow> rows = {{"2024-05-17 10:00:00", "old.jpg"},
                                {"2024-05-17 12:00:00", "new.jpg"},
                                {"2024-05-17 11:00:00", "Sun.jpg"},
                                {"2024-05-17 11:00:00", "sun.bmp"}};
    SortByDate(rows);
    EXPECT_EQ(rows[0].fileName, QStringLiteral("new.jpg"));
    EXPECT_EQ(rows[3].fileName, QStringLiteral("old.jpg"));
    SortByName(rows);
    EXPECT_EQ(rows[0].fileName, QStringLiteral("new.jpg"));
    EXPECT_EQ(rows[1].fileName, QStringLiteral("old.jpg"));
    EXPECT_EQ(rows[2].fileName.toUpper().left(3), QStringLiteral("SUN"));
    QList<CatalogueRow> one = {{"", ""}};
    SortByName(one);
    SortByDate(one);
    EXPECT_EQ(one.size(), 1);
}

TEST(SortOrders, DateTextParsesBackToTheSameSecond) {
    const QDateTime t(QDate(2024, 2, 29), QTime(23, 59, 58));
    EXPECT_EQ(parseDateTimeText(dateTimeText(t)), t);
    EXPECT_FALSE(parseDateTimeText(QStringLiteral("29.02.2024")).isValid());
}

TEST(Paging, WrapsAtTheEndsAndTellsJumps) {
    EXPECT_EQ(nextPage(3, 3), 1);
    EXPECT_EQ(previousPage(1, 3), 3);
    EXPECT_EQ(tabMoveOf(3, 1, 3), TabMove::Forward);
    EXPECT_EQ(tabMoveOf(1, 3, 3), TabMove::Back);
    EXPECT_EQ(tabMoveOf(1, 5, 8), TabMove::Jump);
    EXPECT_EQ(tabMoveOf(1, 2, 2), TabMove::Forward); // two pages: forward wins
}

TEST(Paging, RowsToLoadAndRowsToKeep) {
    // 50 rows, 20 a page: 3 pages.
    RowRange next = nextPageRows(1, 20, 49);
    EXPECT_EQ(next.first, 20);
    EXPECT_EQ(next.last, 40);
    next = nextPageRows(3, 20, 49);
    EXPECT_EQ(next.first, 0);
    RowRange prev = previousPageRows(1, 20, 3, 49);
    EXPECT_EQ(prev.first, 40);
    EXPECT_EQ(prev.last, 49);
    const QList<bool> keep = keepMarks(1, 20, 50);
    EXPECT_TRUE(keep[0] && keep[40] && keep[29] && keep[49]);
    // Page 4 of 10: pages 3 to 5 and page 1 stay.
    const QList<bool> keep4 = keepMarks(4, 20, 200);
    EXPECT_TRUE(keep4[0] && keep4[20] && keep4[40] && keep4[100]);
    EXPECT_FALSE(keep4[30] || keep4[101] || keep4[199]);
}

TEST(GridGeometry, ThumbnailsFitTheBoxAroundTheCellCentre) {
    EXPECT_EQ(cellFrame(0, 5), QRect(5, 3, 130, 100));
    EXPECT_EQ(cellFrame(6, 5), QRect(137, 105, 130, 100));
    EXPECT_EQ(cellCentre(6, 5), QPoint(202, 155));
    EXPECT_EQ(fittedThumbnail({400, 300}, 0, 5).size(), QSizeF(120, 90));
    EXPECT_EQ(fittedThumbnail({300, 400}, 0, 5).size(), QSizeF(67.5, 90));
    EXPECT_EQ(fittedThumbnail({800, 200}, 0, 5).size(), QSizeF(120, 30));
    EXPECT_EQ(fittedThumbnail({800, 200}, 0, 5).center(), QPointF(70, 53));
    EXPECT_TRUE(fittedThumbnail({0, 10}, 0, 5).isNull());
    EXPECT_EQ(cellAt({140, 110}, 5, 20), 6);
    EXPECT_EQ(cellAt({2, 2}, 5, 20), -1);
}
