#include "V2_UndoClimateCommands.h"

#include <model/Project.h>

namespace {

AssessmentConditions &conditionsOf(Project &project) {
    return project.document()->inputData().conditions();
}

} // namespace

// ---------------------------------------------------------------------------------------------------------

V2_UndoClimate::V2_UndoClimate(Project &project, const QString &text, QTableWidget *table, int kind, bool warmSide,
                               double value)
    : V2_UndoExchange(project, text, table), m_kind(kind), m_warmSide(warmSide), m_value(value),
      m_validChange(value != V2_UndoClimate::value(conditionsOf(project), kind, warmSide)) {}

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
    selectColumn(m_warmSide ? 0 : layerCount() + 1);
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
        return current != previous;
    });
}

// ---------------------------------------------------------------------------------------------------------

V2_UndoClimateAll::V2_UndoClimateAll(Project &project, const QString &text, QTableWidget *table, bool warmSide,
                                     int presetId)
    : V2_UndoExchange(project, text, table), m_warmSide(warmSide) {
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
        return changed;
    });
}

// ---------------------------------------------------------------------------------------------------------

V2_UndoAssessmentType::V2_UndoAssessmentType(Project &project, const QString &text, int type, double condensationDays,
                                             double dryingDays)
    : V2_UndoExchange(project, text), m_conditions(conditionsOf(project)) {
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
        return true;
    });
}
