#include "mainwindow/form1.h"

#include "catalogue/file_names.h"
#include "catalogue/hostile_folders.h"
#include "catalogue/thumbnail_grid.h"
#include "catalogue/thumbnail_location.h"
#include "mainwindow/hover_info.h"
#include "support/test_context.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {
void picture(const QString& path, QSize size = {320, 256}) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    img.save(path);
}

// A prepared application folder: Folders.ini lists "Rx" and the page size is set.
void prepare(test::TestContext& t, int perPage) {
    t.app.write(QStringLiteral("ini/Folders.ini"),
                "Rx\r\n" + QFile::encodeName(t.app.path()) + "/rx/\r\n");
    t.app.write(QStringLiteral("ini/Setup.ini"),
                "\"\"\r\n\"\"\r\n\"N\"\r\n\"\"\r\n\"English\"\r\n\"0\"\r\n\"770\"\r\n"
                "\"\"\r\n\"\"\r\n\"\"\r\n\"N\"\r\n\"0\"\r\n\"0\"\r\n\"" +
                    QByteArray::number(perPage) + "\"\r\n");
}
} // namespace

TEST(Form1Scan, ThirteenPicturesMakeTwoPagesAndEveryThumbnail) {
    test::TestContext t;
    prepare(t, 12);
    for (int i = 0; i < 13; ++i)
        picture(t.app.path() + QStringLiteral("/rx/p%1.jpg").arg(i));
    picture(t.app.path() + QString::fromUtf8("/rx/-Grüße \"73\" 'de'.png"), {300, 400});
    QFile::remove(t.app.path() + QStringLiteral("/rx/p12.jpg"));
    picture(t.app.path() + QStringLiteral("/rx/p12.bmp"), {800, 200});
    Form1 form(t.ctx);
    form.Form_Load();
    EXPECT_EQ(form.tabs()->count(), 2);
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Rx  14 ") + t.state.text[6]);
    for (const CatalogueRow& r : std::as_const(t.state.catalogue.rows))
        EXPECT_TRUE(QFileInfo::exists(t.app.path() + QStringLiteral("/rx/ThumbFiles/") +
                                      r.fileName.left(r.fileName.size() - 4) +
                                      QStringLiteral(".jpg")))
            << r.fileName.toStdString();
    EXPECT_TRUE(form.grid()->Image1[11]->isVisible() || !form.isVisible());
    EXPECT_FALSE(form.grid()->Image1[11]->pixmap().isNull());
    // Page 2 shows two pictures and ten empty cells.
    form.ckNext_MouseDown();
    EXPECT_EQ(t.state.catalogue.currentPage, 2);
    EXPECT_FALSE(form.grid()->Image1[1]->pixmap().isNull());
    EXPECT_TRUE(form.grid()->Image1[2]->pixmap().isNull());
    form.ckNext_MouseDown();
    EXPECT_EQ(t.state.catalogue.currentPage, 1);
    form.ckBack_MouseDown();
    EXPECT_EQ(t.state.catalogue.currentPage, 2);
    EXPECT_TRUE(t.prompts.shown().isEmpty());
}

TEST(Form1Scan, ACorruptPictureIsQuarantinedWithItsMessageAndTheFolderScannedAgain) {
    test::TestContext t;
    prepare(t, 20);
    picture(t.app.path() + QStringLiteral("/rx/good.jpg"));
    t.app.write(QStringLiteral("rx/broken.jpg"), QByteArray("\xFF\xD8\xFF garbage", 12));
    Form1 form(t.ctx);
    form.Form_Load();
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].title, QStringLiteral("Brisendale"));
    EXPECT_TRUE(t.prompts.shown()[0].text.startsWith(
        t.app.path() + QStringLiteral("/rx/broken.jpg\nmay be a corrupt file")));
    EXPECT_TRUE(t.app.exists(QStringLiteral("Corrupt/broken.jpg")));
    EXPECT_FALSE(t.app.exists(QStringLiteral("rx/broken.jpg")));
    EXPECT_EQ(t.state.catalogue.rows.size(), 1);
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Rx  1 ") + t.state.text[6]);
}

TEST(Form1Scan, ThreePagesWrapAndAJumpLoadsThePageAndItsNeighbours) {
    test::TestContext t;
    prepare(t, 12);
    for (int i = 0; i < 30; ++i)
        picture(t.app.path() + QStringLiteral("/rx/p%1.jpg").arg(i), {40, 30});
    Form1 form(t.ctx);
    form.Form_Load();
    ASSERT_EQ(form.tabs()->count(), 3);
    form.ckBack_MouseDown();
    EXPECT_EQ(t.state.catalogue.currentPage, 3);
    EXPECT_FALSE(form.grid()->Image1[5]->pixmap().isNull());
    EXPECT_TRUE(form.grid()->Image1[6]->pixmap().isNull());
    form.tabs()->setCurrentIndex(1);
    EXPECT_EQ(t.state.catalogue.currentPage, 2);
    // The cache holds no more than the pages around the current one.
    int cached = 0;
    for (const QImage& img : std::as_const(t.state.catalogue.pictureCache))
        cached += !img.isNull();
    EXPECT_LE(cached, 30);
}

TEST(Form1Scan, AnUnreadableOrEmptyFolderGivesTheEmptyGridAndAMessage) {
    test::TestContext t;
    t.app.write(QStringLiteral("ini/Folders.ini"), "Gone\r\n/no/such/folder/\r\n");
    Form1 form(t.ctx);
    form.Form_Load();
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_TRUE(t.prompts.shown()[0].text.contains(QStringLiteral("/no/such/folder/")));
    EXPECT_EQ(form.tabs()->count(), 1);
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Gone  0 ") + t.state.text[6]);
}

TEST(Form1Scan, ADamagedThumbnailIsMadeAgain) {
    test::TestContext t;
    prepare(t, 20);
    picture(t.app.path() + QStringLiteral("/rx/a.jpg"));
    t.app.write(QStringLiteral("rx/ThumbFiles/a.jpg"), "not a picture");
    Form1 form(t.ctx);
    form.Form_Load();
    EXPECT_FALSE(form.grid()->Image1[0]->pixmap().isNull());
    EXPECT_FALSE(QImage(t.app.path() + QStringLiteral("/rx/ThumbFiles/a.jpg")).isNull());
    EXPECT_TRUE(t.prompts.shown().isEmpty());
}

namespace {
QImage thumbnailOf(const QString& folder, const QString& name) {
    QImageReader reader(thumbnailPathOf(folder, name));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

bool bottomIsBlue(const QImage& thumb) {
    const QColor c = thumb.pixelColor(thumb.width() / 2, thumb.height() - 1);
    return c.blue() > 150 && c.red() < 100;
}

int rowOf(const test::TestContext& t, const QString& name) {
    for (int i = 0; i < t.state.catalogue.rows.size(); ++i)
        if (t.state.catalogue.rows[i].fileName == name) return i;
    return -1;
}
} // namespace

TEST(Form1Scan, AReadOnlyFolderIsShownWithThumbnailsInTheCacheAndToldOnceWithoutALoop) {
    test::TestContext t;
    test::CacheHome cache(t.app.path() + QStringLiteral("/cache"));
    prepare(t, 20);
    const QString rx = t.app.path() + QStringLiteral("/rx/");
    test::MountedFolder folder(rx);
    picture(rx + QStringLiteral("a.jpg"));
    picture(rx + QStringLiteral("b.png"));
    picture(rx + QStringLiteral("my.pic.jpg"));
    t.app.write(QStringLiteral("rx/broken.jpg"), QByteArray("\xFF\xD8\xFF garbage", 12));
    if (!folder.readOnly()) GTEST_SKIP() << folder.why().toStdString();
    Form1 form(t.ctx);
    form.Form_Load();
    ASSERT_EQ(t.prompts.shown().size(), 1);
    const QString text = t.prompts.shown()[0].text;
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("The folder\n") + rx + QStringLiteral("\nis read-only")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(rx + QStringLiteral("broken.jpg\nmay be a corrupt file. The folder "
                                                  "is read-only")));
    EXPECT_FALSE(text.contains(QStringLiteral("will be moved")));
    EXPECT_FALSE(t.app.exists(QStringLiteral("Corrupt")));
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Rx  3 ") + t.state.text[6]);
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(form.grid()->Image1[k]->pixmap().isNull()) << k;
    EXPECT_TRUE(t.app.exists(QStringLiteral("rx/my.pic.jpg")));
    EXPECT_TRUE(QFileInfo::exists(thumbnailCacheFolderFor(rx)));

    form.ShowFolder();
    EXPECT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Rx  3 ") + t.state.text[6]);
}

TEST(Form1Scan, APictureStillArrivingIsLeftAloneThenShownAsItStandsThenWhole) {
    test::TestContext t;
    prepare(t, 20);
    const QString rx = t.app.path() + QStringLiteral("/rx/");
    picture(rx + QStringLiteral("good.jpg"));
    const QByteArray jpeg = test::noisyJpeg();
    test::PieceWriter writer(rx + QStringLiteral("rx 1.jpg"));
    ASSERT_TRUE(writer.write(jpeg.left(200)));
    const QDateTime now = QDateTime::currentDateTime();
    t.clock.set(now);
    Form1 form(t.ctx);
    form.Form_Load();
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    EXPECT_FALSE(t.app.exists(QStringLiteral("Corrupt")));
    EXPECT_TRUE(t.app.exists(QStringLiteral("rx/rx 1.jpg")));
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Rx  1 ") + t.state.text[6]);

    ASSERT_TRUE(writer.write(jpeg.mid(200, jpeg.size() * 6 / 10 - 200)));
    form.ShowFolder();
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Rx  2 ") + t.state.text[6]);
    const int row = rowOf(t, QStringLiteral("rx 1.jpg"));
    ASSERT_GE(row, 0);
    EXPECT_FALSE(form.grid()->Image1[row]->pixmap().isNull());
    EXPECT_FALSE(bottomIsBlue(thumbnailOf(rx, QStringLiteral("rx 1.jpg"))));

    ASSERT_TRUE(writer.write(jpeg.mid(jpeg.size() * 6 / 10)));
    writer.close();
    t.clock.set(now.addSecs(11));
    form.ShowFolder();
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Rx  2 ") + t.state.text[6]);
    EXPECT_TRUE(bottomIsBlue(thumbnailOf(rx, QStringLiteral("rx 1.jpg"))));
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    EXPECT_FALSE(t.app.exists(QStringLiteral("Corrupt")));
}

TEST(Form1Scan, SearchResultsAreCountedAsFoundAndTellWhereEachCameFrom) {
    test::TestContext t;
    prepare(t, 12);
    picture(t.app.path() + QStringLiteral("/rx/a.jpg"));
    Form1 form(t.ctx);
    form.Form_Load();
    const QString second = QStringLiteral("img") + QChar(0x00A0) + QStringLiteral("1.jpg");
    picture(t.app.path() + QStringLiteral("/Search/img.jpg"));
    picture(t.app.path() + QStringLiteral("/Search/") + second);
    t.state.catalogue.searchResultPaths = {QStringLiteral("/one/img.jpg"),
                                           QStringLiteral("/two/") + second};
    form.showSearchResults();
    EXPECT_TRUE(t.state.catalogue.searchResults);
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Found  2 ") + t.state.text[6]);
    for (int k = 0; k < 2; ++k) {
        const QString name = t.state.catalogue.rows[k].fileName;
        Q_EMIT form.grid()->cellHovered(k);
        EXPECT_TRUE(form.hover().text().endsWith(
            QStringLiteral("\n  Found in ") +
            (name == second ? QStringLiteral("/two/") : QStringLiteral("/one/")) +
            QStringLiteral("  ")))
            << form.hover().text().toStdString();
    }
    // Another folder shown from the menu is no search result.
    form.mnuFolderEntry_Click(0);
    EXPECT_FALSE(t.state.catalogue.searchResults);
    EXPECT_EQ(form.picturesLabel()->text(), QStringLiteral("Rx  1 ") + t.state.text[6]);
}
