// Benchmarks of the main window, offscreen: start-up to the first painted window on an example project, and
// one width typed into the layer editor until everything it changes is recalculated and painted again.
// Run a Release build through scripts/bench.sh.

#include <app/Settings.h>
#include <model/Project.h>
#include <ui/MainWindow.h>

#include <QtExt_ValidatingLineEdit.h>
#include <ZOT_MessageHandler.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableWidget>
#include <QStandardPaths>
#include <QUndoStack>

#include <iostream>
#include <memory>

namespace {

/*! The program's log on standard error, so that standard output carries only the results
    (--benchmark_format=json stays valid JSON). */
class StandardErrorLog : public ZOT::MessageHandler {
protected:
    void writeConsole(const std::string &text, int) override { std::cerr << text; }
};

void closeProject() {
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

/*! The example's layers repeated until the construction has \a count of them. */
void repeatLayers(int count) {
    QVector<MaterialLayer> &layers = Project::instance().document()->inputData().layers();
    const QVector<MaterialLayer> example = layers;
    layers.clear();
    for (int i = 0; i < count; ++i)
        layers.append(example[i % example.size()]);
    Project::instance().setModified(Project::ModificationType::AllModified);
}

void editWidth(benchmark::State &state) {
    Settings::instance().m_projectFileToOpen = QStringLiteral(HYGROLUX_EXAMPLES_DIR "/timber-frame-wall.v2p");
    auto window = std::make_unique<MainWindow>();
    window->show();
    repeatLayers(int(state.range(0)));
    window->findChild<QTableWidget *>(QStringLiteral("tableWidgetConstruction"))->setCurrentCell(0, 1);
    auto *width = window->findChild<QtExt::ValidatingLineEdit *>(QStringLiteral("lineEditWidth"));
    window->repaint();
    bool thick = false;
    for (auto _ : state) {
        thick = !thick;
        width->setText(thick ? QStringLiteral("15") : QStringLiteral("12.5"));
        QMetaObject::invokeMethod(width, "editingFinished");
        window->repaint();
    }
    if (Settings::instance().undoStack()->count() == 0)
        state.SkipWithError("the width edit changed nothing");
    window.reset();
    closeProject();
}

} // namespace

BENCHMARK(startToShown)->Name("Gui/StartToShown")->Unit(benchmark::kMillisecond);
BENCHMARK(editWidth)->Name("Gui/EditWidth")->Arg(6)->Arg(31)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    // Never destroyed: messages written while static objects are torn down still find it.
    ZOT::MessageHandlerRegistry::instance().setMessageHandler(new StandardErrorLog);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
