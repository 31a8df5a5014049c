// The help window's help, about and setup pages.

#include "help_fixture.h"
#include "tools/setup_mug_shot.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quiverel {
namespace {

TEST(FrmHelp, OpensOnTheHelpTextOfTheLanguage) {
    test::HelpContext t;
    auto w = t.open(HelpPage::Help);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Help"));
    EXPECT_TRUE(w->frHelp->isVisible());
    EXPECT_FALSE(w->frmSetup->isVisible());
    EXPECT_EQ(w->txtHelp->toPlainText(), QStringLiteral("First help line\nSecond\n"));
    EXPECT_EQ(w->cmdJP2->text(), t.state.text[13] + QStringLiteral(" Quiverel"));
    EXPECT_EQ(w->size(), QSize(470, 400));
}

TEST(FrmHelp, MissingHelpFileSaysWhereItWasLookedFor) {
    test::HelpContext t;
    QFile::remove(t.app.path() + QStringLiteral("/Help.txt"));
    auto w = t.open(HelpPage::Help);
    EXPECT_TRUE(w->txtHelp->toPlainText().contains(t.app.path() + QStringLiteral("/Help.txt")));
}

TEST(FrmHelp, AboutPageNamesTheProgramAndThanksTheConverterMakers) {
    test::HelpContext t;
    auto w = t.open(HelpPage::About);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("About"));
    EXPECT_TRUE(w->frAbout->isVisible());
    EXPECT_FALSE(w->frHelp->isVisible());
    EXPECT_TRUE(w->lblQuiverel->text().startsWith(QStringLiteral("Quiverel (v 3.54)\n")));
    EXPECT_TRUE(w->lblIrfan->text().contains(QStringLiteral("thanks")));
}

TEST(FrmHelp, SetupPageShowsTheSettingsInUse) {
    test::HelpContext t;
    t.state.settings.callSign = QStringLiteral("QV1DEV");
    t.state.settings.callSignPrefix = QStringLiteral("Y");
    t.state.settings.thumbsPerPage = 12;
    t.state.folders.rows = {{QStringLiteral("Inbox"), QStringLiteral("/in/")},
                            {QStringLiteral("Sent"), QStringLiteral("/sent/")}};
    t.state.settings.startupFolder = QStringLiteral("/sent/");
    auto w = t.open(HelpPage::Setup);
    EXPECT_EQ(w->windowTitle(), t.state.text[13]);
    EXPECT_TRUE(w->frmSetup->isVisible());
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("QV1DEV"));
    EXPECT_TRUE(w->optYes->isChecked());
    EXPECT_TRUE(w->opt12->isChecked());
    EXPECT_EQ(w->txtWinDRM->text(), t.app.path());
    EXPECT_EQ(w->Combo1->count(), 2);
    EXPECT_EQ(w->Combo1->currentText(), QStringLiteral("Sent"));
    // A choice counts at once, confirmed or not.
    w->Combo1->setCurrentIndex(0);
    w->Combo1_Click(0);
    EXPECT_EQ(t.state.settings.startupFolder, QStringLiteral("/in/"));
}

TEST(FrmHelp, TypedCallSignInCapitalsWithSlashedZero) {
    test::HelpContext t;
    auto w = t.open(HelpPage::Setup);
    w->txtCall->clear();
    QTest::keyClicks(w->txtCall, QStringLiteral("k0xyz"));
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("KØXYZ"));
    EXPECT_EQ(w->txtCall->cursorPosition(), 5);
}

TEST(FrmHelp, FiveBySixRestartsTheMainWindowAndCloses) {
    test::HelpContext t;
    auto w = t.open(HelpPage::Setup);
    w->opt30->setChecked(true);
    w->cmdOkSetup->click();
    EXPECT_EQ(t.restarts, 1);
    EXPECT_FALSE(w->isVisible());
    ASSERT_EQ(t.setupLines().size(), 26);
    EXPECT_EQ(t.setupLines()[13], QStringLiteral("30"));
}

TEST(FrmHelp, OnlyTheCallSignChangedNeedsNoRestart) {
    test::HelpContext t;
    auto w = t.open(HelpPage::Setup);
    w->txtCall->setText(QStringLiteral("W1ABC"));
    w->cmdOkSetup->click();
    EXPECT_EQ(t.restarts, 0);
    EXPECT_EQ(t.state.settings.callSign, QStringLiteral("W1ABC"));
    EXPECT_EQ(t.setupLines().value(1), QStringLiteral("W1ABC"));
    EXPECT_FALSE(w->isVisible());
}

TEST(FrmHelp, MissingWinDrmFolderIsToldAndTheHelpPageComesBack) {
    test::HelpContext t;
    auto w = t.open(HelpPage::Setup);
    const QString gone = t.app.path() + QStringLiteral("/gone");
    w->txtWinDRM->setText(gone);
    w->opt30->setChecked(true);
    w->cmdOkSetup->click();
    ASSERT_EQ(t.prompts.messages().size(), 1);
    EXPECT_EQ(t.prompts.messages()[0],
              t.state.text[76] + gone + t.state.text[93] + u'\n' + t.state.text[94]);
    EXPECT_EQ(t.restarts, 0);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->frHelp->isVisible());
    EXPECT_EQ(t.setupLines().value(0), gone); // written before the check
}

TEST(FrmHelp, BrowsedWinDrmFolderEndsInSlash) {
    test::HelpContext t;
    auto w = t.open(HelpPage::Setup);
    t.prompts.answerText(QStringLiteral("/home/op/drm"));
    w->cmd2->click();
    EXPECT_EQ(w->txtWinDRM->text(), QStringLiteral("/home/op/drm/"));
    EXPECT_EQ(t.state.folders.targetFolder, QStringLiteral("/home/op/drm"));
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].title, t.state.text[25]);
}

TEST(FrmHelp, CancelledMugDialogDeletesMugJpg) {
    test::HelpContext t;
    QImage(40, 30, QImage::Format_RGB32).save(mugShotPath(t.app.path()), "JPG");
    auto w = t.open(HelpPage::Setup);
    EXPECT_TRUE(w->imgPix->isVisible());
    t.prompts.answerCancel();
    w->cmdPic->click();
    EXPECT_FALSE(QFile::exists(mugShotPath(t.app.path())));
    EXPECT_FALSE(w->imgPix->isVisible());
}

TEST(FrmHelp, MugShotThatIsNoPictureShowsNothing) {
    test::HelpContext t;
    t.app.write(QStringLiteral("Mug.jpg"), "not a picture");
    auto w = t.open(HelpPage::Setup);
    EXPECT_FALSE(w->imgPix->isVisible());
    QFile::remove(mugShotPath(t.app.path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(mugShotPath(t.app.path())).constData(), 0600), 0);
    w->cmdJP2_Click(); // would wait for a writer if it opened the FIFO
    EXPECT_FALSE(w->imgPix->isVisible());
}

TEST(FrmHelp, ChosenMugShotIsCopiedAndFittedInItsBox) {
    test::HelpContext t;
    const QString chosen = t.app.path() + QStringLiteral("/my pics/wide 'me'.bmp");
    QDir().mkpath(t.app.path() + QStringLiteral("/my pics"));
    QImage wide(200, 50, QImage::Format_RGB32);
    wide.fill(Qt::red);
    ASSERT_TRUE(wide.save(chosen, "BMP"));
    auto w = t.open(HelpPage::Setup);
    EXPECT_FALSE(w->imgPix->isVisible());
    t.prompts.answerText(chosen);
    w->cmdPic->click();
    EXPECT_TRUE(QFile::exists(mugShotPath(t.app.path())));
    EXPECT_EQ(t.state.folders.lastDialogFolder, t.app.path() + QStringLiteral("/my pics/"));
    ASSERT_TRUE(w->imgPix->isVisible());
    // 200 x 50 pixels: 100 wide in a box 100 x 80 centred at 390, 163.
    EXPECT_EQ(w->imgPix->geometry(), QRect(340, 151, 100, 25));
}

} // namespace
} // namespace quiverel
