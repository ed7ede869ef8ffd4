// Benchmarks of the calculation core on the constructions of bench/data: the whole calculation of the
// program, the same calculation with the straightforward exhaustive plane search as baseline, reading
// a project file and a variant study of 100 values. Run a Release build through scripts/bench.sh.

#include "BaselinePlaneSearch.h"

#include <calculation/Calculation.h>
#include <calculation/VariantStudy.h>
#include <model/Document.h>
#include <model/Project.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <memory>

namespace {

/*! The baseline tries up to 2^(n-1) - 1 combinations per pass: beyond this it takes seconds. */
const int BASELINE_MAX_LAYERS = 16;

QString dataDir() {
    return QStringLiteral(HYGROLUX_BENCH_DATA_DIR);
}

/*! The input of a project file and its heat flow direction; exits with a message if it cannot be read. */
std::shared_ptr<Document> load(const QString &fileName) {
    Project project;
    QString error;
    if (!project.read(fileName, error)) {
        std::fprintf(stderr, "Cannot read %s: %s\n", qPrintable(fileName), qPrintable(error));
        std::exit(1);
    }
    return std::make_shared<Document>(*project.document());
}

/*! The program's calculation, or with \a baseline the one that searches plane sets the straightforward way. */
void calculate(benchmark::State &state, std::shared_ptr<Document> document, bool baseline) {
    const InputData &input = document->inputData();
    const HeatFlowDirection direction = document->projectInformation().m_heatFlowDirection;
    Calculation calc = baseline ? Calculation(std::make_shared<BaselinePlaneSearch>()) : Calculation();
    for (auto _ : state)
        benchmark::DoNotOptimize(calc.calculate(input, direction));
    state.counters["layers"] = input.layers().size();
    state.counters["resultCode"] = int(calc.results().resultCode);
}

void readProject(benchmark::State &state, const QString &fileName) {
    Project project;
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(project.read(fileName, error));
}

/*! The insulation width of a 6-layer wall varied over 100 values, judged like the study command does. */
void studyWidth100(benchmark::State &state, std::shared_ptr<Document> document) {
    VariantStudy study(document->inputData(), document->projectInformation().m_heatFlowDirection, ReportSettings(),
                       VariantStudy::Quantity::Width, 2);
    const std::vector<double> values = VariantStudy::linearValues(0.04, 0.30, 100);
    for (auto _ : state)
        benchmark::DoNotOptimize(study.run(values));
    state.counters["layers"] = document->inputData().layers().size();
}

void registerBenchmarks() {
    const QStringList files = QDir(dataDir()).entryList({QStringLiteral("*.v2p")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const std::shared_ptr<Document> document = load(dataDir() + '/' + file);
        const std::string name = QFileInfo(file).completeBaseName().toStdString();
        benchmark::RegisterBenchmark(("Calculate/" + name).c_str(), calculate, document, false)
            ->Unit(benchmark::kMicrosecond);
        if (document->inputData().layers().size() <= BASELINE_MAX_LAYERS)
            benchmark::RegisterBenchmark(("CalculateBaseline/" + name).c_str(), calculate, document, true)
                ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("ProjectRead/wall-6-zone", readProject, dataDir() + "/wall-6-zone.v2p")
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Study/Width100", studyWidth100, load(dataDir() + "/wall-6-zone.v2p"))
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
