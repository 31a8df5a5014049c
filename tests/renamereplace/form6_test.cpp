#include "renamereplace/form6.h"

#include "clash_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace quiverel;
using namespace quiverel::test;

namespace {

class Form6Test : public ::testing::Test, public ClashFixture {
protected:
    Form6* open(const ClashRequest& r) {
        auto* dialog = new Form6(ctx.ctx, r);
        dialog->Form_Load();
        window = dialog;
        return dialog;
    }
    void TearDown() override { delete window.data(); }
    QPointer<Form6> window;
};

TEST_F(Form6Test, ShowsBothFoldersSizesAndAFreeName) {
    save(oldPicture, to() + QStringLiteral("sky_1.jpg"));
    ClashRequest r = copyRequest(false);
    r.targetPicture = picture(Qt::red, QSize(320, 256));
    Form6* d = open(r);
    EXPECT_EQ(d->windowTitle(), u"sky.jpg");
    EXPECT_EQ(d->size(), QSize(400, 320));
    EXPECT_EQ(d->txtRename->text(), u"sky_2.jpg");
    EXPECT_EQ(d->Label3->text(), u"sky.jpg\n " + ctx.state.text[42]);
    EXPECT_TRUE(d->Label1->text().endsWith(u"\n64 x 48 " + ctx.state.text[8]));
    EXPECT_TRUE(d->Label2->text().endsWith(u"\n320 x 256 " + ctx.state.text[8]));
    EXPECT_EQ(d->cmdReplace->text(), ctx.state.text[43]);
}

TEST_F(Form6Test, DrawsTheBluePicturesAndArrowheads) {
    Form6* d = open(copyRequest(false));
    const QImage shot = d->grab().toImage();
    // The new picture is blue, the old one red, each fitted into its area.
    EXPECT_EQ(shot.pixelColor(100, 70).blue(), 255);
    EXPECT_EQ(shot.pixelColor(300, 70).red(), 255);
    // Arrowheads: wide at x = 192, a point at x = 206, nothing left of them.
    EXPECT_EQ(shot.pixelColor(192, 41), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(206, 95), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(206, 60), QColor(0xAA, 0xAA, 0xAA));
}

TEST_F(Form6Test, CancelWritesNothing) {
    const QStringList before = namesIn(to());
    Form6* d = open(saveRequest(QStringLiteral("sky.jpg")));
    d->cmdCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(namesIn(to()), before);
    EXPECT_TRUE(ctx.prompts.messages().isEmpty());
}

TEST_F(Form6Test, UnreadableExistingFileShowsNoPictureAndEscCancels) {
    ClashRequest r = saveRequest(QStringLiteral("sky.jpg"));
    r.targetPicture = QImage();
    Form6* d = open(r);
    EXPECT_TRUE(d->Label2->text().endsWith(u"\n0 x 0 " + ctx.state.text[8]));
    EXPECT_TRUE(d->img2->pixmap().isNull());
    QTest::keyClick(d, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(isRed(middleOf(to() + QStringLiteral("sky.jpg"))));
}

TEST_F(Form6Test, TakenNameKeepsTheDialogOpen) {
    Form6* d = open(copyRequest(false));
    d->txtRename->setText(QStringLiteral("sky.final"));
    d->cmdRename->click();
    EXPECT_EQ(ctx.prompts.messages(), QStringList{ctx.state.text[92] + u" sky.jpg"});
    EXPECT_TRUE(d->isVisible());
}

TEST_F(Form6Test, MoveAsksTheGridToDropTheSourceAndCloses) {
    Form6* d = open(copyRequest(true));
    QSignalSpy removed(d, &Form6::sourceRemoved);
    d->cmdReplace->click();
    EXPECT_EQ(removed.count(), 1);
    ASSERT_EQ(ctx.prompts.messages().size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(Form6Test, MovesTheFileItWasOpenedForWhateverIsCurrentAtTheClick) {
    const QString other = ctx.app.path() + QStringLiteral("/Other/");
    QDir().mkpath(other);
    for (const bool rename : {false, true}) {
        SCOPED_TRACE(rename ? "Rename" : "Replace");
        save(newPicture, from() + QStringLiteral("sky.jpg"));
        save(picture(Qt::green), other + QStringLiteral("sky.jpg"));
        Form6* d = open(copyRequest(true));
        // Meanwhile the main window shows another folder with a file of the
        // same name, another thumbnail selected.
        CurrentPicture& cur = ctx.state.current;
        cur.folder = other;
        cur.fileName = QStringLiteral("sky.jpg");
        ctx.state.catalogue.selectedIndex = 5;
        QSignalSpy removed(d, &Form6::sourceRemoved);
        (rename ? d->cmdRename : d->cmdReplace)->click();

        const QString written =
            to() + (rename ? QStringLiteral("sky_1.jpg") : QStringLiteral("sky.jpg"));
        EXPECT_TRUE(isBlue(middleOf(written)));
        EXPECT_FALSE(QFile::exists(from() + QStringLiteral("sky.jpg")));
        const QColor untouched = middleOf(other + QStringLiteral("sky.jpg"));
        EXPECT_TRUE(untouched.green() > 200 && untouched.blue() < 60);
        ASSERT_EQ(removed.count(), 1);
        EXPECT_EQ(removed[0], (QVariantList{from(), QStringLiteral("sky.jpg"), 2}));
        EXPECT_TRUE(ctx.prompts.messages().last().startsWith(from() + u"sky.jpg\n"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
    }
}

} // namespace
