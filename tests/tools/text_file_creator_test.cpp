#include "tools/form10.h"
#include "tools/text_file_creator.h"

#include "support/test_context.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct BytesCase {
    const char* text;
    const char* bytes;
};

class TextFileBytes : public ::testing::TestWithParam<BytesCase> {};

TEST_P(TextFileBytes, LinesEndInCrLfAndOneMore) {
    EXPECT_EQ(textFileBytes(QString::fromUtf8(GetParam().text)), QByteArray(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(Save, TextFileBytes,
                         ::testing::Values(BytesCase{"", "\r\n"}, BytesCase{"CQ", "CQ\r\n"},
                                           BytesCase{"a\nb", "a\r\nb\r\n"},
                                           BytesCase{"a\r\nb\n", "a\r\nb\r\n\r\n"},
                                           BytesCase{"KØXYZ", "K\xC3\x98XYZ\r\n"}));

TEST(TextFileCreator, DialogFolderAndUnwritablePath) {
    EXPECT_EQ(dialogFolderOf(QStringLiteral("/home/op/a b.txt")), QStringLiteral("/home/op/"));
    EXPECT_TRUE(dialogFolderOf(QString()).isEmpty());
    const QString why = saveTextFile(QStringLiteral("/no/such/folder/x.txt"), QStringLiteral("x"));
    EXPECT_FALSE(why.isEmpty());
}

class Form10Test : public ::testing::Test {
protected:
    void SetUp() override {
        t.readTextTable();
        window = new Form10(t.ctx, &opener);
        window->Form_Load();
    }
    void TearDown() override { delete window.data(); }
    QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
    }

    test::TestContext t;
    QWidget opener;
    QPointer<Form10> window;
};

TEST_F(Form10Test, SavesEmptyTextAsALineBreakAndRemembersTheFolder) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quiverel  Create Text File"));
    EXPECT_FALSE(opener.isEnabled());
    const QString path = t.app.path() + QStringLiteral("/my notes.txt");
    t.prompts.answerText(path);
    window->cmdSave_Click();
    EXPECT_EQ(read(path), QByteArray("\r\n"));
    EXPECT_EQ(t.state.folders.lastDialogFolder, t.app.path() + u'/');
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown()[0].title, t.state.text[78]);

    // Saved again under the same name: replaced, and the window stays.
    window->Text1->setPlainText(QStringLiteral("73\nde"));
    t.prompts.answerText(path);
    window->cmdSave_Click();
    EXPECT_EQ(read(path), QByteArray("73\r\nde\r\n"));
    EXPECT_EQ(t.prompts.shown().last().text, t.app.path() + u'/'); // starts in that folder
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Form10Test, CancelledDialogWritesNothing) {
    t.prompts.answerText(QString());
    window->cmdSave_Click();
    EXPECT_TRUE(t.state.folders.lastDialogFolder.isEmpty());
    EXPECT_EQ(t.prompts.messages().size(), 0);
}

TEST_F(Form10Test, UnwritableFileIsToldWithPathAndReason) {
    const QString path = t.app.path() + QStringLiteral("/missing/x.txt");
    t.prompts.answerText(path);
    window->cmdSave_Click();
    ASSERT_EQ(t.prompts.messages().size(), 1);
    EXPECT_TRUE(t.prompts.messages()[0].contains(path));
    EXPECT_TRUE(t.state.folders.lastDialogFolder.isEmpty());
}

TEST_F(Form10Test, PasteToTxPutsTextOnClipboardClosesAndPastesIntoEasyPal) {
    t.desktop.windowTitles = {QStringLiteral("EasyPal 2024")};
    window->Text1->setPlainText(QStringLiteral("CQ CQ"));
    window->cmdPaste_Click();
    EXPECT_EQ(t.desktop.clipboard.text, QStringLiteral("CQ CQ"));
    EXPECT_TRUE(t.desktop.clipboard.picture.isNull());
    EXPECT_TRUE(opener.isEnabled());
    QTRY_VERIFY(window.isNull());
    QTRY_VERIFY(t.desktop.log.contains(QStringLiteral("keys {F7}")));
    EXPECT_TRUE(t.desktop.log.contains(QStringLiteral("activate EasyPal")));
}

} // namespace
