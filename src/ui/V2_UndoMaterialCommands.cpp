#include "V2_UndoMaterialCommands.h"

#include <QtExt_ValidatingLineEdit.h>

#include <calculation/PhysicalProperties.h>
#include <model/Project.h>

namespace {

/*! Per s^0.5 to per h^0.5. */

QVector<MaterialLayer> &layersOf(Project &project) {
    return project.document()->inputData().layers();
}

} // namespace

V2_UndoMaterialParameters::V2_UndoMaterialParameters(Project &project, const QString &text, QTableWidget *table,
                                                     QtExt::ValidatingLineEdit *lineEdit, int kind, int layerIndex,
                                                     double value, int widthUnit, bool awInSeconds)
    : V2_UndoExchange(project, text, lineEdit, table), m_kind(kind), m_layerIndex(layerIndex), m_widthUnit(widthUnit),
      m_awInSeconds(awInSeconds) {
    const QVector<MaterialLayer> &layers = layersOf(project);
    if (layerIndex < 0 || layerIndex >= layers.size())
        return;
    m_layer = layers[layerIndex];
    m_validChange = applyValue(m_layer, kind, value, widthUnit, awInSeconds) && m_layer != layers[layerIndex];
}

bool V2_UndoMaterialParameters::applyValue(MaterialLayer &layer, int kind, double value, int widthUnit,
                                           bool awInSeconds) {
    switch (kind) {
    case Mu: layer.setMu(value); break;
    case W80: layer.setW_80(value); break;
    case Wsat: layer.setW_sat(value); break;
    case Lambda: layer.setLambda(value); break;
    case Aw: layer.setAw(value, awInSeconds); break;
    case Width: layer.setWidth(value, widthUnit); break;
    default: return false;
    }
    // A width given by the product's sd-value follows the diffusion resistance factor.
    layer.updateWidthFromSd();
    return true;
}

double V2_UndoMaterialParameters::displayValue(const MaterialLayer &layer, int kind,
                                               HeatFlowDirection heatFlowDirection, int widthUnit, bool awInSeconds) {
    switch (kind) {
    case Mu: return layer.mu();
    case W80: return layer.w_80();
    case Wsat: return layer.w_sat();
    case Lambda: return layer.lambda(heatFlowDirection);
    case Aw: return awInSeconds ? layer.Aw() : awPerRootHour(layer.Aw());
    default: return layer.width(widthUnit);
    }
}

void V2_UndoMaterialParameters::exchange() {
    if (!hasLayer(m_layerIndex))
        return;
    selectColumn(m_layerIndex + 1);
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        MaterialLayer &layer = document.inputData().layers()[m_layerIndex];
        const bool changed = layer != m_layer;
        std::swap(layer, m_layer);
        if (m_lineEdit) {
            const HeatFlowDirection direction = document.projectInformation().m_heatFlowDirection;
            m_lineEdit->setValue(displayValue(layer, m_kind, direction, m_widthUnit, m_awInSeconds));
        }
        return changed;
    });
}

// ---------------------------------------------------------------------------------------------------------

V2_UndoMaterialName::V2_UndoMaterialName(Project &project, const QString &text, QTableWidget *table,
                                         QLineEdit *lineEdit, int layerIndex, const QString &name)
    : V2_UndoExchange(project, text, lineEdit, table), m_layerIndex(layerIndex), m_name(name) {
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
        if (m_lineEdit)
            m_lineEdit->setText(layer.name());
        return true;
    });
}
