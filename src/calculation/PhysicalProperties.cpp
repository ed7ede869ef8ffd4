#include "PhysicalProperties.h"

#include <cmath>

double saturationPressure(double theta) {
    if (theta >= 0)
        return 288.68 * std::pow(1.098 + theta / 100.0, 8.02);
    return 4.689 * std::pow(1.486 + theta / 100.0, 12.3);
}

double saturationPressureMagnus(double theta) {
    if (theta >= 0)
        return 610.5 * std::exp(17.269 * theta / (237.3 + theta));
    return 610.5 * std::exp(21.875 * theta / (265.5 + theta));
}

double dewPointTemperature(double p) {
    if (p >= 611)
        return 49.342 * std::pow(p, 1.0 / 8.02) - 109.8;
    return 88.196 * std::pow(p, 1.0 / 12.3) - 148.6;
}

double vapourPressure(double theta, double phi) {
    return saturationPressure(theta) * phi / 100.0;
}

double vapourPressureMagnus(double theta, double phi) {
    return saturationPressureMagnus(theta) * phi / 100.0;
}

double diffusionResistanceGlaser(double mu, double d) {
    return mu * d / DELTA_AIR_GLASER;
}

double diffusionResistanceMoisture(double mu, double d) {
    return mu * d * DIFFUSION_FACTOR_MOISTURE;
}
