#include "util/numbers.h"

#include <gtest/gtest.h>
#include <limits>

using namespace quiverel;

struct NumberCase {
    const char* text;
    double value;
};

class LeadingNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber,
                         ::testing::Values(NumberCase{"770", 770}, NumberCase{"770 px", 770},
                                           NumberCase{"  -12", -12}, NumberCase{"abc", 0},
                                           NumberCase{"", 0}, NumberCase{"12.5k", 12.5},
                                           NumberCase{".5", 0.5}, NumberCase{"-", 0},
                                           NumberCase{"1e3x", 1000}, NumberCase{"7e", 7},
                                           NumberCase{"+8", 8}, NumberCase{"1,5", 1}));

TEST(Numbers, RoundsHalvesToEvenAndClampsToTheWidth) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(leadingInt16(QStringLiteral("99999")), 32767);
    EXPECT_EQ(leadingInt16(QStringLiteral("-99999")), -32768);
    EXPECT_EQ(leadingInt32(QStringLiteral("1e30")), 2147483647);
    EXPECT_EQ(leadingInt32(QStringLiteral("12.5")), 12);
}

struct ThousandsCase {
    qint64 value;
    const char* text;
};

class Thousands : public ::testing::TestWithParam<ThousandsCase> {};

TEST_P(Thousands, GroupsDigitsByThreeWithCommas) {
    EXPECT_EQ(thousands(GetParam().value), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, Thousands,
                         ::testing::Values(ThousandsCase{0, ""}, ThousandsCase{999, "999"},
                                           ThousandsCase{1000, "1,000"},
                                           ThousandsCase{1000000, "1,000,000"},
                                           ThousandsCase{-1234567, "-1,234,567"},
                                           // Beyond 32 bits: a file size from a large disk.
                                           ThousandsCase{5000000000LL, "5,000,000,000"}));

struct DivisionCase {
    qint64 numerator, denominator, quotient;
};

class HalfEvenDivision : public ::testing::TestWithParam<DivisionCase> {};

TEST_P(HalfEvenDivision, RoundsTrueHalvesToEven) {
    EXPECT_EQ(divideHalfEven(GetParam().numerator, GetParam().denominator), GetParam().quotient);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HalfEvenDivision,
    ::testing::Values(DivisionCase{12500, 1000, 12}, DivisionCase{13500, 1000, 14},
                      DivisionCase{12501, 1000, 13}, DivisionCase{-2500, 1000, -2},
                      DivisionCase{-3500, 1000, -4}, DivisionCase{-2501, 1000, -3},
                      // Just over half of the largest denominator: its double would overflow.
                      DivisionCase{std::numeric_limits<qint64>::max() / 2 + 1,
                                   std::numeric_limits<qint64>::max(), 1}));

struct EstimateCase {
    qint64 bytes;
    qint64 seconds;
};

class Estimate : public ::testing::TestWithParam<EstimateCase> {};

TEST_P(Estimate, TwoHundredFiftyBytesASecondPlusTwenty) {
    EXPECT_EQ(EstimateTxSeconds(GetParam().bytes), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Transmit, Estimate,
                         ::testing::Values(EstimateCase{0, 20}, EstimateCase{12000, 68},
                                           EstimateCase{125, 20}, // 0.5 to even 0
                                           EstimateCase{375, 22}, // 1.5 to even 2
                                           EstimateCase{625, 22}, // 2.5 to even 2
                                           EstimateCase{126, 21}, EstimateCase{124, 20},
                                           EstimateCase{8186874,
                                                        32767}, // the last that fits 16 bits
                                           EstimateCase{8186875, 32768}, // past a 16-bit count
                                           EstimateCase{120000000, 480020},
                                           EstimateCase{1'000'000'000'000LL, 4'000'000'020LL}));
