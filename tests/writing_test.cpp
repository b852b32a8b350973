// The written form of values.
#include "collatz.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using collatz::formatValue;

namespace {

TEST(Writing, WholeValuesCarryABlankOrAMinus)
{
    EXPECT_EQ(formatValue(27), " 27");
    EXPECT_EQ(formatValue(0), " 0");
    EXPECT_EQ(formatValue(-0.0), " 0");
    EXPECT_EQ(formatValue(-5), "-5");
    EXPECT_EQ(formatValue(10'000'000), " 10000000");
    EXPECT_EQ(formatValue(2'482'111'348.0), " 2482111348");
    EXPECT_EQ(formatValue(60'342'610'919'632.0), " 60342610919632");
    EXPECT_EQ(formatValue(999'999'999'999'999.0), " 999999999999999");
    EXPECT_EQ(formatValue(-999'999'999'999'999.0), "-999999999999999");
}

TEST(Writing, LargeAndSpecialValuesAreShortAndReadable)
{
    EXPECT_EQ(formatValue(1e15), " 1E+15");
    EXPECT_EQ(formatValue(1e300), " 1E+300");
    EXPECT_EQ(formatValue(-1e300), "-1E+300");
    EXPECT_EQ(formatValue(123456789012345678.0), " 1.23456789012346E+17");
    EXPECT_EQ(formatValue(std::numeric_limits<double>::max()), " 1.79769313486232E+308");
    EXPECT_EQ(formatValue(std::numeric_limits<double>::infinity()), " inf");
    EXPECT_EQ(formatValue(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(formatValue(std::nan("")), " nan");
    EXPECT_EQ(formatValue(-std::nan("")), " nan");
    EXPECT_EQ(formatValue(2.5), " 2.5");
}

TEST(Writing, WhatIsWrittenReadsBack)
{
    for (double v : {3.0, 27.0, -5.0, 1e7, 2'147'483'648.0, 999'999'999'999'999.0, -123'456'789'012'345.0,
                     1e15, 1e300, -1e300})
        EXPECT_EQ(collatz::readStartValue(formatValue(v)), v) << formatValue(v);
}

} // namespace
