#include "app/folders_ini.h"
#include "support/temp_app.h"

#include <gtest/gtest.h>

using namespace quiverel;

TEST(FoldersIni, PairsWithEmptyCaptionsAreSkippedAndEmptyPathsFilledIn) {
    const QStringList lines = {"Received", "/data/rx", "", "/ignored/", "Mine, old",
                               "",         "Saved/",   "", "Last"};
    const QList<FolderRow> rows = parseFolderLines(lines, QStringLiteral("/opt/q"));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].path, QStringLiteral("/data/rx/")); // hand-edited without its "/"
    EXPECT_EQ(rows[1].caption, QStringLiteral("Mine, old"));
    EXPECT_EQ(rows[1].path, QStringLiteral("/opt/q/Mine, old/"));
    // Written back and read again, the path stays as it is.
    EXPECT_EQ(rows[2].path, QStringLiteral("/opt/q/Saved/"));
    EXPECT_EQ(rows[3].path, QStringLiteral("/opt/q/Last/"));
}

TEST(FoldersIni, SortsByCaptionIgnoringCaseAndRoundTrips) {
    QList<FolderRow> rows = {
        {"beta", "/b/"}, {"Alpha", "/a/"}, {"alpha2", "/a2/"}, {"Beta", "/B/"}};
    sortFolderList(rows);
    EXPECT_EQ(rows[0].caption, QStringLiteral("Alpha"));
    EXPECT_EQ(rows[1].caption, QStringLiteral("alpha2"));
    EXPECT_EQ(rows[2].caption.toUpper(), QStringLiteral("BETA"));
    test::TempApp app;
    const QString path = app.ini(QStringLiteral("Folders.ini"));
    ASSERT_TRUE(writeFoldersIni(path, rows));
    EXPECT_TRUE(
        app.read(QStringLiteral("ini/Folders.ini")).startsWith("Alpha\r\n/a/\r\nalpha2\r\n"));
    const QList<FolderRow> back = readFoldersIni(path, app.path());
    ASSERT_EQ(back.size(), 4);
    EXPECT_EQ(back[3].path, rows[3].path);
}

TEST(FoldersIni, TrailingSlashIsSingle) {
    EXPECT_EQ(withTrailingSlash(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(withTrailingSlash(QStringLiteral("/data//")), QStringLiteral("/data/"));
    EXPECT_EQ(withTrailingSlash(QStringLiteral("/data")), QStringLiteral("/data/"));
}
