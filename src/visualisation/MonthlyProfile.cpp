#include "MonthlyProfile.h"

#include <calculation/MonthlyAssessment.h>
#include <calculation/PhysicalProperties.h>

int MonthlyProfile::month(const MonthlyAssessment &assessment) {
    const MonthlyResults &r = assessment.results;
    if (!r.valid)
        return 0;
    if (r.maxMonth != 0)
        return r.maxMonth;
    int coldest = 1;
    for (int m = 2; m <= MonthlyClimate::Months; ++m)
        if (r.month(m)->thetaE < r.month(coldest)->thetaE)
            coldest = m;
    return coldest;
}

MonthlyProfile::MonthlyProfile(const InputData &construction, const MonthlyAssessment &assessment, int m)
    : input(construction) {
    const MonthlyMonthResult *month = assessment.results.month(m);
    if (!month)
        return;
    // The profiles take the boundary climate as temperature and relative humidity (power form); these humidities
    // give back the month's vapour pressures.
    AssessmentConditions &c = input.conditions();
    using A = AssessmentConditions;
    c.setInterior(A::Temperature, A::Winter, month->thetaI);
    c.setInterior(A::RelativeHumidity, A::Winter, 100 * month->pI / saturationPressure(month->thetaI));
    c.setExterior(A::Temperature, A::Winter, month->thetaE);
    c.setExterior(A::RelativeHumidity, A::Winter, 100 * month->pE / saturationPressure(month->thetaE));
    results.resultCode = month->total > 0 ? ResultCode::OnePlane : ResultCode::NoCondensation;
    results.glaserResultCode = results.resultCode;
    results.T = month->T;
    results.p_sat = month->p_sat;
    results.p = month->p;
}
