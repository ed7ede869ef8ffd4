#include "RandomConstruction.h"

#include <cmath>

namespace {

double uniform(std::mt19937 &rng, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(rng);
}

double logUniform(std::mt19937 &rng, double low, double high) {
    return std::exp(uniform(rng, std::log(low), std::log(high)));
}

bool chance(std::mt19937 &rng, double p) {
    return uniform(rng, 0, 1) < p;
}

/*! One layer; \a tightness scales the diffusion resistance (larger towards the cold side). */
MaterialLayer randomLayer(std::mt19937 &rng, int id, double tightness) {
    const double d = logUniform(rng, 0.002, 0.25);
    const double lambda = logUniform(rng, 0.03, 2.0);
    const double mu = std::min(1e6, logUniform(rng, 1, 200) * tightness);
    const double w80 = logUniform(rng, 1e-4, 0.1);
    const double wsat = w80 * 95 / 80 + uniform(rng, 0.01, 0.8);
    const double Aw = chance(rng, 0.1) ? 0.0 : logUniform(rng, 1e-4, 0.3);
    const Material m(QStringLiteral("Material %1").arg(id), Material::Miscellaneous, QString(), QString(), QString(),
                     QString(), 1000, lambda, mu, w80, wsat, Aw, id);
    return MaterialLayer(m, d);
}

} // namespace

InputData randomConstruction(std::mt19937 &rng, int minLayers, int maxLayers) {
    InputData input;
    const int n = std::uniform_int_distribution<int>(minLayers, maxLayers)(rng);
    // where the construction gets tighter: usually near the cold side, sometimes anywhere
    const int tightFrom = chance(rng, 0.7) ? n - 1 - std::uniform_int_distribution<int>(0, std::min(2, n - 1))(rng)
                                           : std::uniform_int_distribution<int>(0, n - 1)(rng);
    for (int j = 0; j < n; ++j) {
        const double tightness = j >= tightFrom ? logUniform(rng, 5, 500) : 1.0;
        input.layers().append(randomLayer(rng, j + 1, tightness));
    }
    AssessmentConditions &c = input.conditions();
    c.setInterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, uniform(rng, 18, 22));
    c.setInterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, uniform(rng, 40, 70));
    c.setExterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, uniform(rng, -15, 0));
    c.setTT(chance(rng, 0.05) ? 0.01 : 90.0);
    input.check();
    return input;
}
