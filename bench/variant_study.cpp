// Benchmark of the variant study dialog: a 100-value study of the masonry example's inside insulation
// recalculated, its table filled and its chart painted after one change of the range, as while a user types.
// The target is one frame: below 16 ms per change. Offscreen.

#include <model/Project.h>
#include <model/ReportSettings.h>
#include <ui/VariantStudyDialog.h>

#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUndoStack>

namespace {

void studyValueChange(benchmark::State &state) {
    Project project;
    QString error;
    if (!project.read(QStringLiteral(HYGROLUX_EXAMPLES_DIR "/masonry-wall-inside-insulation.v2p"), error)) {
        state.SkipWithError("the example project cannot be read");
        return;
    }
    project.setModified(Project::ModificationType::AllModified);
    QUndoStack stack;
    const ReportSettings criteria;
    VariantStudyDialog dialog(project, &stack, criteria);
    dialog.show();
    dialog.setLayer(1);
    dialog.findChild<QLineEdit *>("lineEditFrom")->setText("20");
    dialog.findChild<QPushButton *>("pushButtonFindLimit")->setChecked(state.range(0) != 0);
    QLineEdit *to = dialog.findChild<QLineEdit *>("lineEditTo");
    QSpinBox *steps = dialog.findChild<QSpinBox *>("spinBoxSteps");
    steps->setValue(100);
    int change = 0;
    for (auto _ : state) {
        to->setText(QString::number(200 + change++ % 2));
        dialog.repaint();
    }
    if (dialog.rows().size() < 100)
        state.SkipWithError("the study did not run at every change");
    state.counters["rows"] = double(dialog.rows().size());
}

} // namespace

BENCHMARK(studyValueChange)->Name("Gui/VariantStudy100Values")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
