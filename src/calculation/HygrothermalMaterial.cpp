#include "HygrothermalMaterial.h"

#include "FunctionTable.h"

#include <cmath>

namespace {
double airPermeabilityFormula(double TK) {
    return 2.0e-7 * std::pow(TK, 0.81) / 101325.0;
}
} // namespace

double HygrothermalMaterial::airPermeability(double TK, double &temperatureExponent) const {
    // tabulated at 0.1 K from -80 to 100 °C: interpolation error below 1e-8 relative
    static const FunctionTable table(193.15, 373.15, 0.1, airPermeabilityFormula);
    temperatureExponent = 0.81;
    double slope = 0;
    return table.covers(TK) ? table.value(TK, slope) : airPermeabilityFormula(TK);
}
