#include "mainwindow/picture_info.h"

#include <gtest/gtest.h>

using namespace quiverel;

TEST(PictureInfo, HoverTextsAndSizes) {
    EXPECT_EQ(pictureHoverText(QStringLiteral("a.png"), QStringLiteral("2024-05-17 10:00:00"),
                               QSize(640, 480), 1000000),
              QStringLiteral(" a.png   2024-05-17 \n  640 x 480   1,000,000 bytes "));
    EXPECT_EQ(textHoverText(QStringLiteral("n.txt"), QStringLiteral("2024-05-17 10:00:00"), 0),
              QStringLiteral(" n.txt   2024-05-17 \n       bytes "));
    EXPECT_EQ(foundInLine(QStringLiteral("/rx/")), QStringLiteral("\n  Found in /rx/  "));
}

TEST(PictureInfo, ClockLineHasLocalTimeTwiceAndUtc) {
    const QDateTime local(QDate(2024, 5, 17), QTime(14, 30, 5));
    const QDateTime utc(QDate(2024, 5, 17), QTime(12, 30, 5), Qt::UTC);
    EXPECT_EQ(clockLine(QStringLiteral("Time"), local, utc),
              QStringLiteral("Time  2:30 pm  ( 14:30 )     UTC  12:30:05"));
}

TEST(PictureInfo, FoundInIsTheFolderOfTheResultWithExactlyThatName) {
    const QString nbsp(QChar(0x00A0));
    const QStringList results{QStringLiteral("/a/ximg.jpg"), QStringLiteral("/b/img.jpg"),
                              QStringLiteral("/c/img") + nbsp + QStringLiteral("1.jpg")};
    EXPECT_EQ(foundInFolder(results, QStringLiteral("img.jpg")), QStringLiteral("/b/"));
    EXPECT_EQ(foundInFolder(results, QStringLiteral("img") + nbsp + QStringLiteral("1.jpg")),
              QStringLiteral("/c/"));
    EXPECT_TRUE(foundInFolder(results, QStringLiteral("mg.jpg")).isEmpty());
}
