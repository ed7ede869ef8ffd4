#ifndef V2_UndoClimateCommandsH
#define V2_UndoClimateCommandsH

// Undo commands of the climate and assessment editors. All three are exchange commands: the creator builds
// them with the new state, redo and undo share one swap of the stored state with the project's, so that every
// undo restores exactly the earlier conditions. Each reports after construction whether it carries a change;
// the creator pushes it only then. The layer table serves only to show the changed side and may be absent
// (tests push onto a local stack without a window); the editors show the new values when the project signals.

#include "V2_UndoCommandBase.h"

#include <model/AssessmentConditions.h>

/*! One quantity of one side's climate, typed into a field of the climate editor. */
class V2_UndoClimate : public V2_UndoExchange<V2_UndoTableViewBase> {
public:
    /*! Quantities; the surface resistance is one value for both periods of a side. */
    enum Kind { WinterTemperature, WinterHumidity, SummerTemperature, SummerHumidity, SurfaceResistance };

    /*! \a value in the model's unit: °C, % or m²K/W. */
    V2_UndoClimate(Project &project, const QString &text, QTableWidget *table, int kind, bool warmSide, double value);

    /*! False when the project already has the value. */
    bool isValidChange() const { return m_validChange; }

    /*! Current value of quantity \a kind of one side. */
    static double value(const AssessmentConditions &conditions, int kind, bool warmSide);

protected:
    void exchange() override;

private:
    int m_kind;
    bool m_warmSide;
    double m_value;
    bool m_validChange = false;
};

/*! A climate preset chosen for one side: its condensation-period values, and the surface resistance of both
    periods. Undo restores the side's previous climate records exactly, also when they matched no preset. */
class V2_UndoClimateAll : public V2_UndoExchange<V2_UndoTableViewBase> {
public:
    V2_UndoClimateAll(Project &project, const QString &text, QTableWidget *table, bool warmSide, int presetId);

    /*! False when the side's climate already has the preset's values (or the preset is unknown). */
    bool isValidChange() const { return m_validChange; }

protected:
    void exchange() override;

private:
    bool m_warmSide;
    ClimateRecord m_winter;
    ClimateRecord m_summer;
    bool m_validChange = false;
};

/*! Assessment type and period lengths. A standard type brings its presets, periods and drying climates; the
    custom type takes the two periods given. Undo restores all climate values and periods as they were. */
class V2_UndoAssessmentType : public V2_UndoExchange<V2_UndoCommandBase> {
public:
    /*! Periods in days. */
    V2_UndoAssessmentType(Project &project, const QString &text, int type, double condensationDays, double dryingDays);

    /*! False when the conditions would not change. */
    bool isValidChange() const { return m_validChange; }

protected:
    void exchange() override;

private:
    AssessmentConditions m_conditions;
    bool m_validChange = false;
};

#endif // V2_UndoClimateCommandsH
