#include "mainwindow/form1.h"

#include "catalogue/folder_watch.h"
#include "catalogue/picture_files.h"
#include "catalogue/thumbnail_grid.h"
#include "mainwindow/folder_session.h"
#include "support/test_context.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

// A started main window showing "Rx" with `pictures` pictures written a day ago.
struct WatchedFolder {
    explicit WatchedFolder(int pictures, int perPage = 12,
                           const std::function<void(const QString& rx)>& beforeLoad = {}) {
        t.app.write(QStringLiteral("ini/Folders.ini"), "Rx\r\n" + QFile::encodeName(rx) + "\r\n");
        t.app.write(QStringLiteral("ini/Setup.ini"),
                    "\"\"\r\n\"\"\r\n\"N\"\r\n\"\"\r\n\"English\"\r\n\"0\"\r\n\"770\"\r\n"
                    "\"\"\r\n\"\"\r\n\"\"\r\n\"N\"\r\n\"0\"\r\n\"0\"\r\n\"" +
                        QByteArray::number(perPage) + "\"\r\n");
        const QDateTime before = QDateTime::currentDateTime().addDays(-1);
        for (int i = 0; i < pictures; ++i) {
            const QString path = rx + QStringLiteral("old%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
            test::writePicture(path, {64, 48}, Qt::darkGreen);
            test::setModified(path, before.addSecs(i));
        }
        if (beforeLoad) beforeLoad(rx);
        t.clock.set(QDateTime::currentDateTime());
        form.Form_Load();
    }
    void advance(int ms) { t.clock.set(t.clock.localNow().addMSecs(ms)); }
    // Waits until the watch has looked at the folder again.
    void waitForLook() {
        QSignalSpy looked(&form.folderWatch(), &FolderWatch::polled);
        ASSERT_TRUE(looked.wait());
    }
    QStringList names() const {
        QStringList out;
        for (const CatalogueRow& r : t.state.catalogue.rows)
            out.append(r.fileName);
        return out;
    }

    test::TestContext t;
    QString rx = t.app.path() + QStringLiteral("/rx/");
    Form1 form{t.ctx};
};

// A received picture; the lines an SSTV program missed are grey until it
// fills them in.
QByteArray jpegBytes(QColor colour, QColor bottom = {}) {
    QImage img(320, 256, QImage::Format_RGB32);
    img.fill(colour);
    if (bottom.isValid()) QPainter(&img).fillRect(0, 128, 320, 128, bottom);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPG");
    return bytes;
}

void rewrite(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The colour of a picture near the middle of its bottom part.
QColor lowerColour(const QImage& img) {
    return img.isNull() ? QColor() : img.pixelColor(img.width() / 2, img.height() * 7 / 8);
}

QColor cellLowerColour(const Form1& form, int cell) {
    return lowerColour(form.grid()->Image1[cell]->pixmap().toImage());
}

void append(const QString& path, const QByteArray& piece) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    ASSERT_EQ(f.write(piece), piece.size());
}

} // namespace

TEST(Form1Watch, APictureWrittenInPiecesIsTakenInAfterItsLastPieceAtTheFrontOfPageOne) {
    WatchedFolder w(13);
    ASSERT_EQ(w.form.tabs()->count(), 2);
    w.form.ckNext_MouseDown();
    ASSERT_EQ(w.t.state.catalogue.currentPage, 2);

    const QString path = w.rx + QStringLiteral("rx 7.jpg");
    const QByteArray bytes = jpegBytes(Qt::red);
    const qsizetype third = bytes.size() / 3;
    append(path, bytes.left(third));
    QTRY_COMPARE(w.form.folderWatch().pendingCount(), 1);
    for (const QByteArray& piece : {bytes.mid(third, third), bytes.mid(2 * third)}) {
        w.advance(700); // three pieces over two seconds
        append(path, piece);
        QTRY_COMPARE(w.form.folderWatch().lastChange(), w.t.clock.localNow());
        EXPECT_FALSE(w.names().contains(QStringLiteral("rx 7.jpg")));
    }
    w.advance(900);
    w.waitForLook();
    EXPECT_FALSE(w.names().contains(QStringLiteral("rx 7.jpg")));

    w.advance(100);
    QTRY_COMPARE(w.names().value(0), QStringLiteral("rx 7.jpg"));
    QTRY_VERIFY(!w.form.session().isTakingIn());
    EXPECT_EQ(w.t.state.catalogue.currentPage, 2);
    EXPECT_EQ(w.form.tabs()->currentIndex(), 1);
    EXPECT_EQ(w.form.tabs()->count(), 2);
    EXPECT_EQ(w.form.picturesLabel()->text(), QStringLiteral("Rx  14 ") + w.t.state.text[6]);
    EXPECT_TRUE(QFileInfo::exists(w.rx + QStringLiteral("ThumbFiles/rx 7.jpg")));
    // Page 2 moved on by one: the oldest picture is now its last.
    EXPECT_FALSE(w.form.grid()->Image1[1]->pixmap().isNull());
    EXPECT_TRUE(w.form.grid()->Image1[2]->pixmap().isNull());
    w.form.ckBack_MouseDown();
    const QImage first = w.form.grid()->Image1[0]->pixmap().toImage();
    ASSERT_FALSE(first.isNull());
    const QColor centre = first.pixelColor(first.width() / 2, first.height() / 2);
    EXPECT_GT(centre.red(), 200);
    EXPECT_LT(centre.green(), 60);
    EXPECT_TRUE(w.t.prompts.shown().isEmpty());
}

TEST(Form1Watch, ABurstOfTwoHundredFilesIsTakenInAsOneUpdate) {
    WatchedFolder w(3, 20);
    QSignalSpy changes(&w.form.folderWatch(), &FolderWatch::changed);
    for (int i = 0; i < 200; ++i)
        test::writePicture(w.rx + QStringLiteral("burst %1.png").arg(i), {32, 24}, Qt::yellow);
    QTRY_COMPARE(w.form.folderWatch().pendingCount(), 200);
    w.advance(1000);
    QTRY_COMPARE(w.t.state.catalogue.rows.size(), 203);
    QTRY_VERIFY(!w.form.session().isTakingIn());
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][1].value<FolderChange>().arrived.size(), 200);
    EXPECT_EQ(w.form.tabs()->count(), 11);
    EXPECT_EQ(w.t.state.catalogue.currentPage, 1);
    EXPECT_TRUE(w.names().mid(0, 200).filter(QStringLiteral("burst")).size() == 200);
    EXPECT_FALSE(w.form.grid()->Image1[19]->pixmap().isNull());
}

TEST(Form1Watch, ADeletedFileLeavesTheGridWithItsThumbnail) {
    WatchedFolder w(3);
    ASSERT_TRUE(w.names().contains(QStringLiteral("old001.jpg")));
    ASSERT_TRUE(QFileInfo::exists(w.rx + QStringLiteral("ThumbFiles/old001.jpg")));
    ASSERT_TRUE(QFile::remove(w.rx + QStringLiteral("old001.jpg")));
    QTRY_COMPARE(w.names(), (QStringList{"old002.jpg", "old000.jpg"}));
    EXPECT_FALSE(QFileInfo::exists(w.rx + QStringLiteral("ThumbFiles/old001.jpg")));
    EXPECT_EQ(w.form.picturesLabel()->text(), QStringLiteral("Rx  2 ") + w.t.state.text[6]);
    EXPECT_FALSE(w.form.grid()->Image1[1]->pixmap().isNull());
    EXPECT_TRUE(w.form.grid()->Image1[2]->pixmap().isNull());
}

TEST(Form1Watch, WhileTheWindowIsDisabledTheUpdateWaitsUntilItIsEnabled) {
    WatchedFolder w(2);
    QSignalSpy changes(&w.form.folderWatch(), &FolderWatch::changed);
    w.form.setEnabled(false); // another window of the program is open
    test::writePicture(w.rx + QStringLiteral("new.jpg"));
    QTRY_COMPARE(w.form.folderWatch().pendingCount(), 1);
    w.advance(1000);
    ASSERT_TRUE(changes.wait());
    QCoreApplication::processEvents();
    EXPECT_EQ(w.t.state.catalogue.rows.size(), 2);
    EXPECT_FALSE(w.form.session().isTakingIn());
    w.form.setEnabled(true);
    QTRY_COMPARE(w.names().value(0), QStringLiteral("new.jpg"));
}

TEST(Form1Watch, ARenamedFileLeavesAndComesBackTidiedUnderItsNewName) {
    WatchedFolder w(2);
    ASSERT_TRUE(QFile::rename(w.rx + QStringLiteral("old000.jpg"),
                              w.rx + QStringLiteral("holiday.2024.jpg")));
    QTRY_COMPARE(w.names(), QStringList{"old001.jpg"});
    QTRY_COMPARE(w.form.folderWatch().pendingCount(), 1);
    w.advance(1000);
    QTRY_COMPARE(w.names(), (QStringList{"old001.jpg", "holiday_2024.jpg"}));
    EXPECT_TRUE(QFileInfo::exists(w.rx + QStringLiteral("holiday_2024.jpg")));
}

TEST(Form1Watch, APictureFilledInAfterARerequestGetsItsNewThumbnailWhereItIs) {
    const QString name = QStringLiteral("old000.jpg");
    WatchedFolder w(13, 12, [&](const QString& rx) {
        QDir().mkpath(rx);
        rewrite(rx + name, jpegBytes(Qt::red, Qt::gray));
        test::setModified(rx + name, QDateTime::currentDateTime().addDays(-2));
    });
    w.form.ckNext_MouseDown();
    ASSERT_EQ(w.names().value(12), name); // the oldest: page 2, cell 0
    ASSERT_GT(cellLowerColour(w.form, 0).green(), 100);
    w.form.grid()->setCellSelected(1, true);
    const QStringList rows = w.names();

    rewrite(w.rx + name, jpegBytes(Qt::red));
    QTRY_COMPARE(w.form.folderWatch().pendingCount(), 1);
    w.advance(1000);
    QTRY_VERIFY(cellLowerColour(w.form, 0).green() < 60);
    QTRY_VERIFY(!w.form.session().isTakingIn());
    EXPECT_GT(cellLowerColour(w.form, 0).red(), 200);
    EXPECT_LT(lowerColour(QImage(w.rx + QStringLiteral("ThumbFiles/") + name)).green(), 60);
    // Newer now, yet where it was: the page, the selection and the order stay.
    EXPECT_EQ(w.names(), rows);
    EXPECT_EQ(w.t.state.catalogue.currentPage, 2);
    EXPECT_EQ(w.form.tabs()->currentIndex(), 1);
    EXPECT_TRUE(w.form.grid()->isCellSelected(1));
    EXPECT_EQ(w.t.state.catalogue.rows[12].modified,
              QFileInfo(w.rx + name).lastModified().toSecsSinceEpoch());
    EXPECT_TRUE(w.t.prompts.shown().isEmpty());
}

TEST(Form1Watch, APictureStillWrittenWhileTheFolderIsScannedIsTakenInAgainOnceComplete) {
    const QString path = QStringLiteral("rx 2.jpg");
    const QByteArray bytes = jpegBytes(Qt::red);
    WatchedFolder w(3, 12, [&](const QString& rx) {
        QDir().mkpath(rx);
        rewrite(rx + path, bytes.left(bytes.size() / 2));
    });
    ASSERT_EQ(w.names().value(0), path);
    ASSERT_FALSE(cellLowerColour(w.form, 0).red() > 200); // its lower half is not there yet

    append(w.rx + path, bytes.mid(bytes.size() / 2));
    QTRY_COMPARE(w.form.folderWatch().pendingCount(), 1);
    w.advance(1000);
    QTRY_VERIFY(cellLowerColour(w.form, 0).red() > 200);
    QTRY_VERIFY(!w.form.session().isTakingIn());
    EXPECT_EQ(w.names().size(), 4);
}
