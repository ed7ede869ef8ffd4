// Benchmarks of the main window, offscreen: start-up to the first painted window on an example project.
// Run a Release build through scripts/bench.sh.

#include <app/Settings.h>
#include <model/Project.h>
#include <ui/MainWindow.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>
#include <QUndoStack>

#include <memory>

namespace {

void closeProject() {
    Project::instance().clearModified();
    Settings::instance().undoStack()->setClean();
    Project::instance().close();
}

void startToShown(benchmark::State &state) {
    Settings::instance().m_projectFileToOpen = QStringLiteral(HYGROLUX_EXAMPLES_DIR "/timber-frame-wall.v2p");
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>();
        window->show();
        window->repaint();
        state.PauseTiming();
        window.reset();
        closeProject();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(startToShown)->Name("Gui/StartToShown")->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
