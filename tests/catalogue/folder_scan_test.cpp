#include "catalogue/file_names.h"
#include "catalogue/folder_scan.h"
#include "picture_files.h"
#include "support/temp_app.h"
#include "util/folder_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {
QStringList names(const QList<CatalogueRow>& rows) {
    QStringList out;
    for (const auto& r : rows)
        out.append(r.fileName);
    out.sort();
    return out;
}
} // namespace

TEST(FolderScan, ReadsCatalogueTypesAndSanitisesNames) {
    test::TempApp app;
    const QString f = app.path() + QStringLiteral("/rx/");
    test::writePicture(f + QStringLiteral("holiday.2024.png"));
    test::writePicture(f + QStringLiteral("scan.JPEG"), {8, 8}, Qt::red, "JPG");
    test::writePicture(f + QString::fromUtf8("--Grüße 'mit' \"Zitat\".jpg"));
    app.write(QStringLiteral("rx/notes.txt"), "hello");
    app.write(QStringLiteral("rx/.hidden.jpg"), "x");
    const FolderRead read = readFolder(f);
    ASSERT_TRUE(read.readable);
    EXPECT_EQ(names(read.rows), QStringList({QString::fromUtf8("--Grüße 'mit' \"Zitat\".jpg"),
                                             "holiday_2024.png", "notes.txt"}));
    EXPECT_TRUE(QFileInfo::exists(f + QStringLiteral("scan.JPEG")));
    EXPECT_FALSE(readFolder(app.path() + QStringLiteral("/missing/")).readable);
}

TEST(FolderScan, TextThumbnailOfExactly3885BytesIsDeletedOthersStay) {
    test::TempApp app;
    app.write(QStringLiteral("rx/a.txt"), "a");
    app.write(QStringLiteral("rx/b.txt"), "b");
    app.write(QStringLiteral("rx/ThumbFiles/a.jpg"), QByteArray(3885, 'x'));
    app.write(QStringLiteral("rx/ThumbFiles/b.jpg"), QByteArray(3886, 'x'));
    readFolder(app.path() + QStringLiteral("/rx/"));
    EXPECT_FALSE(app.exists(QStringLiteral("rx/ThumbFiles/a.jpg")));
    EXPECT_TRUE(app.exists(QStringLiteral("rx/ThumbFiles/b.jpg")));
}

TEST(FolderScan, ClashingBaseNamesGetANumberAndStaleThumbnailsGo) {
    test::TempApp app;
    const QString f = app.path() + QStringLiteral("/rx/");
    test::writePicture(f + QStringLiteral("a.jpg"), {10, 10});
    test::writePicture(f + QStringLiteral("a.bmp"), {20, 20});
    app.write(QStringLiteral("rx/a-1.txt"), "taken"); // a-1 is taken by another file
    test::writePicture(f + QStringLiteral("ThumbFiles/gone.jpg"));
    test::writePicture(f + QStringLiteral("ThumbFiles/A.jpg"));
    FolderRead read = readFolder(f);
    RenameClashingFiles(f, read.rows);
    EXPECT_EQ(names(read.rows), QStringList({"a-1.txt", "a-2.bmp", "a.jpg"}));
    EXPECT_TRUE(QFileInfo::exists(f + QStringLiteral("a-2.bmp")));
    EXPECT_EQ(QFile(f + QStringLiteral("a-1.txt")).size(), 5);
    DeleteStaleThumbnails(f, read.rows);
    EXPECT_FALSE(QFileInfo::exists(f + QStringLiteral("ThumbFiles/gone.jpg")));
    EXPECT_TRUE(QFileInfo::exists(f + QStringLiteral("ThumbFiles/A.jpg")));
}

TEST(FolderScan, PagesAndCaptions) {
    EXPECT_EQ(pageCountFor(13, 12), 2);
    EXPECT_EQ(pageCountFor(12, 12), 1);
    EXPECT_EQ(pageCountFor(0, 20), 1);
    EXPECT_EQ(picturesCaption(QStringLiteral("Rx"), 13, QStringLiteral("pictures"), false),
              QStringLiteral("Rx  13 pictures"));
    EXPECT_EQ(picturesCaption(QStringLiteral("Rx"), 4, QStringLiteral("pictures"), true),
              QStringLiteral("Found  4 pictures"));
    EXPECT_EQ(
        quarantineMessage(QStringLiteral("/rx/"), QStringLiteral("bad.jpg"),
                          QStringLiteral("/app")),
        QStringLiteral(
            "/rx/bad.jpg\nmay be a corrupt file & will be moved to the    \n/app/Corrupt folder."));
    EXPECT_EQ(scanFailureMessage(QStringLiteral("/rx/"), QStringLiteral("a.jpg"), 12, 5,
                                 QStringLiteral("bad")),
              QStringLiteral("/rx/a.jpg\n12 - 5  bad"));
}

TEST(FolderScan, QuarantineNeverOverwritesAnEarlierCopy) {
    test::TempApp app;
    app.write(QStringLiteral("rx/bad.jpg"), "first");
    ASSERT_TRUE(moveToQuarantine(app.path() + QStringLiteral("/rx/"), QStringLiteral("bad.jpg"),
                                 app.path()));
    app.write(QStringLiteral("rx/bad.jpg"), "second!");
    const auto second = moveToQuarantine(app.path() + QStringLiteral("/rx/"),
                                         QStringLiteral("bad.jpg"), app.path());
    ASSERT_TRUE(second);
    EXPECT_EQ(app.read(QStringLiteral("Corrupt/bad.jpg")), QByteArray("first"));
    EXPECT_EQ(app.read(QStringLiteral("Corrupt/bad-1.jpg")), QByteArray("second!"));
    EXPECT_FALSE(app.exists(QStringLiteral("rx/bad.jpg")));
    // A file that cannot be copied stays where it is.
    EXPECT_FALSE(moveToQuarantine(app.path() + QStringLiteral("/rx/"), QStringLiteral("none.jpg"),
                                  app.path()));
}

TEST(FolderTree, DeletesInsideOnlyAndNeverFollowsLinks) {
    test::TempApp app;
    app.write(QStringLiteral("outside/keep.jpg"), "keep");
    app.write(QStringLiteral("rx/Thumbs/a.jpg"), "a");
    app.write(QStringLiteral("rx/Thumbs/deep/b.jpg"), "b");
    app.write(QStringLiteral("rx/Thumbs/.hidden"), "h");
    QFile::link(app.path() + QStringLiteral("/outside"),
                app.path() + QStringLiteral("/rx/Thumbs/link"));
    QFile::link(app.path() + QStringLiteral("/outside"),
                app.path() + QStringLiteral("/rx/Thumbnails"));
    QStringList seen;
    EXPECT_TRUE(DeleteFolderTree(app.path() + QStringLiteral("/rx/Thumbs"),
                                 [&](const QString& p) { seen.append(p); }));
    EXPECT_FALSE(app.exists(QStringLiteral("rx/Thumbs")));
    EXPECT_EQ(seen.size(), 4);
    EXPECT_TRUE(DeleteFolderTree(app.path() + QStringLiteral("/rx/Thumbnails")));
    EXPECT_EQ(app.read(QStringLiteral("outside/keep.jpg")), QByteArray("keep"));
    EXPECT_TRUE(oldThumbnailFolders(app.path() + QStringLiteral("/rx/")).isEmpty());
}
