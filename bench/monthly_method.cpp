// The monthly method (start-month search and the yearly cycle on the Potsdam climate) on the 12-layer
// construction of bench/data and on a small wall; target below 50 µs for 12 layers.

#include <calculation/MonthlyClimate.h>
#include <calculation/MonthlyInterior.h>
#include <calculation/MonthlyMethod.h>
#include <model/Document.h>
#include <model/Project.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

void monthly(benchmark::State &state, const char *file) {
    Project project;
    QString error;
    if (!project.read(QStringLiteral(HYGROLUX_BENCH_DATA_DIR "/") + QLatin1String(file), error)) {
        std::fprintf(stderr, "Cannot read %s: %s\n", file, qPrintable(error));
        std::exit(1);
    }
    const Document &document = *project.document();
    const MonthlyClimate climate = MonthlyClimate::potsdam();
    const MonthlyInterior interior;
    MonthlyResults results;
    for (auto _ : state) {
        results = MonthlyMethod::calculate(document.inputData(), document.projectInformation().m_heatFlowDirection,
                                           climate, interior);
        benchmark::DoNotOptimize(results.maxAccumulated);
    }
    state.counters["layers"] = document.inputData().layers().size();
    state.counters["startMonth"] = results.startMonth;
}

BENCHMARK_CAPTURE(monthly, long_12_cold_side, "long-12-cold-side.v2p")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(monthly, wall_3_plane, "wall-3-plane.v2p")->Unit(benchmark::kMicrosecond);

} // namespace
