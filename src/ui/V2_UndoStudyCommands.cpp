#include "V2_UndoStudyCommands.h"

#include <utility>

V2_UndoStudyValue::V2_UndoStudyValue(Project &project, const QString &text, VariantStudy::Quantity quantity,
                                     int layerIndex, double value)
    : V2_UndoExchange(project, text) {
    if (!project.document())
        return;
    m_input = project.document()->inputData();
    if (!VariantStudy::isLayerQuantity(quantity) || hasLayer(layerIndex))
        VariantStudy::apply(m_input, quantity, layerIndex, value);
}

void V2_UndoStudyValue::exchange() {
    applyChange(Project::ModificationType::AllModified, [this](Document &document) {
        std::swap(document.inputData(), m_input);
        return true;
    });
}
