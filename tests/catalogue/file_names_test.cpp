#include "catalogue/file_names.h"
#include "picture_files.h"
#include "support/temp_app.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace quiverel;

TEST(FileNames, TypesAreTheLastFourCharactersInCapitals) {
    EXPECT_TRUE(isPictureType(QStringLiteral("a.jpg")));
    EXPECT_TRUE(isPictureType(QStringLiteral("B.Jp2")));
    EXPECT_TRUE(isPictureType(QStringLiteral("notes.TXT")));
    EXPECT_FALSE(isPictureType(QStringLiteral("scan.JPEG")));
    EXPECT_FALSE(isPictureType(QStringLiteral("jpg")));
    EXPECT_EQ(baseNameOf(QStringLiteral("a.bmp")), QStringLiteral("a"));
    EXPECT_EQ(thumbnailPathOf(QStringLiteral("/rx/"), QStringLiteral("a.bmp")),
              QStringLiteral("/rx/ThumbFiles/a.jpg"));
}

TEST(FileNames, SanitisingReplacesDotsAndReservedCharacters) {
    EXPECT_EQ(sanitisedName(QStringLiteral("holiday.2024.png")),
              QStringLiteral("holiday_2024.png"));
    EXPECT_EQ(sanitisedName(QStringLiteral("my.pic.jpg")), QStringLiteral("my_pic.jpg"));
    EXPECT_EQ(sanitisedName(QStringLiteral("a*b?c:d|e<f>g\\h.jpg")),
              QStringLiteral("a_b_c_d_e_f_g_h.jpg"));
    // Every copy of the extension text leaves the base.
    EXPECT_EQ(sanitisedName(QStringLiteral("x.jpg.jpg")), QStringLiteral("x.jpg"));
    EXPECT_EQ(sanitisedName(QString::fromUtf8("-Grüße \"73\".jpg")),
              QString::fromUtf8("-Grüße \"73\".jpg"));
}

TEST(FileNames, SanitiseRenamesOnDiskButNeverOverAnotherFile) {
    test::TempApp app;
    const QString folder = app.path() + u'/';
    test::writePicture(folder + QStringLiteral("holiday.2024.png"), {10, 10}, Qt::red);
    test::writePicture(folder + QStringLiteral("holiday_2024.png"), {20, 20}, Qt::green);
    const QString name = SanitiseFileName(folder, QStringLiteral("holiday.2024.png"));
    EXPECT_EQ(name, QStringLiteral("holiday_2024-1.png"));
    EXPECT_EQ(QImage(folder + QStringLiteral("holiday_2024.png")).width(), 20);
    EXPECT_EQ(QImage(folder + name).width(), 10);
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("holiday.2024.png")));
}
