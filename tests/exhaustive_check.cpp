// Every accepted start through the engine's own run, against a 64-bit integer computation of the
// same run: number of steps, largest value and length of the sequence text.
#include "collatz.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <future>
#include <string>

namespace {

struct Totals {
    std::uint64_t starts = 0, steps = 0, mismatches = 0, firstMismatch = 0;
};

// Checks the starts first, first + 2, first + 4, ... up to 10,000,000.
Totals check(std::uint64_t first)
{
    Totals t;
    for (std::uint64_t start = first; start <= 10'000'000; start += 2) {
        std::uint64_t steps = 0, largest = 0, length = 0;
        for (std::uint64_t n = start; n != 1; ++steps) {
            n = n % 2 ? 3 * n + 1 : n / 2;
            largest = std::max(largest, n);
            for (std::uint64_t rest = n; rest > 0; rest /= 10)
                ++length; // a digit
            ++length;     // and the blank before the value
        }
        double n = double(start), engineLargest = 0;
        std::uint64_t engineSteps = 0;
        std::string text;
        collatz::runSequence(n, text, [&](const std::string&) { ++engineSteps, engineLargest = std::max(engineLargest, n); });
        if ((engineSteps != steps || engineLargest != double(largest) || text.size() != length) && !t.mismatches++)
            t.firstMismatch = start;
        ++t.starts;
        t.steps += steps;
    }
    return t;
}

} // namespace

int main()
{
    auto odd = std::async(std::launch::async, check, 3);
    const Totals even = check(4), t = odd.get();
    const std::uint64_t starts = t.starts + even.starts, steps = t.steps + even.steps;
    const std::uint64_t mismatches = t.mismatches + even.mismatches;
    std::printf("%llu starts, %llu steps, %llu mismatches (one at %llu)\n", (unsigned long long)starts,
                (unsigned long long)steps, (unsigned long long)mismatches,
                (unsigned long long)(t.mismatches ? t.firstMismatch : even.firstMismatch));
    return mismatches == 0 && starts == 9'999'998 && steps == 1'552'724'830 ? 0 : 1;
}
