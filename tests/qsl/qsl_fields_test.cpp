#include "qsl/qsl_fields.h"

#include <gtest/gtest.h>

namespace quiverel {
namespace {

struct CallCase {
    const char* typed;
    const char16_t* shown;
};

class QslCallTextTest : public ::testing::TestWithParam<CallCase> {};

TEST_P(QslCallTextTest, CapitalsAndSlashedZero) {
    EXPECT_EQ(qslCallText(QString::fromUtf8(GetParam().typed)),
              QString::fromUtf16(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Calls, QslCallTextTest,
                         ::testing::Values(CallCase{"k1abc", u"K1ABC"},
                                           CallCase{"dl0xyz", u"DL\u00D8XYZ"},
                                           CallCase{"00", u"\u00D8\u00D8"},
                                           CallCase{"g4abc/p", u"G4ABC/P"}, CallCase{"", u""},
                                           // Only a..z: other letters are left as typed.
                                           CallCase{"\xC3\xA4x", u"\u00E4X"}));

} // namespace
} // namespace quiverel
