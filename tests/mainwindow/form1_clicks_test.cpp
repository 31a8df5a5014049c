#include "mainwindow/form1.h"

#include "catalogue/file_names.h"
#include "catalogue/thumbnail_grid.h"
#include "desktop/column_menu.h"
#include "mainwindow/hover_info.h"
#include "support/test_context.h"
#include "util/text_file.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTabBar>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct ClickTest : ::testing::Test {
    test::TestContext t;
    std::unique_ptr<Form1> form;

    void open(int pictures, int perPage = 12) {
        t.app.write(QStringLiteral("ini/Folders.ini"),
                    "Rx\r\n" + QFile::encodeName(t.app.path()) + "/rx/\r\n");
        t.app.write(QStringLiteral("ini/Setup.ini"),
                    "\"\"\r\n\"\"\r\n\"N\"\r\n\"\"\r\n\"English\"\r\n\"0\"\r\n\"770\"\r\n\"\"\r\n\""
                    "\"\r\n\"\"\r\n"
                    "\"N\"\r\n\"0\"\r\n\"0\"\r\n\"" +
                        QByteArray::number(perPage) + "\"\r\n");
        QDir().mkpath(t.app.path() + QStringLiteral("/rx"));
        for (int i = 0; i < pictures; ++i) {
            QImage img(40 + i, 30, QImage::Format_RGB32);
            img.fill(Qt::darkGreen);
            img.save(t.app.path() + QStringLiteral("/rx/p%1.png").arg(i, 2, 10, QLatin1Char('0')));
        }
        form = std::make_unique<Form1>(t.ctx);
        form->Form_Load();
        t.state.settings.autoPaste = false;
    }
    void click(int cell, Qt::KeyboardModifiers mods = {}, Qt::MouseButton button = Qt::LeftButton) {
        Q_EMIT form->grid()->cellPressed(cell, button, mods);
        form->clicks().run();
    }
    QString nameAt(int cell) const { return t.state.catalogue.rows[cell].fileName; }
};

} // namespace

TEST_F(ClickTest, CtrlClickOnlyMarksAndAClickSelectsAndHandsOff) {
    open(3);
    click(1, Qt::ControlModifier);
    EXPECT_TRUE(form->grid()->isCellMarked(1));
    EXPECT_TRUE(QDir(t.state.transmit.txFolder).isEmpty());
    click(2);
    EXPECT_FALSE(form->grid()->isCellMarked(1));
    EXPECT_TRUE(form->grid()->isCellSelected(2));
    EXPECT_EQ(t.state.current.fileName, nameAt(2));
    EXPECT_TRUE(QFileInfo::exists(t.state.transmit.txFolder + u'/' + t.state.current.baseName +
                                  QStringLiteral(".bmp")));
    // A right click prepares the files and asks for the options panel.
    click(0, {}, Qt::RightButton);
    EXPECT_EQ(t.windows.opened.last(), WindowKind::OptionsPanel);
}

TEST_F(ClickTest, DeleteAsksForOnePictureOrForTheMarkedOnes) {
    open(5);
    const QString first = nameAt(0);
    click(0);
    t.prompts.answer(PromptAnswer::No);
    form->Form_KeyDown(Qt::Key_Delete, {});
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].text,
              t.state.text[33] + QStringLiteral("  ") + t.state.current.folder + first);
    EXPECT_EQ(t.state.catalogue.rows.size(), 5);

    t.prompts.answer(PromptAnswer::Yes);
    form->Form_KeyDown(Qt::Key_Delete, {});
    EXPECT_EQ(t.state.catalogue.rows.size(), 4);
    EXPECT_FALSE(QFileInfo::exists(t.app.path() + QStringLiteral("/rx/") + first));
    EXPECT_TRUE(t.desktop.log.contains(QStringLiteral("trash ") + t.app.path() +
                                       QStringLiteral("/rx/") + first));

    const QString a = nameAt(1), b = nameAt(3);
    click(1, Qt::ControlModifier);
    click(3, Qt::ControlModifier);
    t.prompts.answer(PromptAnswer::Yes);
    form->Form_KeyDown(Qt::Key_Delete, {});
    EXPECT_EQ(t.prompts.shown().last().text, QStringLiteral("Confirm multiple delete"));
    EXPECT_EQ(t.prompts.shown().last().title, QStringLiteral("Multiple delete"));
    EXPECT_EQ(t.state.catalogue.rows.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(t.app.path() + QStringLiteral("/rx/") + a));
    EXPECT_FALSE(QFileInfo::exists(t.app.path() + QStringLiteral("/rx/ThumbFiles/") +
                                   b.left(b.size() - 4) + QStringLiteral(".jpg")));
    EXPECT_EQ(form->picturesLabel()->text(), QStringLiteral("Rx  2 ") + t.state.text[6]);
}

TEST_F(ClickTest, AFileTheTrashRefusesStaysAndTheUserIsTold) {
    open(2);
    t.desktop.refuseTrash = true;
    const QString name = nameAt(0);
    click(0);
    t.prompts.answer(PromptAnswer::Yes);
    form->Form_KeyDown(Qt::Key_Delete, {});
    EXPECT_TRUE(QFileInfo::exists(t.app.path() + QStringLiteral("/rx/") + name));
    EXPECT_TRUE(t.prompts.shown().last().text.contains(QStringLiteral("stays where it is")));
    form->ShowFolder();
    EXPECT_EQ(t.state.catalogue.rows.size(), 2);
}

TEST_F(ClickTest, DeleteWithoutASelectionDoesNothingAndPageKeysWrap) {
    open(30);
    form->Form_KeyDown(Qt::Key_Delete, {});
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    form->Form_KeyDown(Qt::Key_PageDown, {});
    EXPECT_EQ(t.state.catalogue.currentPage, 3);
    form->Form_KeyDown(Qt::Key_PageUp, {});
    EXPECT_EQ(t.state.catalogue.currentPage, 1);
    form->Form_KeyDown(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(t.state.catalogue.currentPage, 2);
    form->Form_KeyDown(Qt::Key_Plus, {}); // the main keyboard's plus is not a page key
    EXPECT_EQ(t.state.catalogue.currentPage, 2);
}

TEST_F(ClickTest, HoverTextShowsTheTruePictureSizeOnceAndTextFilesOpenInTheEditor) {
    open(2);
    const int k = 0;
    Q_EMIT form->grid()->cellHovered(k);
    EXPECT_TRUE(form->hover().text().contains(QStringLiteral("x 30")));
    EXPECT_EQ(form->hover().index(), k);
    EXPECT_TRUE(form->hover().text().startsWith(u' ' + nameAt(0) + QStringLiteral("   ")));

    t.app.write(QStringLiteral("rx/zz notes.txt"), "hello");
    form->ShowFolder();
    int textCell = -1;
    for (int i = 0; i < t.state.catalogue.rows.size(); ++i)
        if (nameAt(i).endsWith(QStringLiteral(".txt"))) textCell = i;
    ASSERT_GE(textCell, 0);
    Q_EMIT form->grid()->cellDoubleClicked(textCell);
    EXPECT_TRUE(t.desktop.log.contains(QStringLiteral("edit ") + t.app.path() +
                                       QStringLiteral("/rx/zz notes.txt")));
    EXPECT_FALSE(t.windows.opened.contains(WindowKind::Viewer));
}

TEST_F(ClickTest, AddFolderSortsTheMenuAndRefusesAFolderTwice) {
    open(1);
    QDir().mkpath(t.app.path() + QStringLiteral("/abc"));
    t.prompts.answerText(t.app.path() + QStringLiteral("/abc"));
    t.prompts.answerText(QStringLiteral("Alpha"));
    form->AddFolder();
    ASSERT_EQ(form->menus.mnuFolderEntry.size(), 2);
    EXPECT_EQ(form->menus.mnuFolderEntry[0]->text(), QStringLiteral("Alpha"));
    EXPECT_EQ(readTextLines(t.app.ini(QStringLiteral("Folders.ini"))).first(),
              QStringLiteral("Alpha"));
    EXPECT_EQ(t.state.folders.rows[0].path, t.app.path() + QStringLiteral("/abc/"));

    t.prompts.answerText(t.app.path() + QStringLiteral("/abc/"));
    form->AddFolder();
    EXPECT_EQ(t.prompts.shown().last().text, QStringLiteral("Folder\n") + t.app.path() +
                                                 QStringLiteral("/abc/\nis already in menus."));
    EXPECT_EQ(form->menus.mnuFolderEntry.size(), 2);

    for (int i = 0; i < 8; ++i) {
        t.prompts.answerText(QStringLiteral("/f%1").arg(i));
        t.prompts.answerText(QStringLiteral("F%1").arg(i));
        form->AddFolder();
    }
    EXPECT_EQ(form->menus.mnuFolderEntry.size(), 10);
    EXPECT_EQ(form->menus.mnuFolder->rowsPerColumn(), 3);
}

TEST_F(ClickTest, MarksDoNotSurviveAPageChangeSoDeleteTakesOnlyWhatTheUserSeesMarked) {
    open(20);
    click(1, Qt::ControlModifier);
    click(2, Qt::ControlModifier);
    form->ckNext_MouseDown();
    ASSERT_EQ(t.state.catalogue.currentPage, 2);
    EXPECT_FALSE(form->grid()->isCellMarked(1));
    EXPECT_FALSE(form->grid()->isCellMarked(2));
    const QString fourth = nameAt(12 + 3);
    click(3, Qt::ControlModifier);
    t.prompts.answer(PromptAnswer::Yes);
    form->Form_KeyDown(Qt::Key_Delete, {});
    QStringList trashed;
    for (const QString& line : std::as_const(t.desktop.log))
        if (line.startsWith(QStringLiteral("trash ")) && !line.contains(u"ThumbFiles"))
            trashed.append(line);
    EXPECT_EQ(trashed, QStringList({QStringLiteral("trash ") + t.app.path() +
                                    QStringLiteral("/rx/") + fourth}));
    EXPECT_EQ(t.state.catalogue.rows.size(), 19);
}

TEST_F(ClickTest, AMiddleClickDoesNothing) {
    open(2);
    Q_EMIT form->grid()->cellPressed(0, Qt::MiddleButton, {});
    EXPECT_FALSE(form->clicks().isDelaying());
    EXPECT_NE(form->cursor().shape(), Qt::WaitCursor);
}

TEST_F(ClickTest, AClickDuringAHandOffIsHeldAndThenSentWhole) {
    open(3);
    t.state.settings.autoPaste = true;
    t.desktop.windowTitles = {QStringLiteral("EasyPal"), QStringLiteral("MMSSTV")};
    Q_EMIT form->grid()->cellHovered(0); // the pointer rests on the thumbnails
    // The second click comes while the first one's paste keys are typed.
    QTimer::singleShot(700, form.get(), [this] { click(1); });
    click(0);
    EXPECT_EQ(t.state.current.fileName, nameAt(1));
    EXPECT_TRUE(form->grid()->isCellSelected(1));
    EXPECT_FALSE(form->grid()->isCellSelected(0));
    const QString tx = t.state.transmit.txFolder + u'/';
    EXPECT_EQ(QDir(tx).entryList(QDir::Files), QStringList({baseNameOf(nameAt(1)) + ".bmp"}));
    EXPECT_EQ(t.desktop.clipboard.filePath, tx + baseNameOf(nameAt(1)) + ".bmp");
    // Each hand-off typed its whole sequence, one after the other.
    const QStringList sequence = {"activate EasyPal", "keys {F7}", "activate MMSSTV", "keys %{E}",
                                  "keys p"};
    QStringList keys;
    for (const QString& line : std::as_const(t.desktop.log))
        if (line.startsWith(QStringLiteral("activate")) || line.startsWith(QStringLiteral("keys")))
            keys.append(line);
    EXPECT_EQ(keys, sequence + sequence);
}

TEST_F(ClickTest, AfterAddFolderTheInformationLineStillNamesTheFolderShown) {
    open(2); // shows "Rx"
    QDir().mkpath(t.app.path() + QStringLiteral("/abc"));
    t.prompts.answerText(t.app.path() + QStringLiteral("/abc"));
    t.prompts.answerText(QStringLiteral("Alpha")); // sorts before "Rx"
    form->AddFolder();
    EXPECT_EQ(t.state.folders.rows[t.state.current.folderIndex].caption, QStringLiteral("Rx"));
    form->ShowFolder();
    EXPECT_TRUE(form->picturesLabel()->text().startsWith(QStringLiteral("Rx  ")));
}
