// The engine row by row: reading typed text and writing values (in the C locale and in a user's locale
// with a decimal comma), the range test, one step, and whole runs. The exhaustive check covers every
// accepted start in bulk.
#include "collatz.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const double nan = std::nan("");

const struct { std::string text; double value; } readRows[] = {
    {"27", 27}, {"3.99", 3}, {"-2.5", -3}, {"+42", 42}, {".5", 0}, {"1E+7", 1e7},
    {"0.000123e7", 1230}, {"12e", 12}, {"abc12", 0}, {"", 0}, {"0x10", 0}, {"1.2.3", 1},
    {" 1 2 ", 12}, {"\t1\n2\r\n", 12}, {"1\u30001", 11}, {"１２３", 123}, {"－３．９９", -4}, {"１ｅ７", 1e7},
    {"1e400", inf}, {"1e-400", 0}, {"1e99999999999999999999", inf}, {"1e2147483648", inf}, {"-1e-2147483648", 0},
    {"9007199254740993." + std::string(900, '0') + "1", 9007199254740994.0}, // a far digit decides
    {std::string("12\0" "34", 5), 12}, {"12\xFF" "34", 12}, {"7\xC0\xB1", 7}, {"\xE3\x80", 0},
};

const struct { double value; const char* text; } writtenRows[] = {
    {27, " 27"}, {-0.0, " 0"}, {-5, "-5"}, {-999'999'999'999'999.0, "-999999999999999"}, {1e15, " 1E+15"},
    {123456789012345678.0, " 1.23456789012346E+17"}, {-inf, "-inf"}, {nan, " nan"}, {2.5, " 2.5"},
};

void expectEveryRowReadAndWritten()
{
    for (const auto& row : readRows)
        EXPECT_EQ(collatz::readStartValue(row.text), row.value) << row.text;
    for (const auto& row : writtenRows)
        EXPECT_EQ(collatz::formatValue(row.value), row.text);
}

TEST(Engine, ReadsTheLeadingNumberRoundedDownAndWritesValues)
{
    expectEveryRowReadAndWritten();
}

// The window runs in the user's locale (Qt sets it from the environment). CTest runs this test in
// de_DE.UTF-8, whose decimal point is a comma: the same rows read and write as in the C locale.
TEST(Engine, ReadsAndWritesAlikeInTheUsersLocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
    EXPECT_STREQ(std::localeconv()->decimal_point, ",") << "run it in a locale with a decimal comma";
    expectEveryRowReadAndWritten();
    std::setlocale(LC_ALL, "C");
}

TEST(Engine, AcceptsStartsFrom3To10Million)
{
    for (double value : {2.999, 3.0, 1e7, 10'000'001.0, -5.0, inf, nan})
        EXPECT_EQ(collatz::isAcceptedStart(value), value == 3 || value == 1e7) << value;
}

TEST(Engine, StepsAtAnyMagnitude)
{
    const struct { double n, next; } steps[] = {
        {27, 82}, {-3, -8}, {2'147'483'649.0, 6'442'450'948.0}, {1e300, 5e299}, {inf, inf},
    };
    for (const auto& step : steps)
        EXPECT_EQ(collatz::nextValue(step.n), step.next) << step.n;
    EXPECT_TRUE(std::isnan(collatz::nextValue(nan)));
}

TEST(Engine, RunsDownTo1ReportingTheWholeTextAfterEveryStep)
{
    double n = 27;
    std::string text;
    std::vector<std::string> reports;
    collatz::runSequence(n, text, [&reports](const std::string& t) { reports.push_back(t); });
    EXPECT_EQ(n, 1);
    EXPECT_EQ(text.substr(0, 13) + text.substr(text.size() - 6), " 82 41 124 62 4 2 1");
    ASSERT_EQ(reports.size(), 111u);
    EXPECT_EQ(reports.back(), text);
    // Starts that never reach 1 make no step instead of stepping forever.
    for (double start : {1.0, 0.0, -7.0, 2.5, inf, nan}) {
        std::string none;
        collatz::runSequence(start, none, [](const std::string&) { ADD_FAILURE() << "a step"; });
    }
}

} // namespace
