#include "tools/search_folder.h"

#include "support/small_disk.h"
#include "util/file_times.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

const QChar kNbsp(0x00A0);

struct NameCase {
    const char* name;
    QStringList taken; // upper-cased base names
    const char* expected;
};

class ResultName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ResultName, FreeBaseNameWithNoBreakSpace) {
    const NameCase& c = GetParam();
    QSet<QString> taken(c.taken.cbegin(), c.taken.cend());
    EXPECT_EQ(resultNameFor(QString::fromUtf8(c.name), taken), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Copies, ResultName,
    ::testing::Values(NameCase{"sky.jpg", {}, "sky.jpg"},
                      NameCase{"sky.jpg", {"SKY"}, "sky\u00A01.jpg"},
                      NameCase{"sky.jpg", {"SKY", "SKY\u00A01"}, "sky\u00A02.jpg"},
                      // another type of the same base would share its thumbnail
                      NameCase{"Sky.png", {"SKY"}, "Sky\u00A01.png"},
                      NameCase{"my.pic.jpg", {}, "my_pic.jpg"},
                      NameCase{"skØ.png", {"SKØ"}, "skØ\u00A01.png"}));

QImage picture(QColor colour) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class SearchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        app = dir.path() + QStringLiteral("/app");
        one = dir.path() + QStringLiteral("/one/");
        two = dir.path() + QStringLiteral("/two/");
        for (const QString& f : {app, one, two})
            QDir().mkpath(f);
        search = app + QStringLiteral("/Search/");
        thumbs = search + QStringLiteral("ThumbFiles/");
    }
    QStringList names(const QString& folder) const {
        QStringList n = QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden);
        n.sort();
        return n;
    }

    QTemporaryDir dir;
    QString app, one, two, search, thumbs;
};

TEST_F(SearchFolder, SameNameTwiceGivesNoBreakSpaceCopyWithThumbnails) {
    ASSERT_TRUE(picture(Qt::red).save(one + QStringLiteral("img.jpg")));
    ASSERT_TRUE(picture(Qt::blue).save(two + QStringLiteral("img.jpg")));
    SetFileDate(one + QStringLiteral("img.jpg"), QStringLiteral("2024-05-17 10:00:00"));
    QStringList results{one + QStringLiteral("img.jpg"), two + QStringLiteral("img.jpg")};

    const SearchFolderReport report = BuildSearchFolder(app, results, &makePictureThumbnail);
    EXPECT_TRUE(report.notCopied.isEmpty());
    EXPECT_TRUE(report.noThumbnail.isEmpty());
    const QString second = QStringLiteral("img") + kNbsp + QStringLiteral("1.jpg");
    EXPECT_EQ(names(search), QStringList({QStringLiteral("img.jpg"), second}));
    EXPECT_EQ(names(thumbs), QStringList({QStringLiteral("img.jpg"), second}));
    EXPECT_EQ(results, QStringList({one + QStringLiteral("img.jpg"), two + second}));
    // The second copy is the second file, not the first again.
    const QColor copied = QImage(search + second).pixelColor(5, 5);
    EXPECT_GT(copied.blue(), 200);
    EXPECT_LT(copied.red(), 50);
    // Copy and thumbnail dated like the original, so the scan keeps the thumbnail.
    EXPECT_EQ(dateTimeText(QFileInfo(search + QStringLiteral("img.jpg")).lastModified()),
              QStringLiteral("2024-05-17 10:00:00"));
    EXPECT_EQ(dateTimeText(QFileInfo(thumbs + QStringLiteral("img.jpg")).lastModified()),
              QStringLiteral("2024-05-17 10:00:00"));
    // The name is stored as UTF-8 on disk.
    EXPECT_TRUE(QFileInfo::exists(QString::fromUtf8("%1img\xC2\xA0"
                                                    "1.jpg")
                                      .arg(search)));
}

TEST_F(SearchFolder, TextFileThumbnailIsTheShippedIcon) {
    ASSERT_TRUE(picture(Qt::green).save(app + QStringLiteral("/TextFile.jpg")));
    QFile t(one + QStringLiteral("notes.txt"));
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write("hello\r\n");
    t.close();
    QStringList results{one + QStringLiteral("notes.txt")};
    BuildSearchFolder(app, results, &makePictureThumbnail);
    QFile icon(app + QStringLiteral("/TextFile.jpg"));
    QFile thumb(thumbs + QStringLiteral("notes.jpg"));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    ASSERT_TRUE(thumb.open(QIODevice::ReadOnly));
    EXPECT_EQ(thumb.readAll(), icon.readAll());
}

TEST_F(SearchFolder, SecondSearchEmptiesFilesButKeepsSubFolders) {
    ASSERT_TRUE(picture(Qt::red).save(one + QStringLiteral("old.jpg")));
    ASSERT_TRUE(picture(Qt::red).save(two + QStringLiteral("new.jpg")));
    QStringList first{one + QStringLiteral("old.jpg")};
    BuildSearchFolder(app, first, &makePictureThumbnail);
    QDir().mkpath(search + QStringLiteral("kept"));
    QFile::copy(one + QStringLiteral("old.jpg"), search + QStringLiteral("kept/inside.jpg"));

    QStringList second{two + QStringLiteral("new.jpg")};
    BuildSearchFolder(app, second, &makePictureThumbnail);
    EXPECT_EQ(names(search), QStringList({QStringLiteral("new.jpg")}));
    EXPECT_EQ(names(thumbs), QStringList({QStringLiteral("new.jpg")}));
    EXPECT_TRUE(QFileInfo::exists(search + QStringLiteral("kept/inside.jpg")));
    EXPECT_TRUE(QFileInfo::exists(one + QStringLiteral("old.jpg")));
}

TEST_F(SearchFolder, LinksAreRemovedAsLinksNeverFollowed) {
    const QString outside = dir.path() + QStringLiteral("/outside/");
    QDir().mkpath(outside);
    ASSERT_TRUE(picture(Qt::red).save(outside + QStringLiteral("precious.jpg")));
    QDir().mkpath(search);
    // A link to a file, a link to a folder, and ThumbFiles itself a link.
    ASSERT_TRUE(
        QFile::link(outside + QStringLiteral("precious.jpg"), search + QStringLiteral("link.jpg")));
    ASSERT_TRUE(QFile::link(outside, search + QStringLiteral("folderlink")));
    ASSERT_TRUE(QFile::link(outside, search + QStringLiteral("ThumbFiles")));

    emptyResultsFolder(search);
    EXPECT_FALSE(QFileInfo(search + QStringLiteral("link.jpg")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(search + QStringLiteral("link.jpg")));
    EXPECT_TRUE(QFileInfo(search + QStringLiteral("folderlink")).isSymLink());
    EXPECT_FALSE(QFileInfo(thumbs).isSymLink());
    EXPECT_TRUE(QFileInfo(thumbs).isDir());
    EXPECT_EQ(names(outside), QStringList({QStringLiteral("precious.jpg")}));
}

TEST_F(SearchFolder, AFileThatCannotBeCopiedIsReported) {
    QStringList results{one + QStringLiteral("gone.jpg")};
    const SearchFolderReport report = BuildSearchFolder(app, results, &makePictureThumbnail);
    ASSERT_EQ(report.notCopied.size(), 1);
    EXPECT_TRUE(report.notCopied[0].startsWith(one + QStringLiteral("gone.jpg")));
    EXPECT_TRUE(names(search).isEmpty());
}

} // namespace

namespace {

// Copies onto a full disk were left as empty files under their final names,
// and the warning listed every file.
TEST(SearchFolderFullDisk, OnlyWholeCopiesStayAndTheWarningNamesAFew) {
    test::SmallDisk disk("256k");
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    QTemporaryDir dir;
    QStringList results;
    for (int k = 0; k < 30; ++k) {
        const QString path = dir.path() + QStringLiteral("/note%1.txt").arg(k);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(16 * 1024, char('a' + k % 26)));
        results.append(path);
    }
    const QStringList found = results;

    const SearchFolderReport report =
        BuildSearchFolder(disk.path(), results, &makePictureThumbnail);
    const QString search = searchFolderOf(disk.path());
    ASSERT_FALSE(report.notCopied.isEmpty());
    for (const QString& line : report.notCopied)
        EXPECT_TRUE(line.endsWith(QStringLiteral(": No space left on device")))
            << line.toStdString();
    const QStringList copies =
        QDir(search).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    EXPECT_EQ(copies.size() + report.notCopied.size(), found.size());
    for (const QString& name : copies) {
        QFile copy(search + name);
        QFile original(dir.path() + u'/' + name);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(copy.readAll(), original.readAll()) << name.toStdString();
    }

    const QString text = notCopiedText(search, report.notCopied);
    EXPECT_TRUE(text.startsWith(QString::number(report.notCopied.size()) +
                                QStringLiteral(" of the found files could not be copied to\n") +
                                search + u'\n'));
    EXPECT_TRUE(text.contains(report.notCopied[4]));
    EXPECT_FALSE(text.contains(report.notCopied[5]));
    EXPECT_TRUE(
        text.endsWith(QStringLiteral("\n... and %1 more").arg(report.notCopied.size() - 5)));
}

} // namespace
