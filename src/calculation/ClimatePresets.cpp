#include "ClimatePresets.h"

namespace {

struct PresetRow {
    const char *name;
    int id;
    double T;
    double rh;
    double Rs;
    int period;
    bool outdoor;
};

// Standard boundary conditions; the table order is the build order, lookups follow the name order.
const PresetRow PRESET_ROWS[] = {
    {QT_TRANSLATE_NOOP("ClimatePresets", "Custom climate conditions, indoor"), 0, 20, 50, 0.125, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "Custom climate conditions, outdoor"), 0, -10, 70, 0.04, 0, true},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards"),
     1, 20, 50, 0.13, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-3 2001 Indoor climate, heat flow direction downwards"), 2, 20, 50,
     0.17, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-3 2001 Outdoor, boundary to outside"), 11, -10, 80, 0.04, 0, true},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-3 2001 Outdoor, boundary to ventilated air space"), 12, -10, 80,
     0.08, 0, true},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-3 2001 Outdoor, boundary to ground"), 14, -10, 80, 1e-8, 0, true},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN EN ISO 6946 Indoor climate, heat flow direction horizontal"), 3, 20, 50,
     0.13, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN EN ISO 6946 Indoor climate, heat flow direction downwards"), 4, 20, 50,
     0.17, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN EN ISO 6946 Indoor climate, heat flow direction upwards"), 5, 20, 50,
     0.10, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN EN ISO 6946 Outdoor climate"), 16, -10, 80, 0.04, 0, true},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN EN ISO 13788 Indoor climate, on glazings and window frames"), 7, 20, 50,
     0.13, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN EN ISO 13788 Indoor climate, all other surfaces"), 6, 20, 50, 0.25, 2,
     false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-8 Indoor climate, in built in cupboards, mould protection"), 8, 20,
     50, 1.0, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection"), 9,
     20, 50, 0.5, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-3_2014 Indoor climate"), 10, 20, 50, 0.25, 2, false},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-3_2014 Outdoor climate"), 13, -5, 80, 0.04, 0, true},
    {QT_TRANSLATE_NOOP("ClimatePresets", "DIN 4108-3 2014 Outdoor, boundary to ground"), 15, -5, 80, 1e-8, 0, true},
};

const double PRESET_TOLERANCE = 0.0001;

bool nearlyEqual(double a, double b) {
    return a + PRESET_TOLERANCE >= b && b + PRESET_TOLERANCE >= a;
}

QVector<int> idRange(int first, int last) {
    QVector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.append(id);
    return ids;
}

} // namespace

QMap<QString, ClimatePreset> ClimatePresets::presets() {
    QMap<QString, ClimatePreset> map;
    for (const PresetRow &row : PRESET_ROWS) {
        ClimatePreset preset;
        preset.name = tr(row.name);
        preset.id = row.id;
        preset.climate.T = row.T;
        preset.climate.rh = row.rh;
        preset.climate.Rs = row.Rs;
        preset.climate.period = row.period;
        preset.climate.outdoor = row.outdoor;
        map.insert(preset.name, preset);
    }
    return map;
}

QVector<int> ClimatePresets::indoorIds() {
    return idRange(1, 10);
}

QVector<int> ClimatePresets::outdoorIds() {
    return idRange(11, 16);
}

QVector<int> ClimatePresets::presetIds(int assessmentType, bool outdoor) {
    switch (assessmentType) {
    case AT_DIN4108_2001: return outdoor ? QVector<int>{11, 12, 14} : QVector<int>{1, 2};
    case AT_DIN4108_2014: return outdoor ? QVector<int>{13} : QVector<int>{10};
    default: return outdoor ? QVector<int>{0, 11, 12, 13, 14, 16} : idRange(0, 10);
    }
}

int ClimatePresets::findPresetId(double T, double rh, double Rs) {
    const QMap<QString, ClimatePreset> map = presets();
    for (const ClimatePreset &preset : map) {
        const ClimateRecord &c = preset.climate;
        if (nearlyEqual(c.T, T) && nearlyEqual(c.rh, rh) && nearlyEqual(c.Rs, Rs))
            return preset.id;
    }
    return 0;
}

bool ClimatePresets::applyPreset(int id, ClimateRecord &record) {
    const PresetRow *found = nullptr;
    for (const PresetRow &row : PRESET_ROWS) {
        if (row.id != id)
            continue;
        if (found == nullptr || row.outdoor == record.outdoor)
            found = &row;
        if (row.outdoor == record.outdoor)
            break;
    }
    if (found == nullptr)
        return false;
    record.T = found->T;
    record.rh = found->rh;
    record.Rs = found->Rs;
    return true;
}

QString ClimatePresets::assessmentTypeText(int assessmentType) {
    switch (assessmentType) {
    case AT_Custom: return QCoreApplication::translate("AssessmentConditions", "Custom conditions");
    case AT_DIN4108_2001:
        return QCoreApplication::translate("AssessmentConditions", "German Standard DIN 4108-3 from 2001");
    case AT_DIN4108_2014:
        return QCoreApplication::translate("AssessmentConditions", "German Standard DIN 4108-3 from 2014 and 2018");
    default: return QCoreApplication::translate("AssessmentConditions", "Unknown condition");
    }
}
