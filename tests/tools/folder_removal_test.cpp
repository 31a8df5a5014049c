#include "tools/folder_removal.h"
#include "tools/form9.h"

#include "app/folders_ini.h"
#include "support/test_context.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {

QList<FolderRow> rowsOf(const QStringList& captions) {
    QList<FolderRow> rows;
    for (const QString& c : captions)
        rows.append({c, QStringLiteral("/pics/") + c + QString::number(rows.size()) + u'/'});
    return rows;
}

QStringList captionsOf(const QList<FolderRow>& rows) {
    QStringList c;
    for (const FolderRow& r : rows)
        c.append(r.caption);
    return c;
}

struct RemoveCase {
    QStringList before;
    const char* remove;
    int current;
    int removedIndex;
    QStringList after;
    int currentAfter;
};

class RemoveRow : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveRow, FirstRowWithTheCaption) {
    const RemoveCase& c = GetParam();
    QList<FolderRow> rows = rowsOf(c.before);
    int current = c.current;
    EXPECT_EQ(removeFolderRow(rows, QString::fromUtf8(c.remove), current), c.removedIndex);
    EXPECT_EQ(captionsOf(rows), c.after);
    EXPECT_EQ(current, c.currentAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RemoveRow,
    ::testing::Values(RemoveCase{{"A", "B", "C"}, "B", 0, 1, {"A", "C"}, 0},
                      RemoveCase{{"A", "B", "C"}, "B", 2, 1, {"A", "C"}, 1}, // C stays current
                      RemoveCase{{"A", "B", "C"}, "C", 2, 2, {"A", "B"}, 1},
                      RemoveCase{{"A", "X", "X"}, "X", 0, 1, {"A", "X"}, 0},
                      RemoveCase{{"A"}, "A", 0, 0, {""}, 0},
                      RemoveCase{{"A", "B"}, "Z", 1, -1, {"A", "B"}, 1}));

TEST(FolderRemoval, SecondOfTwoEqualCaptionsKeepsItsPath) {
    QList<FolderRow> rows{{QStringLiteral("X"), QStringLiteral("/one/")},
                          {QStringLiteral("X"), QStringLiteral("/two/")}};
    int current = 0;
    removeFolderRow(rows, QStringLiteral("X"), current);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].path, QStringLiteral("/two/"));
    EXPECT_EQ(pathOfCaption(rows, QStringLiteral("X")), QStringLiteral("/two/"));
}

class Form9Test : public ::testing::Test {
protected:
    void open(const QStringList& captions) {
        delete window.data();
        t.state.folders.rows = rowsOf(captions);
        window = new Form9(t.ctx, nullptr);
        window->Form_Load();
        window->show();
    }
    void TearDown() override { delete window.data(); }
    test::TestContext t;
    QPointer<Form9> window;
};

TEST_F(Form9Test, RemovingBLeavesAAndCInFoldersIniAndTheFolderOnDisk) {
    const QString folder = t.app.path() + QStringLiteral("/b/");
    QDir().mkpath(folder);
    open({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    t.state.folders.rows[1].path = folder;
    QSignalSpy removed(window.data(), &Form9::removed);
    EXPECT_EQ(window->List1->count(), 3);
    window->List1->setCurrentRow(1);
    EXPECT_EQ(window->Label1->text(), folder);
    window->cmdRemove_Click();
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(captionsOf(t.state.folders.rows), QStringList({"A", "C"}));
    EXPECT_EQ(captionsOf(readFoldersIni(t.app.ini(QStringLiteral("Folders.ini")), t.app.path())),
              QStringList({"A", "C"}));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(Form9Test, NothingSelectedDoesNothing) {
    open({QStringLiteral("A"), QStringLiteral("B")});
    window->cmdRemove_Click();
    EXPECT_EQ(t.state.folders.rows.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(t.app.ini(QStringLiteral("Folders.ini"))));
}

TEST_F(Form9Test, ASingleFolderCannotBeRemoved) {
    open({QStringLiteral("Only")});
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Last menu entry can't be removed."));
    EXPECT_EQ(window->List1->count(), 0);
    open({QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(
        window->Label2->text(),
        QStringLiteral("Click on item to be removed from menus. Folder itself is not deleted."));
}

} // namespace
