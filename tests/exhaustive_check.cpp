// Runs every accepted start with the engine's own step and writing, and compares each run with an
// independent 64-bit integer computation: steps, largest value and length of the sequence text.
#include "collatz.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using u64 = std::uint64_t;

struct RunFigures {
    u64 steps = 0, largest = 0, textLength = 0;
    bool operator==(const RunFigures&) const = default;
};

RunFigures integerRun(u64 n)
{
    RunFigures f;
    while (n != 1) {
        n = (n % 2 == 0) ? n / 2 : 3 * n + 1;
        ++f.steps;
        f.largest = std::max(f.largest, n);
        for (u64 rest = n; rest > 0; rest /= 10)
            ++f.textLength; // one character per digit
        ++f.textLength;     // and the blank before it
    }
    return f;
}

RunFigures engineRun(double n)
{
    RunFigures f;
    double largest = 0;
    while (n != 1) {
        n = collatz::nextValue(n);
        ++f.steps;
        largest = std::max(largest, n);
        f.textLength += collatz::formatValue(n).size();
    }
    f.largest = static_cast<u64>(largest); // every value here stays below 2^53
    return f;
}

struct Totals {
    u64 starts = 0, steps = 0, mismatches = 0, firstMismatch = 0, past32Bit = 0, longestStart = 0, longestSteps = 0;
    RunFigures sample; // the run of 7,532,665
};

void check(u64 first, u64 stride, Totals& t)
{
    for (u64 start = first; start <= 10'000'000; start += stride) {
        const RunFigures reference = integerRun(start);
        if (!(engineRun(double(start)) == reference) && t.mismatches++ == 0)
            t.firstMismatch = start;
        ++t.starts;
        t.steps += reference.steps;
        t.past32Bit += reference.largest > 2'147'483'647;
        if (reference.steps > t.longestSteps || (reference.steps == t.longestSteps && start < t.longestStart))
            t.longestStart = start, t.longestSteps = reference.steps;
        if (start == 7'532'665)
            t.sample = reference;
    }
}

} // namespace

int main()
{
    const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
    std::vector<Totals> partial(workers);
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w)
        threads.emplace_back(check, 3 + w, workers, std::ref(partial[w]));
    Totals t;
    for (unsigned w = 0; w < workers; ++w) {
        threads[w].join();
        const Totals& p = partial[w];
        t.starts += p.starts;
        t.steps += p.steps;
        t.past32Bit += p.past32Bit;
        if (p.mismatches && (!t.mismatches || p.firstMismatch < t.firstMismatch))
            t.firstMismatch = p.firstMismatch;
        t.mismatches += p.mismatches;
        if (p.longestSteps > t.longestSteps || (p.longestSteps == t.longestSteps && p.longestStart < t.longestStart))
            t.longestStart = p.longestStart, t.longestSteps = p.longestSteps;
        if (p.sample.steps)
            t.sample = p.sample;
    }

    std::printf("accepted starts %llu, steps in all %llu, longest run %llu (%llu steps), "
                "starts past 2,147,483,647: %llu\n7,532,665: %llu steps, largest %llu, text %llu characters\n"
                "mismatches with the integer computation: %llu (first at %llu)\n",
                (unsigned long long)t.starts, (unsigned long long)t.steps, (unsigned long long)t.longestStart,
                (unsigned long long)t.longestSteps, (unsigned long long)t.past32Bit,
                (unsigned long long)t.sample.steps, (unsigned long long)t.sample.largest,
                (unsigned long long)t.sample.textLength, (unsigned long long)t.mismatches,
                (unsigned long long)t.firstMismatch);
    const bool ok = t.mismatches == 0 && t.starts == 9'999'998 && t.steps == 1'552'724'830 &&
                    t.longestStart == 8'400'511 && t.longestSteps == 685 && t.past32Bit == 39'370 &&
                    t.sample == RunFigures{615, 1'017'886'660, 4'770};
    std::printf("%s\n", ok ? "exhaustive check passed" : "exhaustive check FAILED");
    return ok ? 0 : 1;
}
