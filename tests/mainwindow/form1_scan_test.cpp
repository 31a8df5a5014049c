#include "mainwindow/form1.h"

#include "catalogue/thumbnail_grid.h"
#include "support/test_context.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
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
    EXPECT_EQ(form.Tabs->count(), 2);
    EXPECT_EQ(form.lblPics->text(), QStringLiteral("Rx  14 ") + t.state.text[6]);
    for (const CatalogueRow& r : std::as_const(t.state.catalogue.rows))
        EXPECT_TRUE(QFileInfo::exists(t.app.path() + QStringLiteral("/rx/ThumbFiles/") +
                                      r.fileName.left(r.fileName.size() - 4) +
                                      QStringLiteral(".jpg")))
            << r.fileName.toStdString();
    EXPECT_TRUE(form.pic2->Image1[11]->isVisible() || !form.isVisible());
    EXPECT_FALSE(form.pic2->Image1[11]->pixmap().isNull());
    // Page 2 shows two pictures and ten empty cells.
    form.ckNext_MouseDown();
    EXPECT_EQ(t.state.catalogue.currentPage, 2);
    EXPECT_FALSE(form.pic2->Image1[1]->pixmap().isNull());
    EXPECT_TRUE(form.pic2->Image1[2]->pixmap().isNull());
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
    EXPECT_EQ(form.lblPics->text(), QStringLiteral("Rx  1 ") + t.state.text[6]);
}

TEST(Form1Scan, ThreePagesWrapAndAJumpLoadsThePageAndItsNeighbours) {
    test::TestContext t;
    prepare(t, 12);
    for (int i = 0; i < 30; ++i)
        picture(t.app.path() + QStringLiteral("/rx/p%1.jpg").arg(i), {40, 30});
    Form1 form(t.ctx);
    form.Form_Load();
    ASSERT_EQ(form.Tabs->count(), 3);
    form.ckBack_MouseDown();
    EXPECT_EQ(t.state.catalogue.currentPage, 3);
    EXPECT_FALSE(form.pic2->Image1[5]->pixmap().isNull());
    EXPECT_TRUE(form.pic2->Image1[6]->pixmap().isNull());
    form.Tabs->setCurrentIndex(1);
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
    EXPECT_EQ(form.Tabs->count(), 1);
    EXPECT_EQ(form.lblPics->text(), QStringLiteral("Gone  0 ") + t.state.text[6]);
}

TEST(Form1Scan, ADamagedThumbnailIsMadeAgain) {
    test::TestContext t;
    prepare(t, 20);
    picture(t.app.path() + QStringLiteral("/rx/a.jpg"));
    t.app.write(QStringLiteral("rx/ThumbFiles/a.jpg"), "not a picture");
    Form1 form(t.ctx);
    form.Form_Load();
    EXPECT_FALSE(form.pic2->Image1[0]->pixmap().isNull());
    EXPECT_FALSE(QImage(t.app.path() + QStringLiteral("/rx/ThumbFiles/a.jpg")).isNull());
    EXPECT_TRUE(t.prompts.shown().isEmpty());
}
