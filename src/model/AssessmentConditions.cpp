#include "AssessmentConditions.h"

#include "calculation/PhysicalProperties.h"

#include <algorithm>
#include <cmath>

namespace {

/*! Values closer than this count as equal when the conditions type is derived. */
const double TYPE_TOLERANCE = 0.0001;

bool nearlyEqual(double a, double b) {
    return a == b || std::fabs(a - b) <= TYPE_TOLERANCE;
}

bool inRange(double value, double lower, double upper) {
    return std::isfinite(value) && value >= lower && value <= upper;
}

bool contains(const QVector<int> &ids, int id) {
    return ids.contains(id);
}

int smallest(const QVector<int> &ids) {
    return *std::min_element(ids.begin(), ids.end());
}

/*! Drying period of both standard types, days. */
const double STANDARD_DRYING_DAYS = 90;
/*! Condensation periods of the 2001 and of the 2014/2018 types, days. */
const double CONDENSATION_DAYS_2001 = 60;
const double CONDENSATION_DAYS_2014 = 90;
/*! Drying climate of the 2001 type on both sides. */
const double SUMMER_T_2001 = 12;
const double SUMMER_RH_2001 = 70;

} // namespace

AssessmentConditions::AssessmentConditions() {
    // Interior records are indoor climates: applying the custom preset must take the indoor row.
    m_interiorWinter.outdoor = false;
    m_interiorSummer.outdoor = false;
    applyType(AT_DIN4108_2014);
}

void AssessmentConditions::setInteriorWinter(const ClimateRecord &climate) {
    m_interiorWinter = climate;
    updateType();
}

void AssessmentConditions::setInteriorSummer(const ClimateRecord &climate) {
    m_interiorSummer = climate;
    updateType();
}

void AssessmentConditions::setExteriorWinter(const ClimateRecord &climate) {
    m_exteriorWinter = climate;
    updateType();
}

void AssessmentConditions::setExteriorSummer(const ClimateRecord &climate) {
    m_exteriorSummer = climate;
    updateType();
}

void AssessmentConditions::setInterior(Quantity quantity, Season season, double value) {
    if (season != Summer)
        setQuantity(m_interiorWinter, quantity, value);
    if (season != Winter)
        setQuantity(m_interiorSummer, quantity, value);
    updateType();
}

void AssessmentConditions::setExterior(Quantity quantity, Season season, double value) {
    if (season != Summer)
        setQuantity(m_exteriorWinter, quantity, value);
    if (season != Winter)
        setQuantity(m_exteriorSummer, quantity, value);
    updateType();
}

double AssessmentConditions::tT(bool inDays) const {
    return inDays ? m_tT : m_tT * SECONDS_PER_DAY;
}

double AssessmentConditions::tT_summer(bool inDays) const {
    return inDays ? m_tT_summer : m_tT_summer * SECONDS_PER_DAY;
}

void AssessmentConditions::setTT(double days) {
    m_tT = days;
    updateType();
}

void AssessmentConditions::setTT_summer(double days) {
    m_tT_summer = days;
    updateType();
}

void AssessmentConditions::applyType(int type, int preferredPreset) {
    m_type = type;
    const QVector<int> interiorIds = ClimatePresets::presetIds(type, false);
    const QVector<int> exteriorIds = ClimatePresets::presetIds(type, true);
    int interiorId = ClimatePresets::findPresetId(T_i(), rh_i(), Rsi());
    int exteriorId = ClimatePresets::findPresetId(T_e(), rh_e(), Rse());
    if (!contains(interiorIds, interiorId))
        interiorId = smallest(interiorIds);
    if (!contains(exteriorIds, exteriorId))
        exteriorId = smallest(exteriorIds);
    if (contains(interiorIds, preferredPreset))
        interiorId = preferredPreset;
    else if (contains(exteriorIds, preferredPreset))
        exteriorId = preferredPreset;
    ClimatePresets::applyPreset(interiorId, m_interiorWinter);
    ClimatePresets::applyPreset(exteriorId, m_exteriorWinter);

    if (type == AT_DIN4108_2001) {
        m_tT = CONDENSATION_DAYS_2001;
        m_interiorSummer.T = m_exteriorSummer.T = SUMMER_T_2001;
        m_interiorSummer.rh = m_exteriorSummer.rh = SUMMER_RH_2001;
    }
    else if (type == AT_DIN4108_2014) {
        m_tT = CONDENSATION_DAYS_2014;
        m_interiorSummer.T = m_exteriorSummer.T = dewPointTemperature(m_pSatSummer);
        m_interiorSummer.rh = 100 * m_pInsideSummer / m_pSatSummer;
        m_exteriorSummer.rh = 100 * m_pOutsideSummer / m_pSatSummer;
    }
    if (type == AT_DIN4108_2001 || type == AT_DIN4108_2014) {
        m_interiorSummer.Rs = m_interiorWinter.Rs;
        m_exteriorSummer.Rs = m_exteriorWinter.Rs;
        m_tT_summer = STANDARD_DRYING_DAYS;
    }
    updateType();
}

QString AssessmentConditions::typeName(int type) {
    return ClimatePresets::assessmentTypeText(type);
}

bool AssessmentConditions::isValid() const {
    for (const ClimateRecord *climate : {&m_interiorWinter, &m_interiorSummer, &m_exteriorWinter, &m_exteriorSummer}) {
        if (!inRange(climate->T, -40, 80) || !inRange(climate->rh, 0, 100) || !std::isfinite(climate->Rs))
            return false;
    }
    return Rsi() > 0 && Rse() > 0 && std::isfinite(m_tT) && m_tT > 0 && std::isfinite(m_tT_summer) && m_tT_summer > 0;
}

bool AssessmentConditions::operator==(const AssessmentConditions &other) const {
    return m_interiorWinter == other.m_interiorWinter && m_interiorSummer == other.m_interiorSummer &&
           m_exteriorWinter == other.m_exteriorWinter && m_exteriorSummer == other.m_exteriorSummer &&
           m_tT == other.m_tT && m_tT_summer == other.m_tT_summer && m_pInsideSummer == other.m_pInsideSummer &&
           m_pOutsideSummer == other.m_pOutsideSummer && m_pSatSummer == other.m_pSatSummer && m_type == other.m_type;
}

int AssessmentConditions::detectType() const {
    if (!nearlyEqual(m_tT_summer, STANDARD_DRYING_DAYS) ||
        !(nearlyEqual(m_tT, CONDENSATION_DAYS_2014) || nearlyEqual(m_tT, CONDENSATION_DAYS_2001)) ||
        !nearlyEqual(Rsi_summer(), Rsi()) || !nearlyEqual(Rse_summer(), Rse()))
        return AT_Custom;

    const int interiorId = ClimatePresets::findPresetId(T_i(), rh_i(), Rsi());
    const int exteriorId = ClimatePresets::findPresetId(T_e(), rh_e(), Rse());
    const bool interior2001 = contains(ClimatePresets::presetIds(AT_DIN4108_2001, false), interiorId);
    const bool interior2014 = contains(ClimatePresets::presetIds(AT_DIN4108_2014, false), interiorId);
    const bool exterior2001 = contains(ClimatePresets::presetIds(AT_DIN4108_2001, true), exteriorId);
    const bool exterior2014 = contains(ClimatePresets::presetIds(AT_DIN4108_2014, true), exteriorId);
    if ((interior2001 && !exterior2001) || (interior2014 && !exterior2014) || (!interior2001 && !interior2014))
        return AT_Custom;

    if (interior2014) {
        const double Ts = dewPointTemperature(m_pSatSummer);
        const bool summer2014 =
            nearlyEqual(T_i_summer(), Ts) && nearlyEqual(rh_i_summer(), 100 * m_pInsideSummer / m_pSatSummer) &&
            nearlyEqual(T_e_summer(), Ts) && nearlyEqual(rh_e_summer(), 100 * m_pOutsideSummer / m_pSatSummer);
        return summer2014 ? AT_DIN4108_2014 : AT_Custom;
    }
    const bool summer2001 = nearlyEqual(T_i_summer(), SUMMER_T_2001) && nearlyEqual(rh_i_summer(), SUMMER_RH_2001) &&
                            nearlyEqual(T_e_summer(), SUMMER_T_2001) && nearlyEqual(rh_e_summer(), SUMMER_RH_2001);
    return summer2001 ? AT_DIN4108_2001 : AT_Custom;
}

void AssessmentConditions::setQuantity(ClimateRecord &climate, Quantity quantity, double value) {
    switch (quantity) {
    case Temperature: climate.T = value; break;
    case RelativeHumidity: climate.rh = value; break;
    case SurfaceResistance: climate.Rs = value; break;
    }
}
