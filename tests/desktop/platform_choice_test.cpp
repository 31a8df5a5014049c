#include "desktop/platform_choice.h"

#include <gtest/gtest.h>

using namespace quiverel;

namespace {

struct PlatformCase {
    const char* display;
    const char* qpaPlatform;
    const char* chosen;
};

struct PlatformChoiceTest : ::testing::TestWithParam<PlatformCase> {};

TEST_P(PlatformChoiceTest, PrefersXWhereThereIsADisplayAndTheUserChoseNothing) {
    const PlatformCase& c = GetParam();
    EXPECT_EQ(platformChoice(c.display, c.qpaPlatform), QByteArray(c.chosen))
        << c.display << " / " << c.qpaPlatform;
}

INSTANTIATE_TEST_SUITE_P(
    Environments, PlatformChoiceTest,
    ::testing::Values(PlatformCase{":0", "", "xcb;wayland"},     // X11, or Wayland with XWayland
                      PlatformCase{":1.0", "  ", "xcb;wayland"}, // a blank choice is none
                      PlatformCase{":0", "wayland", ""},         // the user's choice stands
                      PlatformCase{":0", "offscreen", ""},       // as in the tests
                      PlatformCase{"", "", ""},                  // no X at all: Qt decides
                      PlatformCase{"", "xcb", ""}, PlatformCase{" ", "", ""}));

} // namespace
