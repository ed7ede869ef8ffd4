#include "En15026AnnexA.h"

#include "PhysicalProperties.h"

#include <cmath>
#include <limits>

void En15026AnnexA::Material::evaluate(double phi, MoistureProperties &p) const {
    const double rt = DENSITY_WATER * GAS_CONSTANT_VAPOUR * 293.15;
    const double suction = -rt * std::log(phi);
    const double x = std::pow(8e-8 * suction, 1.6);
    p.w = 146 / std::pow(1 + x, 0.375);
    // dw/dphi = dw/dp_suc dp_suc/dphi with dp_suc/dphi = -rt / phi
    const double dwds = suction > 0 ? -146 * 0.375 * std::pow(1 + x, -1.375) * 1.6 * x / suction : 0.0;
    p.dwdphi = dwds * -rt / phi;
    const double u = p.w - 73;
    const double K =
        std::exp(-39.2619 + u * (0.0704 + u * (-1.7420e-4 + u * (-2.7953e-6 + u * (-1.1566e-7 + u * 2.5969e-9)))));
    p.Dphi = K * rt / phi;
    const double s = 1 - p.w / 146;
    const double f = s / (0.503 * s * s + 0.497);
    p.mu = f > 0 ? 200 / f : std::numeric_limits<double>::infinity();
    p.lambda = 1.5 + 0.0158 * p.w;
}

double En15026AnnexA::Material::airPermeability(double TK, double &temperatureExponent) const {
    temperatureExponent = -1;
    return 0.018 / (8.314 * TK) * 26.1e-6;
}

En15026AnnexA::En15026AnnexA()
    : m_surface(HourlyClimate::constant(30, 0.95)), m_deep(HourlyClimate::constant(20, 0.5)) {}

TransientSetup En15026AnnexA::setup() const {
    TransientSetup setup;
    MeshOptions options;
    options.finest = 5e-4;
    options.stretch = 1.1;
    options.coarsestFraction = 0.005; // 0.1 m of 20 m
    options.oneSided = true;
    setup.mesh = TransientMesh::graded({20.0}, options);
    setup.materials = {&m_material};
    // The far end lies so deep that holding it at the initial state is the same as a semi-infinite slab.
    setup.interior = {SurfaceCondition::Prescribed, 0, 0, &m_surface};
    setup.exterior = {SurfaceCondition::Prescribed, 0, 0, &m_deep};
    setup.initialTemperature = 20;
    setup.initialRh = 0.5;
    setup.maxStep = SECONDS_PER_DAY;
    return setup;
}
