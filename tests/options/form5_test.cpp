#include "options/form5.h"

#include "catalogue/file_names.h"
#include "options_fixture.h"
#include "support/test_context.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QMovie>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace quiverel;
using test::writeBytes;
using test::writePicture;

namespace {

class Panel : public ::testing::Test {
protected:
    void SetUp() override {
        t.readTextTable();
        folder = t.app.path() + QStringLiteral("/pics/");
        QDir().mkpath(folder);
    }
    void TearDown() override { delete panel.data(); }

    Form5& open(const QString& name) {
        panel = new Form5(t.ctx,
                          test::pictureRequest(folder, name, test::plainPicture(QSize(112, 84))));
        panel->setAttribute(Qt::WA_DeleteOnClose, false);
        panel->Form_Load();
        panel->show();
        return *panel;
    }
    std::array<bool, kOptionEntries> enabled() const {
        std::array<bool, kOptionEntries> e{};
        for (int i = 0; i < kOptionEntries; ++i)
            e[i] = panel->lblOpt[i]->isEnabled();
        return e;
    }
    static void moveOver(QWidget* w) {
        const QPointF p(w->width() / 2.0, w->height() / 2.0);
        QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    test::TestContext t;
    QString folder;
    QPointer<Form5> panel;
};

constexpr bool Y = true, N = false;

TEST_F(Panel, TextFileShowsItsThumbnailWithFourEntriesOff) {
    writeBytes(folder + "notes.txt", "hello");
    Form5& p = open("notes.txt");
    EXPECT_EQ(enabled(), (std::array<bool, kOptionEntries>{N, N, Y, Y, Y, N, Y, N, Y, Y}));
    EXPECT_FALSE(p.AniGIF1->pixmap().isNull());
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    EXPECT_EQ(p.windowTitle(), "notes.txt");
    moveOver(p.lblOpt[RenameEntry]);
    moveOver(p.lblOpt[ConvertEntry]); // disabled: no entry stays highlighted
    for (int i = 0; i < kOptionEntries; ++i)
        EXPECT_NE(p.lblOpt[i]->palette().color(QPalette::Window), QColor(0x00, 0x00, 0x99)) << i;
}

TEST_F(Panel, AnimatedGifPlaysWithComposerOff) {
    writeBytes(folder + "anim.gif", test::animatedGifBytes());
    Form5& p = open("anim.gif");
    EXPECT_TRUE(p.animatedGif());
    EXPECT_EQ(enabled(), (std::array<bool, kOptionEntries>{N, Y, Y, Y, Y, Y, Y, Y, Y, Y}));
    ASSERT_NE(p.AniGIF1->movie(), nullptr);
    EXPECT_EQ(p.AniGIF1->movie()->state(), QMovie::Running);
}

TEST_F(Panel, CorruptPictureIsToldAndPanelStaysUsable) {
    writeBytes(folder + "broken.jpg", "\xff\xd8 not a jpeg");
    Form5& p = open("broken.jpg");
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].title, "Brisendale");
    EXPECT_EQ(t.prompts.shown()[0].text, "Can't display this image");
    QSignalSpy closed(&p, &Form5::closed);
    QTest::mouseClick(p.lblOpt[CloseEntry], Qt::LeftButton);
    ASSERT_EQ(closed.size(), 1);
    EXPECT_FALSE(closed[0][0].value<OptionsResult>().composerChosen);
}

TEST_F(Panel, HoverHighlightsOneEntryAndLeavingClearsAll) {
    writePicture(folder + "a.png", test::plainPicture(QSize(64, 48)));
    Form5& p = open("a.png");
    moveOver(p.lblOpt[CloseEntry]);
    moveOver(p.lblOpt[3]);
    for (int i = 0; i < kOptionEntries; ++i) {
        const QImage shot = p.lblOpt[i]->grab().toImage();
        const QColor corner = shot.pixelColor(shot.width() - 2, 1);
        if (i == 3) {
            EXPECT_EQ(corner, QColor(0x00, 0x00, 0x99));
            EXPECT_EQ(p.lblOpt[i]->palette().color(QPalette::WindowText), QColor(Qt::white));
        } else {
            EXPECT_EQ(corner, p.palette().color(QPalette::Window)) << i;
        }
    }
    moveOver(p.AniGIF1); // from the list to the preview
    for (int i = 0; i < kOptionEntries; ++i) {
        EXPECT_EQ(p.lblOpt[i]->palette().color(QPalette::Window),
                  p.palette().color(QPalette::Window))
            << i;
        EXPECT_EQ(p.lblOpt[i]->palette().color(QPalette::WindowText), QColor(Qt::black)) << i;
    }
}

TEST_F(Panel, ComposerEntryHandsOverAndSaysSoOnClosing) {
    writePicture(folder + "a.png", test::plainPicture(QSize(64, 48)));
    Form5& p = open("a.png");
    QSignalSpy closed(&p, &Form5::closed);
    QTest::mouseClick(p.lblOpt[EditInComposer], Qt::LeftButton);
    EXPECT_EQ(t.windows.opened, QList<WindowKind>{WindowKind::Composer});
    EXPECT_EQ(t.windows.calls[0].composer.picture.folder, folder);
    EXPECT_EQ(t.windows.calls[0].composer.picture.fileName, "a.png");
    ASSERT_EQ(closed.size(), 1);
    EXPECT_TRUE(closed[0][0].value<OptionsResult>().composerChosen);
}

TEST_F(Panel, MoveOntoTakenNameOpensRenameReplaceAndStaysOpen) {
    writePicture(folder + "a.png", test::plainPicture(QSize(64, 48)));
    const QString other = t.app.path() + "/other/";
    writePicture(other + "a.png", test::plainPicture(QSize(30, 20), Qt::red));
    const QByteArray existing = test::readBytes(other + "a.png");
    Form5& p = open("a.png");
    QSignalSpy closed(&p, &Form5::closed);
    t.prompts.answerText(other);
    QTest::mouseClick(p.lblOpt[MoveEntry], Qt::LeftButton);
    ASSERT_EQ(t.windows.calls.size(), 1);
    const ClashRequest& clash = t.windows.calls[0].clash;
    EXPECT_EQ(t.windows.calls[0].kind, WindowKind::RenameReplace);
    EXPECT_EQ(clash.mode, 5);
    EXPECT_TRUE(clash.move);
    EXPECT_EQ(clash.fileName, "a.png");
    EXPECT_EQ(clash.sourceFolder, folder);
    EXPECT_EQ(clash.sourceRow, 0);
    EXPECT_EQ(clash.targetPicture.size(), QSize(30, 20));
    EXPECT_EQ(test::readBytes(other + "a.png"), existing);
    EXPECT_TRUE(QFile::exists(folder + "a.png"));
    EXPECT_EQ(p.result().targetFolder, other);
    EXPECT_TRUE(closed.isEmpty());
    ASSERT_EQ(t.prompts.shown().size(), 1); // only the folder browse
    EXPECT_EQ(t.prompts.shown()[0].title, "Move the picture to which folder?");
}

TEST_F(Panel, CopyToOwnFolderRefusedPanelStays) {
    writePicture(folder + "a.png", test::plainPicture(QSize(64, 48)));
    Form5& p = open("a.png");
    QSignalSpy closed(&p, &Form5::closed);
    t.prompts.answerText(folder.toUpper());
    QTest::mouseClick(p.lblOpt[CopyEntry], Qt::LeftButton);
    EXPECT_EQ(t.prompts.messages(), QStringList{t.state.text[87]});
    EXPECT_TRUE(closed.isEmpty());
}

TEST_F(Panel, ConvertFramePreselectsOwnFormatAndAsksWithoutChoice) {
    writePicture(folder + "a.png", test::plainPicture(QSize(64, 48)));
    Form5& p = open("a.png");
    QTest::mouseClick(p.lblOpt[ConvertEntry], Qt::LeftButton);
    EXPECT_TRUE(p.frmConv->isVisible());
    ASSERT_EQ(p.lstConv->count(), 5);
    EXPECT_EQ(p.lstConv->currentItem()->text(), "PNG");
    p.lstConv->clearSelection();
    QSignalSpy closed(&p, &Form5::closed);
    p.cmdOkConv_Click();
    EXPECT_EQ(t.prompts.messages(), QStringList{"Please select a format first."});
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_TRUE(QFile::exists(folder + "a.png"));
}

TEST_F(Panel, RenameThroughFrameRefreshesCatalogue) {
    writePicture(folder + "a.png", test::plainPicture(QSize(64, 48)));
    Form5& p = open("a.png");
    QSignalSpy changed(&p, &Form5::catalogueChanged);
    QTest::mouseClick(p.lblOpt[RenameEntry], Qt::LeftButton);
    EXPECT_EQ(p.txtRename->text(), "a.png");
    p.txtRename->setText("b.final");
    p.cmdRename_Click();
    EXPECT_TRUE(QFile::exists(folder + "b.png"));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(p.result().renamedTo, "b.png");
}

TEST_F(Panel, DeleteAnsweredNoKeepsPictureAndCloses) {
    writePicture(folder + "a.png", test::plainPicture(QSize(64, 48)));
    Form5& p = open("a.png");
    QSignalSpy removed(&p, &Form5::pictureRemoved);
    QSignalSpy closed(&p, &Form5::closed);
    t.prompts.answer(PromptAnswer::No);
    QTest::mouseClick(p.lblOpt[DeleteEntry], Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(folder + "a.png"));
    EXPECT_TRUE(removed.isEmpty());
    EXPECT_EQ(closed.size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].icon, PromptIcon::Critical);
}

TEST_F(Panel, EditThatSavesNothingRefreshesNothing) {
    writePicture(folder + "a.png", test::plainPicture(QSize(64, 48)));
    Form5& p = open("a.png");
    QSignalSpy changed(&p, &Form5::catalogueChanged);
    QTest::mouseClick(p.lblOpt[EditInConverter], Qt::LeftButton);
    EXPECT_TRUE(changed.isEmpty());
    EXPECT_FALSE(QFile::exists(thumbnailPathOf(folder, "a.png")));
}

TEST_F(Panel, FtpEntryShowsTheFtpArea) {
    writePicture(folder + "a.png", test::plainPicture(QSize(64, 48)));
    Form5& p = open("a.png");
    EXPECT_FALSE(p.ftpArea->isVisible());
    QTest::mouseClick(p.lblOpt[FtpEntry], Qt::LeftButton);
    EXPECT_TRUE(p.ftpArea->isVisible());
    EXPECT_EQ(p.ftpArea->x(), 0);
    EXPECT_EQ(p.ftpArea->width(), p.width());
    EXPECT_NEAR(p.ftpArea->y() + p.ftpArea->height(), p.height(), 1);
}

} // namespace
