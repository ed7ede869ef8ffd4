#ifndef V2_UndoMaterialCommandsH
#define V2_UndoMaterialCommandsH

// Undo commands of the layer editor: a material parameter or the width of one layer, and the material name of
// one layer. Both are exchange commands: the creator builds them with the new value and redo and undo share
// one swap with the project's layer, so that every undo restores the layer exactly (a width that followed
// from an sd-value included). Each reports after construction whether it carries a change; the creator
// pushes it only then. The layer table and the line edit only show the change and may be absent.

#include "V2_UndoCommandBase.h"

#include <model/MaterialLayer.h>

/*! One parameter of a layer's material, or the layer width, typed into the layer editor. */
class V2_UndoMaterialParameters : public V2_UndoExchange<V2_UndoValidatingLineEditBase> {
public:
    /*! Parameter kinds. */
    enum Kind { Mu = 0, W80 = 1, Wsat = 2, Lambda = 3, Aw = 4, Width = 5 };

    /*! \a value in the field's unit: the width in units of \a widthUnit (1 m, 10 dm, 100 cm, 1000 mm), the water
        absorption coefficient per s^0.5 when \a awInSeconds, else per h^0.5. */
    V2_UndoMaterialParameters(Project &project, const QString &text, QTableWidget *table,
                              QtExt::ValidatingLineEdit *lineEdit, int kind, int layerIndex, double value,
                              int widthUnit, bool awInSeconds);

    /*! False when the layer would not change. */
    bool isValidChange() const { return m_validChange; }

    /*! Sets parameter \a kind of \a layer to \a value given in the field's unit (see the constructor); a width
        that follows from the material's sd-value is recomputed. False for an unknown kind. */
    static bool applyValue(MaterialLayer &layer, int kind, double value, int widthUnit, bool awInSeconds);
    /*! The value of \a kind that the layer editor shows: effective conductivity and diffusion resistance
        factor, the width in \a widthUnit, A_w per s^0.5 or per h^0.5. */
    static double displayValue(const MaterialLayer &layer, int kind, HeatFlowDirection heatFlowDirection, int widthUnit,
                               bool awInSeconds);

protected:
    void exchange() override;

private:
    int m_kind;
    int m_layerIndex;
    int m_widthUnit;
    bool m_awInSeconds;
    MaterialLayer m_layer;
    bool m_validChange = false;
};

/*! The material name of one layer; only the layer's appearance changes, nothing is recalculated. */
class V2_UndoMaterialName : public V2_UndoExchange<V2_UndoLineEditBase> {
public:
    V2_UndoMaterialName(Project &project, const QString &text, QTableWidget *table, QLineEdit *lineEdit, int layerIndex,
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
