// Benchmarks of the calculation core. Run a Release build through scripts/bench.sh.

#include <benchmark/benchmark.h>

#include <ZOT_FormatString.h>

static void BM_FormatString(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ZOT::FormatString("Layer %1 of %2: %3").arg(3).arg(12).arg(0.125).str());
}
BENCHMARK(BM_FormatString);

BENCHMARK_MAIN();
