#include <benchmark/benchmark.h>

#include "bench_fixtures.h"
#include "pattern/checks.h"
#include "pattern/length_repeats.h"

namespace zarvek {
namespace {

void PartCounts(benchmark::internal::Benchmark* b) {
    for (const int parts : {1, 100, 1000, 10000, 32766}) {
        b->Arg(parts);
    }
}

void BM_CheckLengthsAgainstGridFile(benchmark::State& state) {
    const GridFile gridFile = bench::SpreadOutGridFile(static_cast<int>(state.range(0)));
    const Point p1{0, 0, 0}, p2{77.7, 0, 0}, p3{20, 50, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckLengthsAgainstGridFile(gridFile, p1, p2, p3));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CheckLengthsAgainstGridFile)->Apply(PartCounts)->Complexity();

void BM_AnalyseLengthRepeats(benchmark::State& state) {
    const GridFile gridFile = bench::SpreadOutGridFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnalyseLengthRepeats(gridFile));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AnalyseLengthRepeats)->Apply(PartCounts)->Complexity();

}  // namespace
}  // namespace zarvek
