#ifndef V2_UndoStudyCommandsH
#define V2_UndoStudyCommandsH

// Undo command of the variant study dialog: one value of a study applied to the project. An exchange command:
// it is built with the project's input data with the value set, and redo and undo swap it with the project's,
// so that undo restores the earlier input exactly (a product layer's width and sd-value together).

#include "V2_UndoCommandBase.h"

#include <calculation/VariantStudy.h>
#include <model/InputData.h>

class V2_UndoStudyValue : public V2_UndoExchange<V2_UndoCommandBase> {
public:
    /*! \a value in the model's units (widths in m); \a layerIndex counts from 0 and is ignored for the climate
        quantities. */
    V2_UndoStudyValue(Project &project, const QString &text, VariantStudy::Quantity quantity, int layerIndex,
                      double value);

protected:
    void exchange() override;

private:
    InputData m_input;
};

#endif // V2_UndoStudyCommandsH
