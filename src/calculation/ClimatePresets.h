#ifndef ClimatePresetsH
#define ClimatePresetsH

// Climate boundary conditions: the climate record of one side and period, the table of standard presets,
// the preset sets allowed per assessment type and the preset lookup. Used by the assessment conditions,
// the climate editors and the report.

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QVector>

/*! Climate of one side in one period. A plain record with public fields. */
struct ClimateRecord {
    /*! Period the record applies to. */
    enum Period { Winter = 0, Summer = 1, BothPeriods = 2, NoPeriod = 3 };

    /*! Temperature in °C. */
    double T = 0;
    /*! Relative humidity in %. */
    double rh = 0;
    /*! Surface resistance in m2 K/W; 1e-8 stands for direct contact (ground). */
    double Rs = 0;
    /*! Period the record applies to (Period). */
    int period = NoPeriod;
    /*! True for the outdoor side. */
    bool outdoor = true;

    bool operator==(const ClimateRecord &other) const {
        return T == other.T && rh == other.rh && Rs == other.Rs && period == other.period && outdoor == other.outdoor;
    }
    bool operator!=(const ClimateRecord &other) const { return !(*this == other); }
};

/*! One row of the preset table. */
struct ClimatePreset {
    /*! Translated name, shown in the preset combo box. */
    QString name;
    /*! Preset id 0..16; 0 is the custom climate. */
    int id = 0;
    ClimateRecord climate;
};

/*! Assessment (conditions) types. */
enum AssessmentType { AT_Custom = 0, AT_DIN4108_2001 = 1, AT_DIN4108_2014 = 2 };

class ClimatePresets {
    Q_DECLARE_TR_FUNCTIONS(ClimatePresets)
public:
    /*! Preset table keyed by translated name; iteration runs in name order (character codes). Built on each call
        so that the names follow the current translation. */
    static QMap<QString, ClimatePreset> presets();

    /*! Ids of the indoor presets, {1..10}. */
    static QVector<int> indoorIds();
    /*! Ids of the outdoor presets, {11..16}. */
    static QVector<int> outdoorIds();

    /*! Preset ids allowed for an assessment type on the indoor or outdoor side, ascending (first = smallest). */
    static QVector<int> presetIds(int assessmentType, bool outdoor);

    /*! Id of the first preset in name order whose T, rh and Rs each equal the given values within 0.0001;
        0 (custom) when none matches. */
    static int findPresetId(double T, double rh, double Rs);

    /*! Copies T, rh and Rs of the preset with this id into the record; period and outdoor stay. Id 0 exists for
        both sides: the row whose outdoor flag matches the record is taken. Returns false for an unknown id. */
    static bool applyPreset(int id, ClimateRecord &record);

    /*! Display text of an assessment type, translated in the context "AssessmentConditions". */
    static QString assessmentTypeText(int assessmentType);
};

#endif // ClimatePresetsH
