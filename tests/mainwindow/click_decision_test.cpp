#include "mainwindow/click_decision.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct ClickCase {
    const char* name;
    ClickInput input;
    ClickBranch branch;
    bool select;
    QString currentFile; // what the current file name becomes ("-" unchanged)
    bool leftClick;
    bool composer;
    bool optionsPanel;
};

struct DecideClick : ::testing::TestWithParam<ClickCase> {};

TEST_P(DecideClick, BranchAndCurrentPicture) {
    const ClickCase& c = GetParam();
    const ClickDecision d = decideClick(c.input);
    EXPECT_EQ(d.branch, c.branch);
    EXPECT_EQ(d.select, c.select);
    EXPECT_EQ(d.setsCurrentFile, c.currentFile != u"-");
    if (d.setsCurrentFile) EXPECT_EQ(d.fileName, c.currentFile);
    EXPECT_EQ(d.leftClick, c.leftClick);
    EXPECT_EQ(d.openComposer, c.composer);
    EXPECT_EQ(d.openOptionsPanel, c.optionsPanel);
}

const auto L = Qt::LeftButton;
const auto R = Qt::RightButton;
const Qt::KeyboardModifiers none;

INSTANTIATE_TEST_SUITE_P(Clicks, DecideClick,
                         ::testing::Values(ClickCase{"Left",
                                                     {L, none, true, "sky.jpg"},
                                                     ClickBranch::HandOff,
                                                     true,
                                                     "sky.jpg",
                                                     true,
                                                     false,
                                                     false},
                                           ClickCase{"Right",
                                                     {R, none, true, "sky.jpg"},
                                                     ClickBranch::HandOff,
                                                     true,
                                                     "sky.jpg",
                                                     false,
                                                     false,
                                                     true},
                                           ClickCase{"Middle",
                                                     {Qt::MiddleButton, none, true, "sky.jpg"},
                                                     ClickBranch::Ignore,
                                                     false,
                                                     "-",
                                                     true,
                                                     false,
                                                     false},
                                           ClickCase{"Ctrl",
                                                     {L, Qt::ControlModifier, true, "sky.jpg"},
                                                     ClickBranch::Mark,
                                                     false,
                                                     "-",
                                                     true,
                                                     false,
                                                     false},
                                           ClickCase{"CtrlShift",
                                                     {L, Qt::ControlModifier | Qt::ShiftModifier,
                                                      true, "sky.jpg"},
                                                     ClickBranch::Mark,
                                                     false,
                                                     "-",
                                                     true,
                                                     false,
                                                     false},
                                           ClickCase{"Shift",
                                                     {L, Qt::ShiftModifier, true, "sky.jpg"},
                                                     ClickBranch::HandOff,
                                                     true,
                                                     "sky.jpg",
                                                     true,
                                                     true,
                                                     false},
                                           ClickCase{"ShiftAnimated",
                                                     {L, Qt::ShiftModifier, true, "wave.gif", true},
                                                     ClickBranch::HandOff,
                                                     true,
                                                     "wave.gif",
                                                     true,
                                                     false,
                                                     false},
                                           ClickCase{"EmptyCell",
                                                     {L, none, false, "sky.jpg"},
                                                     ClickBranch::EmptyCell,
                                                     false,
                                                     "",
                                                     true,
                                                     false,
                                                     false},
                                           ClickCase{"Faulty",
                                                     {L, none, true, "Faulty"},
                                                     ClickBranch::NothingToSend,
                                                     true,
                                                     "Faulty",
                                                     true,
                                                     false,
                                                     false},
                                           ClickCase{"LeftText",
                                                     {L, none, true, "log.txt"},
                                                     ClickBranch::SendText,
                                                     true,
                                                     "log.txt",
                                                     true,
                                                     false,
                                                     false},
                                           ClickCase{"RightText",
                                                     {R, none, true, "Log.TXT"},
                                                     ClickBranch::TextOptions,
                                                     true,
                                                     "Log.TXT",
                                                     false,
                                                     false,
                                                     true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecideClick, NameParts) {
    const ClickDecision d = decideClick({L, none, true, "new moon.jp2"});
    EXPECT_EQ(d.baseName, QStringLiteral("new moon"));
    EXPECT_EQ(d.extension, QStringLiteral(".JP2"));
}

} // namespace
