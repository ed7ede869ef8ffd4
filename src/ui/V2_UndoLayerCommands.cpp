#include "V2_UndoLayerCommands.h"

#include <algorithm>
#include <utility>

namespace {

QVector<MaterialLayer> &layersOf(Document &document) {
    return document.inputData().layers();
}

} // namespace

V2_UndoAddLayer::V2_UndoAddLayer(Project &project, const QString &text, QTableWidget *table, int index, bool right,
                                 const MaterialLayer &layer)
    : V2_UndoTableViewBase(project, text, table), m_index(index), m_right(right), m_layer(layer) {}

void V2_UndoAddLayer::redo() {
    const int at = m_right ? m_index + 1 : m_index;
    if (at < 0 || at > layerCount())
        return;
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        layersOf(document).insert(at, m_layer);
        return true;
    });
    selectColumn(at + 1);
}

void V2_UndoAddLayer::undo() {
    const int at = m_right ? m_index + 1 : m_index;
    if (!hasLayer(at))
        return;
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        layersOf(document).remove(at);
        return true;
    });
    selectColumn(std::min(layerCount(), at));
}

V2_UndoAddLayerLeft::V2_UndoAddLayerLeft(Project &project, QTableWidget *table, int index, const MaterialLayer &layer)
    : V2_UndoAddLayer(project, tr("Add layer left to no. %L1").arg(index + 1), table, index, false, layer) {}

V2_UndoAddLayerRight::V2_UndoAddLayerRight(Project &project, QTableWidget *table, int index, const MaterialLayer &layer)
    : V2_UndoAddLayer(project, tr("Add layer right to no. %L1").arg(index + 1), table, index, true, layer) {}

V2_UndoAddConstruction::V2_UndoAddConstruction(Project &project, const QString &text, QTableWidget *table, int index,
                                               bool right, const Construction &construction)
    : V2_UndoTableViewBase(project, text, table), m_index(index), m_right(right), m_construction(construction) {}

void V2_UndoAddConstruction::redo() {
    const int at = m_right ? m_index + 1 : m_index;
    if (at < 0 || at > layerCount())
        return;
    // All layers go in before the one recalculation.
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        QVector<MaterialLayer> &layers = layersOf(document);
        const QVector<MaterialLayer> &added = m_construction.layers();
        layers.insert(at, added.size(), MaterialLayer());
        std::copy(added.begin(), added.end(), layers.begin() + at);
        return !added.isEmpty();
    });
    selectColumn(at + 1);
}

void V2_UndoAddConstruction::undo() {
    const int at = m_right ? m_index + 1 : m_index;
    const int count = m_construction.layers().size();
    if (at < 0 || at + count > layerCount())
        return;
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        layersOf(document).remove(at, count);
        return count > 0;
    });
    selectColumn(std::min(layerCount(), m_index + 1));
}

V2_UndoAddConstructionLeft::V2_UndoAddConstructionLeft(Project &project, QTableWidget *table, int index,
                                                       const Construction &construction)
    : V2_UndoAddConstruction(project, tr("Add construction left to no. %L1").arg(index + 1), table, index, false,
                             construction) {}

V2_UndoAddConstructionRight::V2_UndoAddConstructionRight(Project &project, QTableWidget *table, int index,
                                                         const Construction &construction)
    : V2_UndoAddConstruction(project, tr("Add construction right to no. %L1").arg(index + 1), table, index, true,
                             construction) {}

V2_UndoRemoveLayer::V2_UndoRemoveLayer(Project &project, QTableWidget *table, int index)
    : V2_UndoTableViewBase(project, tr("Remove layer no. %L1").arg(index + 1), table), m_index(index),
      m_valid(hasLayer(index)) {
    if (m_valid)
        m_layer = project.document()->inputData().layers()[index];
}

void V2_UndoRemoveLayer::redo() {
    if (!m_valid || !hasLayer(m_index))
        return;
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        layersOf(document).remove(m_index);
        return true;
    });
    selectColumn(std::min(layerCount(), m_index));
}

void V2_UndoRemoveLayer::undo() {
    if (!m_valid || m_index > layerCount())
        return;
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        layersOf(document).insert(m_index, m_layer);
        return true;
    });
    selectColumn(std::min(layerCount(), m_index + 1));
}

V2_UndoMoveLayer::V2_UndoMoveLayer(Project &project, const QString &text, QTableWidget *table, int index, bool right)
    : V2_UndoTableViewBase(project, text, table), m_index(index), m_right(right) {}

void V2_UndoMoveLayer::redo() {
    swap(m_right ? m_index + 2 : m_index);
}

void V2_UndoMoveLayer::undo() {
    swap(m_index + 1);
}

void V2_UndoMoveLayer::swap(int column) {
    const int left = m_right ? m_index : m_index - 1;
    if (!hasLayer(left) || !hasLayer(left + 1))
        return;
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        QVector<MaterialLayer> &layers = layersOf(document);
        std::swap(layers[left], layers[left + 1]);
        return true;
    });
    selectColumn(column);
}

V2_UndoMoveLayerLeft::V2_UndoMoveLayerLeft(Project &project, QTableWidget *table, int index)
    : V2_UndoMoveLayer(project, tr("Move layer no. %L1 to left").arg(index + 1), table, index, false) {}

V2_UndoMoveLayerRight::V2_UndoMoveLayerRight(Project &project, QTableWidget *table, int index)
    : V2_UndoMoveLayer(project, tr("Move layer no. %L1 to right").arg(index + 1), table, index, true) {}

V2_UndoChangeMaterial::V2_UndoChangeMaterial(Project &project, QTableWidget *table, int index, const Material &material)
    : V2_UndoTableViewBase(project, tr("Change material on layer no. %L1").arg(index + 1), table), m_index(index),
      m_material(material) {}

void V2_UndoChangeMaterial::redo() {
    if (!hasLayer(m_index))
        return;
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        MaterialLayer &layer = layersOf(document)[m_index];
        m_width = layer.width();
        exchangeMaterial(layer);
        return true;
    });
    selectColumn(m_index + 1);
}

void V2_UndoChangeMaterial::undo() {
    if (!hasLayer(m_index))
        return;
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        MaterialLayer &layer = layersOf(document)[m_index];
        exchangeMaterial(layer);
        // Ignored by the layer when the restored material fixes the width by its sd-value.
        layer.setWidth(m_width);
        return true;
    });
    selectColumn(m_index + 1);
}

void V2_UndoChangeMaterial::exchangeMaterial(MaterialLayer &layer) {
    std::swap(layer.material(), m_material);
    layer.updateWidthFromSd();
}

V2_UndoLayerColor::V2_UndoLayerColor(Project &project, QTableWidget *table, int index, const QColor &color)
    : V2_UndoExchange(project, tr("Undo change of color at layer No. %1").arg(index + 1), table), m_index(index),
      m_color(color) {}

void V2_UndoLayerColor::exchange() {
    if (!hasLayer(m_index))
        return;
    selectColumn(m_index + 1);
    applyChange(Project::ModificationType::LayerAppearanceModified, [&](Document &document) {
        MaterialLayer &layer = layersOf(document)[m_index];
        const QColor previous = layer.color();
        layer.setColor(m_color);
        m_color = previous;
        return true;
    });
}
