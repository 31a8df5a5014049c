#include "options/option_entries.h"
#include "options/panel_geometry.h"
#include "options/rename_picture.h"

#include "support/test_context.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct EntriesCase {
    const char* name;
    bool animatedGif;
    std::array<bool, kOptionEntries> enabled;
};

class Entries : public ::testing::TestWithParam<EntriesCase> {};

TEST_P(Entries, DisabledByKind) {
    const EntriesCase& c = GetParam();
    const QString name = QString::fromUtf8(c.name);
    EXPECT_EQ(enabledEntries(isTextFileName(name), c.animatedGif), c.enabled) << c.name;
}

constexpr bool Y = true, N = false;
INSTANTIATE_TEST_SUITE_P(
    Kinds, Entries,
    ::testing::Values(EntriesCase{"sky.jpg", false, {Y, Y, Y, Y, Y, Y, Y, Y, Y, Y}},
                      EntriesCase{"anim.gif", true, {N, Y, Y, Y, Y, Y, Y, Y, Y, Y}},
                      EntriesCase{"still.GIF", false, {Y, Y, Y, Y, Y, Y, Y, Y, Y, Y}},
                      EntriesCase{"notes.txt", false, {N, N, Y, Y, Y, N, Y, N, Y, Y}},
                      EntriesCase{"NOTES.Txt", false, {N, N, Y, Y, Y, N, Y, N, Y, Y}}));

TEST(OptionCaptions, TextTableEntriesWithThreeBlanks) {
    test::TestContext t;
    t.readTextTable();
    const QStringList c = optionCaptions(t.state.text);
    ASSERT_EQ(c.size(), kOptionEntries);
    EXPECT_EQ(c[0], QStringLiteral("   Edit in composer"));
    EXPECT_EQ(c[1], QStringLiteral("   Edit using Irfanview"));
    EXPECT_EQ(c[5], QStringLiteral("   Convert format"));
    EXPECT_EQ(c[8], QStringLiteral("   FTP upload to web-site"));
    EXPECT_EQ(c[9], QStringLiteral("   Close"));
}

struct FormatCase {
    const char* name;
    int row;
};
class Preselect : public ::testing::TestWithParam<FormatCase> {};
TEST_P(Preselect, OwnFormatOrNone) {
    EXPECT_EQ(preselectedFormat(QString::fromUtf8(GetParam().name)), GetParam().row);
}
INSTANTIATE_TEST_SUITE_P(Names, Preselect,
                         ::testing::Values(FormatCase{"a.bmp", 0}, FormatCase{"a.Gif", 1},
                                           FormatCase{"a.jp2", 2}, FormatCase{"a.JPG", 3},
                                           FormatCase{"a.png", 4}, FormatCase{"a.txt", -1},
                                           FormatCase{"a.jpeg", -1}));

struct RenameCase {
    const char* typed;
    const char* fileName;
    const char* expected;
};
class RenamedName : public ::testing::TestWithParam<RenameCase> {};
TEST_P(RenamedName, CutAtFirstDotOldExtensionKept) {
    const RenameCase& c = GetParam();
    EXPECT_EQ(renamedName(QString::fromUtf8(c.typed), QString::fromUtf8(c.fileName)),
              QString::fromUtf8(c.expected));
}
INSTANTIATE_TEST_SUITE_P(Typed, RenamedName,
                         ::testing::Values(RenameCase{"new.name.txt", "old.jpg", "new.jpg"},
                                           RenameCase{"new", "old.JP2", "new.JP2"},
                                           RenameCase{"sky.final", "sky.jpg", "sky.jpg"},
                                           // A name cannot reach into another folder.
                                           RenameCase{"sub/dir", "a.png", "sub_dir.png"},
                                           RenameCase{"Grüße mit \"Zitat\"", "a.bmp",
                                                      "Grüße mit \"Zitat\".bmp"}));

struct PreviewCase {
    QSize thumbnail;
    QRectF rect;
};
class Preview : public ::testing::TestWithParam<PreviewCase> {};
TEST_P(Preview, ThumbnailTimesOnePointSixCentredAbove154) {
    EXPECT_EQ(previewRect(GetParam().thumbnail), GetParam().rect);
}
INSTANTIATE_TEST_SUITE_P(
    Sizes, Preview,
    ::testing::Values(PreviewCase{QSize(112, 84), QRectF(60.5, 9.8, 179, 134.4)},
                      PreviewCase{QSize(63, 84), QRectF(99.5, 9.8, 101, 134.4)},
                      PreviewCase{QSize(), QRectF(60.5, 9.8, 179, 134.4)}));

TEST(PanelGeometry, SizeByGuiScaleCentredOnMainWindowSize) {
    EXPECT_EQ(panelPixels(1.0), QSize(300, 382));
    EXPECT_EQ(panelPixels(1.5), QSize(450, 572));
    EXPECT_EQ(panelTopLeft(QSize(900, 700), QSize(300, 382)), QPoint(300, 159));
}

} // namespace
