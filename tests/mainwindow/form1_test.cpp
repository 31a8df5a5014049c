#include "mainwindow/form1.h"

#include "app/unit_scale.h"
#include "catalogue/thumbnail_grid.h"
#include "desktop/column_menu.h"
#include "support/test_context.h"
#include "util/text_file.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <gtest/gtest.h>

using namespace quiverel;

namespace {
QByteArray setupWith(int guiSize, int perPage, const char* resize = "800x600") {
    QByteArray b = "\"\"\r\n\"QV1DEV\"\r\n\"Y\"\r\n\"" + QByteArray(resize) +
                   "\"\r\n\"English\"\r\n\"0\"\r\n\"" + QByteArray::number(guiSize) +
                   "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"Y\"\r\n\"1500\"\r\n\"750\"\r\n\"" +
                   QByteArray::number(perPage) + "\"\r\n";
    return b;
}

// Units of the main window to pixels at the GUI scale of a 768-pixel screen.
QRect expected(const QRect& units, double scale) {
    const auto r = [&](double v) { return int(std::lround(v * scale)); };
    const int left = r(units.left()), top = r(units.top());
    return QRect(left, top, r(units.left() + units.width()) - left,
                 r(units.top() + units.height()) - top);
}
// Within a pixel: the client area is a whole number of pixels.
void expectNear(const QRect& a, const QRect& b) {
    EXPECT_LE(std::abs(a.left() - b.left()), 1) << a.left() << " vs " << b.left();
    EXPECT_LE(std::abs(a.top() - b.top()), 1);
    EXPECT_LE(std::abs(a.width() - b.width()), 1);
    EXPECT_LE(std::abs(a.height() - b.height()), 1);
}
} // namespace

struct PageCase {
    int perPage;
    int guiSize;
    QSize scaleUnits;
    int cells;
};

class Form1Layout : public ::testing::TestWithParam<PageCase> {};

TEST_P(Form1Layout, LaysTheWindowOutByTheTable) {
    const PageCase c = GetParam();
    test::TestContext t;
    t.app.write(QStringLiteral("ini/Setup.ini"), setupWith(c.guiSize, c.perPage));
    t.app.write(QStringLiteral("ini/i_view32.ini"),
                "[JP2]\r\na\r\nb\r\nSaveCompressionFileSize = 12500\r\n");
    Form1 form(t.ctx);
    form.Form_Load();
    QApplication::processEvents();

    const double scale = 768.0 / c.guiSize;
    const QSize client(int(c.scaleUnits.width() * scale + 0.5),
                       int(c.scaleUnits.height() * scale + 0.5));
    EXPECT_EQ(form.centralWidget()->size(), client);
    EXPECT_EQ(form.grid()->cellCount(), c.cells);
    const MainLayout& l = form.layout();
    expectNear(form.grid()->geometry(), expected(l.pic2, scale));
    expectNear(form.nextButton()->geometry(), expected(ckNextRect(l), scale));
    expectNear(form.backButton()->geometry(), expected(ckBackRect(l), scale));
    expectNear(form.sizeLabel()->geometry(), expected(l.lblSize, scale));
    expectNear(form.clockLabel()->geometry(), expected(l.lblInfo, scale));
    EXPECT_EQ(form.sizeLabel()->text(), QStringLiteral("800x600  12.5k"));
    if (c.perPage == 30)
        EXPECT_EQ(form.pos(), QPoint(0, 0));
    else
        EXPECT_EQ(form.pos(), QPoint(100, 50));

    // The last cell's frame lies inside pic2 at 130 x 100 units.
    const int last = c.cells - 1;
    const QRect frame = form.grid()->Shape1[last]->geometry();
    const double fx = form.grid()->units().factorX();
    EXPECT_NEAR(frame.width(), 130 * fx, 1.0);
    EXPECT_LE(frame.right(), form.grid()->width());
    EXPECT_LE(frame.bottom(), form.grid()->height());
}

INSTANTIATE_TEST_SUITE_P(PageSizes, Form1Layout,
                         ::testing::Values(PageCase{12, 770, {535, 405}, 12},
                                           PageCase{20, 770, {666, 500}, 20},
                                           PageCase{30, 670, {800, 600}, 30},
                                           PageCase{15, 870, {666, 500}, 15}));

TEST(Form1, MenusCarryTheTextTableCaptionsAndMissingWindowsAreDisabled) {
    test::TestContext t;
    t.app.write(QStringLiteral("ini/Setup.ini"), setupWith(770, 20));
    Form1 form(t.ctx);
    form.Form_Load();
    EXPECT_EQ(form.menus.mnuFolder->title(), QStringLiteral("&Select Folders"));
    EXPECT_EQ(form.menus.mnuPaste->text(), QStringLiteral("Auto &Paste On"));
    EXPECT_EQ(form.menus.mnuTool[1]->text(), QStringLiteral("Set file size"));
    EXPECT_EQ(form.menus.mnuTool[13]->text(), QStringLiteral("Help"));
    EXPECT_TRUE(form.menus.mnuTool[2]->isSeparator());
    EXPECT_TRUE(form.menus.mnuTool[4]->isChecked());
    EXPECT_FALSE(form.menus.mnuTool[3]->isChecked());
    EXPECT_TRUE(form.menus.mnuSize[1]->isChecked());
    EXPECT_FALSE(form.menus.mnuTool[0]->isEnabled());
    EXPECT_FALSE(form.menus.mnuAbout->isEnabled());
    EXPECT_EQ(form.menus.mnuFolderEntry.size(), 1);
    EXPECT_EQ(form.menus.mnuFolderEntry[0]->text(), QStringLiteral("No folders"));
    form.menus.mnuFolderEntry[0]->trigger(); // does nothing
    EXPECT_TRUE(t.state.current.folder.isEmpty());

    form.mnuPaste_Click();
    EXPECT_FALSE(t.state.settings.autoPaste);
    EXPECT_EQ(form.menus.mnuPaste->text(), t.state.text[105]);

    // Another language's captions.
    t.app.write(QStringLiteral("ini/Setup.ini"), "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"Deutsch\"\r\n");
    form.cmdRestart_Click();
    EXPECT_EQ(form.menus.mnuTool[1]->text(), t.state.text[1]);
    EXPECT_NE(form.menus.mnuTool[1]->text(), QStringLiteral("Set file size"));
}

TEST(Form1, TenFoldersMakeAFolderMenuOfColumnsAndAChoiceShowsTheFolder) {
    test::TestContext t;
    QByteArray folders;
    for (int i = 9; i >= 0; --i)
        folders += "Folder " + QByteArray::number(i) + "\r\n/rx/" + QByteArray::number(i) + "/\r\n";
    t.app.write(QStringLiteral("ini/Folders.ini"), folders);
    Form1 form(t.ctx);
    form.Form_Load();
    ASSERT_EQ(form.menus.mnuFolderEntry.size(), 10);
    EXPECT_EQ(form.menus.mnuFolderEntry[0]->text(), QStringLiteral("Folder 0"));
    EXPECT_EQ(form.menus.mnuFolder->rowsPerColumn(), 3);
    EXPECT_EQ(t.state.folders.menuRowsPerColumn, 3);
    EXPECT_EQ(t.state.current.folder, QStringLiteral("/rx/0/"));
    form.menus.mnuFolderEntry[7]->trigger();
    EXPECT_EQ(t.state.current.folder, QStringLiteral("/rx/7/"));
    EXPECT_EQ(t.state.current.folderIndex, 7);
}

TEST(Form1, GuiSizeMenuRescalesTheWindow) {
    test::TestContext t;
    t.app.write(QStringLiteral("ini/Setup.ini"), setupWith(770, 20));
    Form1 form(t.ctx);
    form.Form_Load();
    form.mnuSize_Click(0);
    EXPECT_EQ(t.state.settings.guiSize, 870);
    EXPECT_TRUE(form.menus.mnuSize[0]->isChecked());
    EXPECT_FALSE(form.menus.mnuSize[1]->isChecked());
    EXPECT_EQ(form.centralWidget()->width(), int(666 * 768.0 / 870 + 0.5));
    form.mnuSize_Click(2);
    EXPECT_EQ(form.centralWidget()->width(), int(666 * 768.0 / 670 + 0.5));
}

TEST(Form1, RestartWithAnotherPageSizeRebuildsTheGridAndCloseSavesOnce) {
    test::TestContext t;
    t.app.write(QStringLiteral("ini/Setup.ini"), setupWith(770, 12));
    t.app.write(QStringLiteral("ini/Folders.ini"), "Rx\r\n/rx/\r\n");
    Form1 form(t.ctx);
    form.Form_Load();
    EXPECT_EQ(form.grid()->cellCount(), 12);
    t.state.settings.thumbsPerPage = 30;
    writeTextLines(t.app.ini(QStringLiteral("Setup.ini")),
                   QString::fromUtf8(setupWith(770, 30)).split(QStringLiteral("\r\n")));
    form.restartButton()->click();
    EXPECT_EQ(form.grid()->cellCount(), 30);
    EXPECT_EQ(form.menus.mnuFolderEntry.size(), 1);
    form.move(200, 100);
    form.close();
    form.Form_Unload();
    const QStringList setup = readTextLines(t.app.ini(QStringLiteral("Setup.ini")));
    ASSERT_EQ(setup.size(), 26);
    EXPECT_EQ(setup[13], QStringLiteral("\"30\""));
    EXPECT_EQ(readTextLines(t.app.ini(QStringLiteral("Folders.ini"))), QStringList({"Rx", "/rx/"}));
    EXPECT_TRUE(t.app.exists(QStringLiteral("ini/i_view32.ini")));
}
