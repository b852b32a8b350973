// Every accepted start through the engine's own run, against a 64-bit integer computation of the
// same run: number of steps, largest value and length of the sequence text.
#include "collatz.h"

#include <algorithm>
#include <cstdio>
#include <string>

using Count = unsigned long long;

int main()
{
    Count mismatches = 0, allSteps = 0;
    for (Count start = 3; start <= 10'000'000; ++start) {
        Count steps = 0, largest = 0, length = 0;
        for (Count n = start; n != 1; ++steps) {
            n = n % 2 ? 3 * n + 1 : n / 2;
            largest = std::max(largest, n);
            for (Count rest = n; rest > 0; rest /= 10)
                ++length; // a digit
            ++length;     // and the blank before the value
        }
        double n = double(start), engineLargest = 0;
        Count engineSteps = 0;
        std::string text;
        collatz::runSequence(n, text, [&](const std::string&) { ++engineSteps, engineLargest = std::max(engineLargest, n); });
        if (engineSteps != steps || engineLargest != double(largest) || text.size() != length) {
            if (!mismatches++)
                std::printf("first mismatch at %llu\n", start);
        }
        allSteps += steps;
    }
    std::printf("%llu steps, %llu mismatches\n", allSteps, mismatches);
    return mismatches == 0 && allSteps == 1'552'724'830 ? 0 : 1;
}
