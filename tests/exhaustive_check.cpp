// Runs every accepted start with the engine's own step and writing, and compares each run with an
// independent 64-bit integer computation: steps, largest value and length of the sequence text.
#include "collatz.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

struct Totals {
    std::uint64_t starts = 0, steps = 0, mismatches = 0, past32Bit = 0;
    std::uint64_t longestStart = 0, longestSteps = 0;
    std::uint64_t checkedSteps = 0, checkedMax = 0, checkedLength = 0; // for 7,532,665
};

struct RunFigures {
    std::uint64_t steps = 0, largest = 0, textLength = 0;
    bool operator==(const RunFigures&) const = default;
};

int decimalDigits(std::uint64_t v)
{
    int digits = 1;
    while (v >= 10) { v /= 10; ++digits; }
    return digits;
}

RunFigures integerRun(std::uint64_t n)
{
    RunFigures f;
    while (n != 1) {
        n = (n % 2 == 0) ? n / 2 : 3 * n + 1;
        ++f.steps;
        f.largest = std::max(f.largest, n);
        f.textLength += 1 + decimalDigits(n);
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
    f.largest = static_cast<std::uint64_t>(largest); // every value here stays below 2^53
    return f;
}

void check(std::uint64_t first, std::uint64_t stride, Totals& t)
{
    for (std::uint64_t start = first; start <= 10'000'000; start += stride) {
        const RunFigures engine = engineRun(static_cast<double>(start));
        const RunFigures reference = integerRun(start);
        ++t.starts;
        t.steps += reference.steps;
        if (!(engine == reference)) {
            if (++t.mismatches <= 5)
                std::printf("mismatch at %llu: %llu steps, largest %llu, %llu chars; expected %llu, %llu, %llu\n",
                            static_cast<unsigned long long>(start),
                            static_cast<unsigned long long>(engine.steps),
                            static_cast<unsigned long long>(engine.largest),
                            static_cast<unsigned long long>(engine.textLength),
                            static_cast<unsigned long long>(reference.steps),
                            static_cast<unsigned long long>(reference.largest),
                            static_cast<unsigned long long>(reference.textLength));
        }
        if (reference.largest > 2'147'483'647)
            ++t.past32Bit;
        if (reference.steps > t.longestSteps) {
            t.longestSteps = reference.steps;
            t.longestStart = start;
        }
        if (start == 7'532'665) {
            t.checkedSteps = reference.steps;
            t.checkedMax = reference.largest;
            t.checkedLength = engine.textLength;
        }
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
    for (auto& thread : threads)
        thread.join();

    Totals t;
    for (const Totals& p : partial) {
        t.starts += p.starts;
        t.steps += p.steps;
        t.mismatches += p.mismatches;
        t.past32Bit += p.past32Bit;
        if (p.longestSteps > t.longestSteps || (p.longestSteps == t.longestSteps && p.longestStart < t.longestStart)) {
            t.longestSteps = p.longestSteps;
            t.longestStart = p.longestStart;
        }
        if (p.checkedSteps) {
            t.checkedSteps = p.checkedSteps;
            t.checkedMax = p.checkedMax;
            t.checkedLength = p.checkedLength;
        }
    }

    std::printf("accepted starts:          %llu\n", static_cast<unsigned long long>(t.starts));
    std::printf("steps in all:             %llu\n", static_cast<unsigned long long>(t.steps));
    std::printf("longest run:              %llu (%llu steps)\n", static_cast<unsigned long long>(t.longestStart),
                static_cast<unsigned long long>(t.longestSteps));
    std::printf("starts past 2,147,483,647: %llu\n", static_cast<unsigned long long>(t.past32Bit));
    std::printf("7,532,665:                %llu steps, largest %llu, text %llu characters\n",
                static_cast<unsigned long long>(t.checkedSteps), static_cast<unsigned long long>(t.checkedMax),
                static_cast<unsigned long long>(t.checkedLength));
    std::printf("mismatches:               %llu\n", static_cast<unsigned long long>(t.mismatches));

    const bool ok = t.mismatches == 0 && t.starts == 9'999'998 && t.steps == 1'552'724'830 &&
                    t.longestStart == 8'400'511 && t.longestSteps == 685 && t.past32Bit == 39'370 &&
                    t.checkedSteps == 615 && t.checkedMax == 1'017'886'660 && t.checkedLength == 4'770;
    std::printf("%s\n", ok ? "exhaustive check passed" : "exhaustive check FAILED");
    return ok ? 0 : 1;
}
