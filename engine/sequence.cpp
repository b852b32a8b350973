// The range test, the step rule and the run down to 1.
#include "collatz.h"

#include <cmath>
#include <cstdint>

namespace collatz {

bool isAcceptedStart(double value)
{
    return value >= lowestStart && value <= highestStart;
}

namespace {

// From 2^53 on, every double is a whole even number.
constexpr double kFirstAllEven = 9'007'199'254'740'992.0;

bool isEven(double n)
{
    // Only values below 2^53 in magnitude are ever converted to an integer, so no conversion is
    // out of range, and parity stays exact at any magnitude.
    if (!(std::fabs(n) < kFirstAllEven))
        return true; // infinities and NaN too: they only halve
    auto whole = static_cast<std::int64_t>(n);
    if (static_cast<double>(whole) != n)
        whole = static_cast<std::int64_t>(std::nearbyint(n)); // to nearest, ties to even
    return whole % 2 == 0;
}

} // namespace

double nextValue(double n)
{
    return isEven(n) ? n / 2 : n * 3 + 1;
}

void runSequence(double& n, std::string& sequenceText,
                 const std::function<void(const std::string&)>& stepReport)
{
    // Zero, negatives, fractions, infinities and NaN never reach 1 and would step forever.
    if (!std::isfinite(n) || n < 1 || std::floor(n) != n)
        return;
    while (n != 1) {
        n = nextValue(n);
        sequenceText += formatValue(n);
        stepReport(sequenceText);
    }
}

} // namespace collatz
