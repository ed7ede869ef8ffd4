// Benchmark of the material browser's filter: a name typed key by key into the filter field of the selection
// widget showing 1,000 materials, each key stroke filtering the table and repainting it. Offscreen.

#include <model/Material.h>
#include <model/MaterialTransfer.h>

#include <QtExt_MaterialDatabaseSelectionWidget.h>

#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QTableView>

namespace {

const int MaterialCount = 1000;

QtExt::MaterialTableModel::MaterialVector thousandMaterials() {
    static const char *const words[] = {"Mineral", "wool", "Lime", "plaster", "Solid",  "brick", "Spruce",
                                        "board",   "foil", "Clay", "Cement",  "screed", "Wood",  "fibre"};
    const int wordCount = int(sizeof(words) / sizeof(words[0]));
    QtExt::MaterialTableModel::MaterialVector materials;
    for (int i = 0; i < MaterialCount; ++i) {
        const QString name = QString("%1 %2 %3").arg(words[i % wordCount], words[(i / 3) % wordCount]).arg(i);
        Material m(name, i % Material::NumCategories, "notes", QString("P-%1").arg(i), "Producer", "Source", 300 + i,
                   0.04 + i * 0.001, 1 + i % 50, 0.01, 0.3, 0.001, i);
        materials.push_back(std::make_unique<MaterialTransfer>(m, i, false));
    }
    return materials;
}

void typeNameFilter(benchmark::State &state) {
    QtExt::MaterialDatabaseSelectionWidget widget;
    widget.setMaterials(thousandMaterials());
    widget.resize(1000, 700);
    widget.show();
    auto *filter = widget.findChild<QLineEdit *>("lineEditMaterialNameFilter");
    auto *table = widget.findChild<QTableView *>("tableView");
    const QString typed = QStringLiteral("mineral wool");
    for (auto _ : state) {
        for (int length = 1; length <= typed.size(); ++length) {
            filter->setText(typed.left(length));
            table->viewport()->repaint();
        }
        state.PauseTiming();
        filter->clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * typed.size());
}

} // namespace

BENCHMARK(typeNameFilter)->Name("Gui/MaterialFilter1000")->Unit(benchmark::kMillisecond);
