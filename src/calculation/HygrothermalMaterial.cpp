#include "HygrothermalMaterial.h"

#include <cmath>

double HygrothermalMaterial::airPermeability(double TK, double &temperatureExponent) const {
    temperatureExponent = 0.81;
    return 2.0e-7 * std::pow(TK, 0.81) / 101325.0;
}
