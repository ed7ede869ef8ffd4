#include "V2_UndoAssessmentCommands.h"

#include <utility>

V2_UndoAssessment::V2_UndoAssessment(Project &project, const AssessmentChoices &choices, const QString &text)
    : V2_UndoExchange(project, text), m_choices(choices) {}

void V2_UndoAssessment::exchange() {
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        InputData &input = document.inputData();
        if (input.assessment() == m_choices)
            return false;
        std::optional<AssessmentChoices> previous = input.assessment();
        input.setAssessment(m_choices);
        m_choices = std::move(previous);
        return true;
    });
}
