// How fast the engine runs a sequence, with nothing shown.
#include "collatz.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void runOnce(benchmark::State& state)
{
    const double start = static_cast<double>(state.range(0));
    for (auto _ : state) {
        double n = start;
        std::string text;
        collatz::runSequence(n, text, [](const std::string&) {});
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(runOnce)->Arg(27)->Arg(7'532'665)->Arg(8'400'511)->Unit(benchmark::kMicrosecond);

void sweepAllAcceptedStarts(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t characters = 0;
        for (int start = 3; start <= 10'000'000; ++start) {
            double n = start;
            std::string text;
            collatz::runSequence(n, text, [](const std::string&) {});
            characters += text.size();
        }
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(sweepAllAcceptedStarts)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
