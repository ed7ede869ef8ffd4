#include "V2_UndoClimateCommands.h"

#include "AssessmentTypeWidget.h"
#include "ClimateEditWidget.h"

#include <QtExt_ValidatingLineEdit.h>

#include <model/Project.h>

namespace {

AssessmentConditions &conditionsOf(Project &project) {
    return project.document()->inputData().conditions();
}

/*! Blocks an editor's change handling for the lifetime of the guard and restores the earlier state. */
template <class Editor> class ChangeHandlingBlocker {
public:
    explicit ChangeHandlingBlocker(Editor *editor) : m_editor(editor) {
        if (m_editor)
            m_previous = m_editor->setChangeHandling(false);
    }
    ~ChangeHandlingBlocker() {
        if (m_editor)
            m_editor->setChangeHandling(m_previous);
    }
    ChangeHandlingBlocker(const ChangeHandlingBlocker &) = delete;
    ChangeHandlingBlocker &operator=(const ChangeHandlingBlocker &) = delete;

private:
    QPointer<Editor> m_editor;
    bool m_previous = true;
};

} // namespace

// ---------------------------------------------------------------------------------------------------------

V2_UndoClimate::V2_UndoClimate(Project &project, const QString &text, QTableWidget *table, ClimateEditWidget *editor,
                               QtExt::ValidatingLineEdit *lineEdit, int kind, bool warmSide, bool condensation)
    : V2_UndoExchange(project, text, lineEdit, table), m_editor(editor), m_kind(kind), m_warmSide(warmSide),
      m_condensation(condensation) {
    if (!lineEdit->isValid()) {
        lineEdit->setFocus();
        return;
    }
    m_value = lineEdit->value();
    m_validChange = m_value != value(conditionsOf(project), kind, warmSide);
}

double V2_UndoClimate::value(const AssessmentConditions &conditions, int kind, bool warmSide) {
    const ClimateRecord &winter = warmSide ? conditions.interiorWinter() : conditions.exteriorWinter();
    const ClimateRecord &summer = warmSide ? conditions.interiorSummer() : conditions.exteriorSummer();
    switch (kind) {
    case WinterTemperature: return winter.T;
    case WinterHumidity: return winter.rh;
    case SummerTemperature: return summer.T;
    case SummerHumidity: return summer.rh;
    default: return winter.Rs;
    }
}

void V2_UndoClimate::exchange() {
    ChangeHandlingBlocker<ClimateEditWidget> blocker(m_editor);
    selectColumn(m_warmSide ? 0 : layerCount() + 1);
    if (m_editor)
        m_editor->setPeriod(m_condensation);
    AssessmentConditions::Quantity quantity = AssessmentConditions::SurfaceResistance;
    // The surface resistance of the drying period follows that of the condensation period.
    AssessmentConditions::Season season = AssessmentConditions::BothSeasons;
    if (m_kind != SurfaceResistance) {
        const bool temperature = m_kind == WinterTemperature || m_kind == SummerTemperature;
        quantity = temperature ? AssessmentConditions::Temperature : AssessmentConditions::RelativeHumidity;
        const bool winter = m_kind == WinterTemperature || m_kind == WinterHumidity;
        season = winter ? AssessmentConditions::Winter : AssessmentConditions::Summer;
    }
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        AssessmentConditions &conditions = document.inputData().conditions();
        const double previous = value(conditions, m_kind, m_warmSide);
        const double current = m_value;
        if (m_warmSide)
            conditions.setInterior(quantity, season, current);
        else
            conditions.setExterior(quantity, season, current);
        m_value = previous;
        if (m_lineEdit)
            m_lineEdit->setValue(current);
        if (current != previous && m_editor)
            m_editor->updateFields();
        return current != previous;
    });
}

// ---------------------------------------------------------------------------------------------------------

V2_UndoClimateAll::V2_UndoClimateAll(Project &project, const QString &text, QTableWidget *table,
                                     ClimateEditWidget *editor, bool warmSide, bool condensation, int presetId)
    : V2_UndoExchange(project, text, table), m_editor(editor), m_warmSide(warmSide), m_condensation(condensation) {
    const AssessmentConditions &conditions = conditionsOf(project);
    m_winter = warmSide ? conditions.interiorWinter() : conditions.exteriorWinter();
    m_summer = warmSide ? conditions.interiorSummer() : conditions.exteriorSummer();
    if (!ClimatePresets::applyPreset(presetId, m_winter))
        return;
    m_summer.Rs = m_winter.Rs;
    m_validChange = m_winter != (warmSide ? conditions.interiorWinter() : conditions.exteriorWinter()) ||
                    m_summer != (warmSide ? conditions.interiorSummer() : conditions.exteriorSummer());
}

void V2_UndoClimateAll::exchange() {
    ChangeHandlingBlocker<ClimateEditWidget> blocker(m_editor);
    selectColumn(m_warmSide ? 0 : layerCount() + 1);
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        AssessmentConditions &conditions = document.inputData().conditions();
        const ClimateRecord winter = m_warmSide ? conditions.interiorWinter() : conditions.exteriorWinter();
        const ClimateRecord summer = m_warmSide ? conditions.interiorSummer() : conditions.exteriorSummer();
        const bool changed = winter != m_winter || summer != m_summer;
        if (m_warmSide) {
            conditions.setInteriorWinter(m_winter);
            conditions.setInteriorSummer(m_summer);
        }
        else {
            conditions.setExteriorWinter(m_winter);
            conditions.setExteriorSummer(m_summer);
        }
        m_winter = winter;
        m_summer = summer;
        if (m_editor) {
            m_editor->setPeriod(m_condensation);
            m_editor->setAssessmentType(conditions.type(), true);
        }
        return changed;
    });
}

// ---------------------------------------------------------------------------------------------------------

V2_UndoAssessmentType::V2_UndoAssessmentType(Project &project, const QString &text, AssessmentTypeWidget *editor,
                                             int type, double condensationDays, double dryingDays)
    : V2_UndoExchange(project, text), m_editor(editor), m_conditions(conditionsOf(project)) {
    if (type != m_conditions.type())
        m_conditions.applyType(type);
    // Standard types fix the periods; only custom conditions take them from the fields.
    if (type == AT_Custom) {
        m_conditions.setTT(condensationDays);
        m_conditions.setTT_summer(dryingDays);
    }
    m_validChange = m_conditions != conditionsOf(project);
}

void V2_UndoAssessmentType::exchange() {
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        AssessmentConditions &conditions = document.inputData().conditions();
        if (conditions == m_conditions)
            return false;
        std::swap(conditions, m_conditions);
        if (m_editor) {
            ChangeHandlingBlocker<AssessmentTypeWidget> blocker(m_editor);
            m_editor->updateFromProject();
        }
        return true;
    });
}
