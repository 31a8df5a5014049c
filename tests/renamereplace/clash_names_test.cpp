#include "renamereplace/clash_geometry.h"
#include "renamereplace/clash_names.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct SplitCase {
    const char* folder;
    const char* shown;
};

class FolderLabel : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FolderLabel, SplitsAtTheLastSlashWithinTwenty) {
    EXPECT_EQ(folderLabelText(QString::fromUtf8(GetParam().folder)),
              QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderLabel,
    ::testing::Values(
        // 30 characters, slashes at 3, 12, 19 and 30: 19 characters, then 11.
        SplitCase{"ab/cccccccc/dddddd/eeeeeeeeee/", "ab/cccccccc/dddddd/\neeeeeeeeee/"},
        SplitCase{"/pictures/received/", "/pictures/received/"},       // 19: as it is
        SplitCase{"/pictures/received1/", "/pictures/received1/"},     // 20: as it is
        SplitCase{"/pictures/received12/", "/pictures/\nreceived12/"}, // 21
        SplitCase{"/abcdefghijklmnopqrstuvwxyz/", "/\nabcdefghijklmnopqrstuvwxyz/"},
        SplitCase{"Fotos äöü/Empfangen/Juli/", "Fotos äöü/Empfangen/\nJuli/"}));

struct RenameCase {
    const char* typed;
    const char* clash;
    const char* name;
};

class RenamedName : public ::testing::TestWithParam<RenameCase> {};

TEST_P(RenamedName, CutAtTheFirstDotWithTheClashExtension) {
    EXPECT_EQ(renamedName(QString::fromUtf8(GetParam().typed), QString::fromUtf8(GetParam().clash)),
              QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Names, RenamedName,
                         ::testing::Values(RenameCase{"sky.final", "sky.jpg", "sky.jpg"},
                                           RenameCase{"sky_2", "sky.jpg", "sky_2.jpg"},
                                           RenameCase{"a.b.c", "x.jp2", "a.jp2"},
                                           RenameCase{"my sky 'n\" dawn", "x.PNG",
                                                      "my sky 'n\" dawn.PNG"},
                                           RenameCase{".hidden", "x.bmp", ".bmp"}));

class ProposedName : public ::testing::Test {
protected:
    void touch(const QString& name) {
        QFile f(dir.path() + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString folder() const { return dir.path() + u'/'; }
    QTemporaryDir dir;
};

TEST_F(ProposedName, SkipsEveryTakenNumber) {
    touch(QStringLiteral("sky.jpg"));
    EXPECT_EQ(proposedFreeName(folder(), QStringLiteral("sky.jpg")), u"sky_1.jpg");
    touch(QStringLiteral("sky_1.jpg"));
    EXPECT_EQ(proposedFreeName(folder(), QStringLiteral("sky.jpg")), u"sky_2.jpg");
}

TEST_F(ProposedName, TakenInAnyLetterCase) {
    touch(QStringLiteral("SKY_1.JPG"));
    EXPECT_TRUE(nameTakenIn(folder(), QStringLiteral("sky_1.jpg")));
    EXPECT_EQ(proposedFreeName(folder(), QStringLiteral("sky.jpg")), u"sky_2.jpg");
}

TEST(ClashGeometry, PicturesKeepTheirShapeInsideTheirArea) {
    const QRectF wide = fittedPictureRect(QSize(640, 240), kClashSourceArea);
    EXPECT_EQ(wide, QRectF(20, 40, 160, 60));
    const QRectF tall = fittedPictureRect(QSize(100, 200), kClashTargetArea);
    EXPECT_EQ(tall, QRectF(270, 10, 60, 120));
    EXPECT_EQ(fittedPictureRect(QSize(), kClashTargetArea), kClashTargetArea);
}

} // namespace
