#include "MonthlyInterior.h"

#include "PhysicalProperties.h"

#include <algorithm>

namespace {

/*! Specific gas constant of water vapour, J/(kg K). */
const double R_V = 461.5;
/*! Offset of the absolute temperature, K. */
const double KELVIN = 273.15;
/*! Safety factor of DIN EN ISO 13788 on the interior vapour pressure excess. */
const double EXCESS_FACTOR = 1.10;

} // namespace

double MonthlyInterior::classExcess(int humidityClass) {
    return 0.002 * std::clamp(humidityClass, 1, 5);
}

double MonthlyInterior::vapourPressure(double thetaE, double pE) const {
    if (model == Model::ConstantHumidity)
        return vapourPressureMagnus(theta, phi);
    double deltaV = 0;
    if (thetaE <= 0)
        deltaV = excess;
    else if (thetaE < 20)
        deltaV = excess * (20 - thetaE) / 20;
    const double T_m = ((theta + KELVIN) + (thetaE + KELVIN)) / 2;
    return pE + EXCESS_FACTOR * deltaV * R_V * T_m;
}
