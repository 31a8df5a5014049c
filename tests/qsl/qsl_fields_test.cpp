#include "qsl/qsl_fields.h"

#include <QLocale>
#include <QTimeZone>
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

struct ListCase {
    QString saved;
    const QStringList* items;
    int index;
    QString expected;
};

class QslListStartTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(QslListStartTest, SavedTextElseTheDefaultItem) {
    const ListCase& c = GetParam();
    EXPECT_EQ(qslListStart(c.saved, *c.items, c.index), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, QslListStartTest,
    ::testing::Values(
        ListCase{{}, &qslFrequencies(), 4, QStringLiteral("14.230")},
        ListCase{QStringLiteral("7.100"), &qslFrequencies(), 4, QStringLiteral("7.100")},
        ListCase{{}, &qslModes(), 0, QStringLiteral("SSTV")},
        ListCase{QStringLiteral("Digital"), &qslModes(), 0, QStringLiteral("Digital")},
        ListCase{{}, &qslReports(), 0, QStringLiteral("595")}));

TEST(QslFields, ListsInTheirOrder) {
    EXPECT_EQ(qslFrequencies().size(), 8);
    EXPECT_EQ(qslFrequencies().first(), QStringLiteral("1.8"));
    EXPECT_EQ(qslFrequencies().last(), QStringLiteral("28.680"));
    EXPECT_EQ(qslReports().join(u' '), QStringLiteral("595 575 555 594 574 554 444 333"));
    EXPECT_EQ(qslModes().join(u' '), QStringLiteral("SSTV Digital"));
}

TEST(QslFields, DateAndTimeAreTheUtcOnes) {
    // 23:59 two hours east of UTC is 21:59 UTC of the same day.
    const QDateTime local(QDate(2026, 12, 7), QTime(23, 59, 30), QTimeZone(7200));
    EXPECT_EQ(qslTimeText(local), QStringLiteral("21:59"));
    EXPECT_EQ(qslDateText(local),
              QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
    const QDateTime west(QDate(2026, 12, 6), QTime(23, 59), QTimeZone(-5 * 3600));
    EXPECT_EQ(qslTimeText(west), QStringLiteral("04:59"));
    EXPECT_EQ(qslDateText(west),
              QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
}

} // namespace
} // namespace quiverel
