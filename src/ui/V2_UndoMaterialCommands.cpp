#include "V2_UndoMaterialCommands.h"

#include <model/Project.h>

namespace {

QVector<MaterialLayer> &layersOf(Project &project) {
    return project.document()->inputData().layers();
}

} // namespace

V2_UndoMaterialParameters::V2_UndoMaterialParameters(Project &project, const QString &text, QTableWidget *table,
                                                     int kind, int layerIndex, double value)
    : V2_UndoExchange(project, text, table), m_layerIndex(layerIndex) {
    const QVector<MaterialLayer> &layers = layersOf(project);
    if (layerIndex < 0 || layerIndex >= layers.size())
        return;
    m_layer = layers[layerIndex];
    m_validChange = applyValue(m_layer, kind, value) && m_layer != layers[layerIndex];
}

bool V2_UndoMaterialParameters::applyValue(MaterialLayer &layer, int kind, double value) {
    switch (kind) {
    case Mu: layer.setMu(value); break;
    case W80: layer.setW_80(value); break;
    case Wsat: layer.setW_sat(value); break;
    case Lambda: layer.setLambda(value); break;
    case Aw: layer.setAw(value, true); break;
    case Width: layer.setWidth(value); break;
    default: return false;
    }
    // A width given by the product's sd-value follows the diffusion resistance factor.
    layer.updateWidthFromSd();
    return true;
}

void V2_UndoMaterialParameters::exchange() {
    if (!hasLayer(m_layerIndex))
        return;
    selectColumn(m_layerIndex + 1);
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        MaterialLayer &layer = document.inputData().layers()[m_layerIndex];
        const bool changed = layer != m_layer;
        std::swap(layer, m_layer);
        return changed;
    });
}

// ---------------------------------------------------------------------------------------------------------

V2_UndoMaterialName::V2_UndoMaterialName(Project &project, const QString &text, QTableWidget *table, int layerIndex,
                                         const QString &name)
    : V2_UndoExchange(project, text, table), m_layerIndex(layerIndex), m_name(name) {
    const QVector<MaterialLayer> &layers = layersOf(project);
    m_validChange = layerIndex >= 0 && layerIndex < layers.size() && layers[layerIndex].name() != name;
}

void V2_UndoMaterialName::exchange() {
    if (!hasLayer(m_layerIndex))
        return;
    selectColumn(m_layerIndex + 1);
    applyChange(Project::ModificationType::LayerAppearanceModified, [&](Document &document) {
        MaterialLayer &layer = document.inputData().layers()[m_layerIndex];
        if (layer.name() == m_name)
            return false;
        const QString previous = layer.name();
        layer.setName(m_name);
        m_name = previous;
        return true;
    });
}
