// Benchmark of the report preview: a 6-layer project with every report frame switched on, laid out, recorded
// into the preview's pages and the visible pages painted, as after an option change in the report preview
// dialog. Offscreen.

#include <app/Settings.h>
#include <model/Project.h>
#include <model/ReportSettings.h>
#include <report/Report.h>
#include <ui/PrintDialog.h>

#include <benchmark/benchmark.h>

#include <QFontDatabase>
#include <QPrintPreviewWidget>

#include <memory>

namespace {

const int LayerCount = 6;

/*! The example with its first LayerCount layers (repeated when it has fewer). */
bool readSixLayerProject(Project &project) {
    QString error;
    if (!project.read(QStringLiteral(HYGROLUX_EXAMPLES_DIR "/timber-frame-wall.v2p"), error))
        return false;
    QVector<MaterialLayer> &layers = project.document()->inputData().layers();
    const QVector<MaterialLayer> example = layers;
    layers.clear();
    for (int i = 0; i < LayerCount; ++i)
        layers.append(example[i % example.size()]);
    project.setModified(Project::ModificationType::AllModified);
    return true;
}

void previewPages(benchmark::State &state) {
    Project project;
    if (!readSixLayerProject(project)) {
        state.SkipWithError("the example project cannot be read");
        return;
    }
    Settings settings;
    // An installed family: a missing one would measure the font fallback, not the report.
    const QFontDatabase fonts;
    if (!fonts.hasFamily(settings.m_fontFamily))
        settings.m_fontFamily = fonts.families().value(0);
    for (int id = 0; id < ReportSettings::NumFrames; ++id)
        settings.m_reportSettings.m_frames.insert(id);
    PrintDialog dialog(project, nullptr, settings);
    dialog.show();
    int layouts = 0;
    QObject::connect(dialog.preview(), &QPrintPreviewWidget::paintRequested, [&layouts] { ++layouts; });
    // Until the pages the user sees are painted, not only recorded.
    for (auto _ : state) {
        dialog.updatePreview();
        dialog.preview()->repaint();
    }
    state.counters["pages"] = dialog.report().pageCount();
    if (dialog.preview()->pageCount() == 0 || layouts < state.iterations())
        state.SkipWithError("the preview was not laid out at every update");
}

} // namespace

BENCHMARK(previewPages)->Name("Report/PreviewPages")->Unit(benchmark::kMillisecond);
