#ifndef V2_UndoMaterialCommandsH
#define V2_UndoMaterialCommandsH

// Undo commands of the layer editor: a material parameter or the width of one layer, and the material name of
// one layer. Both are exchange commands: the creator builds them with the new value and redo and undo share
// one swap with the project's layer, so that every undo restores the layer exactly (a width that followed
// from an sd-value included). Each reports after construction whether it carries a change; the creator
// pushes it only then. The layer table only shows the changed layer and may be absent; the editor converts
// its units and shows the new values when the project signals.

#include "V2_UndoCommandBase.h"

#include <model/MaterialLayer.h>

/*! One parameter of a layer's material, or the layer width, typed into the layer editor. */
class V2_UndoMaterialParameters : public V2_UndoExchange<V2_UndoTableViewBase> {
public:
    /*! Parameter kinds. */
    enum Kind { Mu = 0, W80 = 1, Wsat = 2, Lambda = 3, Aw = 4, Width = 5 };

    /*! \a value in the model's unit: the width in m, the water absorption coefficient in kg/(m² s^0.5), the
        moisture contents in m³/m³, the conductivity in W/(m K). */
    V2_UndoMaterialParameters(Project &project, const QString &text, QTableWidget *table, int kind, int layerIndex,
                              double value);

    /*! False when the layer would not change. */
    bool isValidChange() const { return m_validChange; }

    /*! Sets parameter \a kind of \a layer to \a value in the model's unit (see the constructor); a width that
        follows from the material's sd-value is recomputed. False for an unknown kind. */
    static bool applyValue(MaterialLayer &layer, int kind, double value);

protected:
    void exchange() override;

private:
    int m_layerIndex;
    MaterialLayer m_layer;
    bool m_validChange = false;
};

/*! The material name of one layer; only the layer's appearance changes, nothing is recalculated. */
class V2_UndoMaterialName : public V2_UndoExchange<V2_UndoTableViewBase> {
public:
    V2_UndoMaterialName(Project &project, const QString &text, QTableWidget *table, int layerIndex,
                        const QString &name);

    /*! False when the layer already has this name. */
    bool isValidChange() const { return m_validChange; }

protected:
    void exchange() override;

private:
    int m_layerIndex;
    QString m_name;
    bool m_validChange = false;
};

#endif // V2_UndoMaterialCommandsH
