// Benchmarks of the transient heat and moisture simulation: one year of hourly climate for the masonry wall
// with inside insulation (sine exterior from the monthly means of Potsdam at 80 % relative humidity, EN 15026
// normal indoor climate), and the one-year run of the EN 15026 Annex A benchmark. Target: below 1 s each.

#include <calculation/En15026AnnexA.h>
#include <calculation/HourlyClimate.h>
#include <calculation/TransientSimulation.h>
#include <model/Document.h>
#include <model/Project.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

void masonryYear(benchmark::State &state) {
    Project project;
    QString error;
    const QString fileName = QStringLiteral(HYGROLUX_EXAMPLES_DIR "/masonry-wall-inside-insulation.v2p");
    if (!project.read(fileName, error)) {
        std::fprintf(stderr, "Cannot read %s: %s\n", qPrintable(fileName), qPrintable(error));
        std::exit(1);
    }
    const Document &document = *project.document();
    double means[12];
    HourlyClimate::monthlyMeans(QStringLiteral("potsdam"), means);
    const HourlyClimate exterior = HourlyClimate::sineFromMonthlyMeans(means, 0.8, 4);
    const HourlyClimate interior = HourlyClimate::en15026Interior(exterior, HourlyClimate::NormalLoad);
    TransientSimulation::Summary summary;
    for (auto _ : state) {
        TransientSimulation simulation(document.inputData(), document.projectInformation().m_heatFlowDirection,
                                       interior, exterior, TransientSimulation::Options());
        simulation.run(nullptr);
        summary = simulation.summary();
    }
    state.counters["cells"] = summary.cells;
    state.counters["steps"] = static_cast<double>(summary.statistics.steps);
    state.counters["newton"] = static_cast<double>(summary.statistics.newtonIterations);
    state.counters["completed"] = summary.completed;
}

void annexAYear(benchmark::State &state) {
    const En15026AnnexA benchmarkCase;
    RunStatistics statistics;
    int cells = 0;
    for (auto _ : state) {
        TransientSolver solver(benchmarkCase.setup());
        benchmark::DoNotOptimize(solver.advanceTo(365 * 86400.0));
        statistics = solver.statistics();
        cells = solver.mesh().size();
    }
    state.counters["cells"] = cells;
    state.counters["steps"] = static_cast<double>(statistics.steps);
    state.counters["newton"] = static_cast<double>(statistics.newtonIterations);
}

} // namespace

BENCHMARK(masonryYear)->Name("Transient/MasonryInsideInsulationYear")->Unit(benchmark::kMillisecond);
BENCHMARK(annexAYear)->Name("Transient/EN15026AnnexAYear")->Unit(benchmark::kMillisecond);
