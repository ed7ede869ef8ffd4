#ifndef V2_UndoAssessmentCommandsH
#define V2_UndoAssessmentCommandsH

// Undo command of the project's assessment choices (DIN 4108-3 edition and A_w limits, drying reserve,
// DIN 4108-2 row, f_Rsi check), made by the criteria panels of the print dialog. An exchange command: one per
// change of a panel, it swaps the whole record, so that undo restores the earlier verdicts exactly.

#include "V2_UndoCommandBase.h"

#include <model/AssessmentChoices.h>

#include <QCoreApplication>

#include <optional>

class V2_UndoAssessment : public V2_UndoExchange<V2_UndoCommandBase> {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoAssessment)
public:
    /*! A command that gives the project \a choices; \a text names the change. */
    V2_UndoAssessment(Project &project, const AssessmentChoices &choices, const QString &text);

protected:
    void exchange() override;

private:
    /*! None only after the push into a project without choices of its own: undo gives it none again. */
    std::optional<AssessmentChoices> m_choices;
};

#endif // V2_UndoAssessmentCommandsH
