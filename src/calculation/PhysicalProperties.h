#ifndef PhysicalPropertiesH
#define PhysicalPropertiesH

// Physical property functions shared by the Glaser step, the moisture-dependent method, the climate editors
// and the report. Units: temperature in °C, relative humidity in %, vapour pressure in Pa, thickness in m.
// Air-space conductivity and diffusion resistance are Material::effectiveLambda / effectiveMu.

/*! Seconds per hour and per day, to convert periods given in hours or days. */
constexpr double SECONDS_PER_HOUR = 3600.0;
constexpr double SECONDS_PER_DAY = SECONDS_PER_HOUR * 24.0;
/*! Days of a time span given in seconds. Divides by the hour first: the criteria print all digits of it. */
constexpr double daysFromSeconds(double seconds) {
    return seconds / SECONDS_PER_HOUR / 24;
}

/*! Factor between a water absorption coefficient A_w per h^0.5 and per s^0.5: sqrt(3600 s) = 60 s^0.5. */
constexpr double AW_ROOT_SECONDS_PER_ROOT_HOUR = 60.0;
/*! A_w in kg/(m2 s^0.5) from kg/(m2 h^0.5). */
constexpr double awPerRootSecond(double aw) {
    return aw / AW_ROOT_SECONDS_PER_ROOT_HOUR;
}
/*! A_w in kg/(m2 h^0.5) from kg/(m2 s^0.5). */
constexpr double awPerRootHour(double aw) {
    return aw * AW_ROOT_SECONDS_PER_ROOT_HOUR;
}

/*! Moisture content at 95 % RH in m3/m3 from the one at 80 % (w95 = w80 * 95 / 80): the reference moisture
    of the moisture-dependent method, its diagram and the check that w95 stays below saturation. */
constexpr double w95FromW80(double w80) {
    return w80 * 95 / 80;
}

/*! Vapour permeability of still air used by the Glaser step (DIN 4108-3), kg/(m s Pa). */
const double DELTA_AIR_GLASER = 2e-10;
/*! Factor of the moisture-dependent method: Z = mu * d * 5.4e9 (1.5e6 m h Pa/kg expressed in seconds). */
const double DIFFUSION_FACTOR_MOISTURE = 5.4e9;

/*! Saturation vapour pressure in Pa, power form of DIN 4108-3:
    theta >= 0: 288.68 (1.098 + theta/100)^8.02; theta < 0: 4.689 (1.486 + theta/100)^12.3. */
double saturationPressure(double theta);

/*! Saturation vapour pressure in Pa, Magnus form:
    theta >= 0: 610.5 exp(17.269 theta / (237.3 + theta)); theta < 0: 610.5 exp(21.875 theta / (265.5 + theta)). */
double saturationPressureMagnus(double theta);

/*! Dew point temperature in °C for a vapour pressure p in Pa, inverse of saturationPressure:
    p >= 611: 49.342 p^(1/8.02) - 109.8; p < 611: 88.196 p^(1/12.3) - 148.6. */
double dewPointTemperature(double p);

/*! Vapour pressure in Pa of air at theta (°C) and relative humidity phi (%), power form. */
double vapourPressure(double theta, double phi);
/*! Vapour pressure in Pa of air at theta (°C) and relative humidity phi (%), Magnus form. */
double vapourPressureMagnus(double theta, double phi);

/*! Vapour diffusion resistance of a layer in the Glaser step, Z = mu d / 2e-10 in m2 s Pa/kg. */
double diffusionResistanceGlaser(double mu, double d);
/*! Vapour diffusion resistance of a layer in the moisture-dependent method, Z = mu d 5.4e9 in m2 s Pa/kg. */
double diffusionResistanceMoisture(double mu, double d);

#endif // PhysicalPropertiesH
