// Reading a start value from what a user may type.
#include "collatz.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using collatz::readStartValue;

namespace {

struct ReadCase {
    const char* text;
    double expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ReadingTable : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadingTable, ReadsTheLeadingNumberRoundedDown)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(readStartValue(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(PlainDecimal, ReadingTable, testing::Values(
    ReadCase{"27", 27}, ReadCase{"3.99", 3}, ReadCase{"2.99", 2}, ReadCase{"10000000", 10000000},
    ReadCase{"10000001", 10000001}, ReadCase{"1e7", 10000000}, ReadCase{"1E7", 10000000},
    ReadCase{"1e+7", 10000000}, ReadCase{"25e-1", 2}, ReadCase{"-5", -5}, ReadCase{"-2.5", -3},
    ReadCase{"+42", 42}, ReadCase{".5", 0}, ReadCase{"007", 7}, ReadCase{"0.000123e7", 1230}));

INSTANTIATE_TEST_SUITE_P(StopsAtFirstMisfit, ReadingTable, testing::Values(
    ReadCase{"12abc", 12}, ReadCase{"abc12", 0}, ReadCase{"", 0}, ReadCase{"-", 0},
    ReadCase{".", 0}, ReadCase{"0x10", 0}, ReadCase{"1d7", 1}, ReadCase{"12e", 12},
    ReadCase{"12e+", 12}, ReadCase{"1.2.3", 1}, ReadCase{"--5", 0}, ReadCase{"5-3", 5},
    ReadCase{"1,000", 1}, ReadCase{"4\xEF\xBC\xBF" "5", 4} /* full-width low line */));

INSTANTIATE_TEST_SUITE_P(BlanksAnywhere, ReadingTable, testing::Values(
    ReadCase{" 1 2 ", 12}, ReadCase{"\t1\n2\r\n", 12}, ReadCase{"1\xE3\x80\x80" "1", 11},
    ReadCase{"- 5", -5}, ReadCase{"1 e 7", 10000000}));

// Full-width forms read exactly like their ASCII counterparts.
INSTANTIATE_TEST_SUITE_P(FullWidth, ReadingTable, testing::Values(
    ReadCase{"\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93", 123},          // １２３
    ReadCase{"\xEF\xBC\x8D\xEF\xBC\x95", -5},                       // －５
    ReadCase{"\xEF\xBC\x91\xEF\xBD\x85\xEF\xBC\x97", 10000000},     // １ｅ７
    ReadCase{"\xEF\xBC\x93\xEF\xBC\x8E\xEF\xBC\x99\xEF\xBC\x99", 3}, // ３．９９
    ReadCase{"\xEF\xBC\x8B\xEF\xBC\x98", 8}));                      // ＋８

TEST(Reading, OutOfRangeNumbersBecomeInfinityOrZero)
{
    EXPECT_EQ(readStartValue("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readStartValue("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readStartValue("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readStartValue("1e-400"), 0);
    EXPECT_EQ(readStartValue("123e-99999999999999999999"), 0);
    EXPECT_EQ(readStartValue(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readStartValue("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(Reading, ManyDigitsStillRoundCorrectly)
{
    // 2^53 + 1 followed by a long tail: the tail decides the rounding up to 2^53 + 2.
    EXPECT_EQ(readStartValue("9007199254740993." + std::string(900, '0') + "1"), 9007199254740994.0);
    EXPECT_EQ(readStartValue("9007199254740993"), 9007199254740992.0);
    // A million leading zeros and a million digits after the point.
    EXPECT_EQ(readStartValue(std::string(1'000'000, '0') + "27." + std::string(1'000'000, '4')), 27);
}

TEST(Reading, MalformedBytesStopTheNumberWithoutHarm)
{
    EXPECT_EQ(readStartValue(std::string("12\0" "34", 5)), 12);
    EXPECT_EQ(readStartValue("12\xFF" "34"), 12);
    EXPECT_EQ(readStartValue("\xE3\x80"), 0);      // truncated ideographic space
    EXPECT_EQ(readStartValue("7\xC0\xB1"), 7);      // overlong encoding of '1'
    EXPECT_EQ(readStartValue("\xEF\xBC"), 0);
}

} // namespace
