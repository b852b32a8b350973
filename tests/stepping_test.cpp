// The range test, one step of the rule, and whole runs.
#include "collatz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

TEST(Range, BoundsAreInclusive)
{
    EXPECT_FALSE(collatz::isAcceptedStart(2));
    EXPECT_TRUE(collatz::isAcceptedStart(3));
    EXPECT_TRUE(collatz::isAcceptedStart(10'000'000));
    EXPECT_FALSE(collatz::isAcceptedStart(10'000'001));
    EXPECT_FALSE(collatz::isAcceptedStart(0));
    EXPECT_FALSE(collatz::isAcceptedStart(-5));
    EXPECT_FALSE(collatz::isAcceptedStart(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(collatz::isAcceptedStart(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(collatz::isAcceptedStart(std::nan("")));
}

TEST(Step, FollowsTheRule)
{
    EXPECT_EQ(collatz::nextValue(27), 82);
    EXPECT_EQ(collatz::nextValue(82), 41);
    EXPECT_EQ(collatz::nextValue(-3), -8);
    EXPECT_EQ(collatz::nextValue(-4), -2);
}

TEST(Step, ParityIsExactBeyondThe32BitRange)
{
    EXPECT_EQ(collatz::nextValue(2'482'111'348.0), 1'241'055'674.0);
    EXPECT_EQ(collatz::nextValue(2'147'483'649.0), 6'442'450'948.0);
    EXPECT_EQ(collatz::nextValue(60'342'610'919'632.0), 30'171'305'459'816.0);
    EXPECT_EQ(collatz::nextValue(1e300), 5e299);
    // Never-whole values do not crash or convert out of range.
    EXPECT_TRUE(std::isinf(collatz::nextValue(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(collatz::nextValue(std::nan(""))));
}

struct RunResult {
    double start;
    std::vector<std::string> reports;
    std::string text;
    double end;
};

RunResult run(double start)
{
    RunResult r{start, {}, {}, start};
    collatz::runSequence(r.end, r.text, [&r](const std::string& t) { r.reports.push_back(t); });
    return r;
}

TEST(Runs, SequenceTextsOfSmallStarts)
{
    EXPECT_EQ(run(3).text, " 10 5 16 8 4 2 1");
    EXPECT_EQ(run(4).text, " 2 1");
    EXPECT_EQ(run(11).text, " 34 17 52 26 13 40 20 10 5 16 8 4 2 1");

    const RunResult r27 = run(27);
    EXPECT_EQ(r27.reports.size(), 111u);
    EXPECT_EQ(r27.text.substr(0, 13), " 82 41 124 62");
    EXPECT_EQ(r27.text.substr(r27.text.size() - 8), " 8 4 2 1");
    EXPECT_NE(r27.text.find(" 9232 "), std::string::npos);
    EXPECT_EQ(r27.end, 1);
}

TEST(Runs, ReportsTheWholeTextAfterEveryStep)
{
    const RunResult r = run(3);
    const std::vector<std::string> expected{" 10", " 10 5", " 10 5 16", " 10 5 16 8", " 10 5 16 8 4",
                                            " 10 5 16 8 4 2", " 10 5 16 8 4 2 1"};
    EXPECT_EQ(r.reports, expected);
}

TEST(Runs, HighestStartRunsTo1)
{
    const RunResult r = run(10'000'000);
    EXPECT_EQ(r.reports.size(), 145u);
    EXPECT_EQ(r.text.substr(0, 8), " 5000000");
    EXPECT_EQ(r.end, 1);
}

TEST(Runs, PassesThe32BitLimitAndReaches1)
{
    const RunResult r = run(113'383);
    ASSERT_GT(r.reports.size(), 120u);
    const std::string& at120 = r.reports[119];
    EXPECT_EQ(at120.substr(at120.size() - 11), " 2482111348");
    EXPECT_EQ(r.end, 1);
    EXPECT_EQ(r.text.substr(r.text.size() - 2), " 1");
}

TEST(Runs, StartsWithNoRunToOneMakeNoStep)
{
    for (double start : {0.0, -1.0, -7.0, 2.5, std::numeric_limits<double>::infinity(), std::nan("")}) {
        const RunResult r = run(start);
        EXPECT_TRUE(r.reports.empty()) << start;
        EXPECT_TRUE(r.text.empty()) << start;
    }
    EXPECT_TRUE(run(1).reports.empty());
}

} // namespace
