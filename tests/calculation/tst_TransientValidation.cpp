// Validation of the transient heat and moisture solver against the cases of the field:
// the EN 15026 Annex A benchmark (semi-infinite slab, surface suddenly held at 30 °C / 95 %), an isothermal
// wetting and drying case with an analytical storage function and constant liquid diffusivity, and the approach
// of the stationary moisture-dependent method under constant climates.

#include <calculation/Calculation.h>
#include <calculation/CatalogueMaterial.h>
#include <calculation/En15026AnnexA.h>
#include <calculation/HourlyClimate.h>
#include <calculation/HygrothermalMaterial.h>
#include <calculation/PhysicalProperties.h>
#include <calculation/TransientSolver.h>

#include <model/InputData.h>
#include <model/ProjectInformation.h>

#include "FuzzyCompare.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

/*! The isothermal case: w(phi) = 116 / (1 - ln(phi) / 0.118)^0.869, D_w = 6e-10 m2/s, no vapour transport;
    conducts heat so well that the latent heat at the surfaces leaves it at 20 °C. */
class IsothermalMaterial : public HygrothermalMaterial {
public:
    void evaluate(double phi, MoistureProperties &p) const override {
        const double base = 1 - std::log(phi) / 0.118;
        p.w = 116 / std::pow(base, 0.869);
        p.dwdphi = 116 * 0.869 / (0.118 * phi) * std::pow(base, -1.869);
        p.Dphi = 6e-10 * p.dwdphi;
        p.mu = std::numeric_limits<double>::infinity();
        p.lambda = 1000;
    }
    double heatCapacity() const override { return 1e6; }
    double saturationWaterContent() const override { return 116; }
};

/*! A catalogue material whose vapour permeability of air is the constant of the stationary moisture-dependent
    method (Z = mu d 5.4e9), so that both methods see the same transport coefficients. */
class StationaryDeltaMaterial : public CatalogueMaterial {
public:
    using CatalogueMaterial::CatalogueMaterial;
    double airPermeability(double, double &temperatureExponent) const override {
        temperatureExponent = 0;
        return 1 / DIFFUSION_FACTOR_MOISTURE;
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

class tst_TransientValidation : public QObject {
    Q_OBJECT
private slots:
    void annexA();
    void isothermal();
    void stationaryState();
};

void tst_TransientValidation::annexA() {
    const En15026AnnexA benchmarkCase;
    TransientSolver solver(benchmarkCase.setup());

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

void tst_TransientValidation::isothermal() {
    const IsothermalMaterial material;
    const HourlyClimate interior = HourlyClimate::constant(20, 0.65);
    const HourlyClimate exterior = HourlyClimate::constant(20, 0.45);
    TransientSetup setup;
    MeshOptions options;
    options.finest = 2e-4;
    options.stretch = 1.1;
    options.coarsestFraction = 0.02;
    setup.mesh = TransientMesh::graded({0.2}, options);
    setup.materials = {&material};
    setup.interior = {SurfaceCondition::Exchange, 1e5, 1e-3, &interior};
    setup.exterior = {SurfaceCondition::Exchange, 1e5, 1e-3, &exterior};
    setup.initialTemperature = 20;
    setup.initialRh = 0.95;
    TransientSolver solver(setup);
    HYG_COMPARE_DOUBLE(solver.waterContent(0), 84.7687, 0, 1e-4); // the initial state of the case
    const struct { double hours, w; } expected[] = {{100, 84.7685}, {300, 84.1147}, {1000, 69.4563}};
    for (const auto &e : expected) {
        QVERIFY2(solver.advanceTo(e.hours * SECONDS_PER_HOUR), qPrintable(solver.errorText()));
        HYG_COMPARE_DOUBLE(solver.mesh().interpolate(waterContents(solver), 0.1), e.w, 0, 0.1);
    }
    for (double T : solver.temperatures())
        HYG_COMPARE_DOUBLE(T, 20.0, 0, 0.01);
}

void tst_TransientValidation::stationaryState() {
    // plaster, brick, insulation, render: no condensation under the DIN 4108-3 winter climate
    InputData input;
    const struct {
        double d, lambda, mu, w80, wsat;
    } layers[] = {{0.015, 0.7, 10, 0.01, 0.3},
                  {0.24, 0.5, 5, 0.01, 0.3},
                  {0.06, 0.04, 20, 0.001, 0.9},
                  {0.01, 0.7, 15, 0.01, 0.3}};
    for (const auto &l : layers) {
        const Material m(QStringLiteral("layer"), Material::Miscellaneous, QString(), QString(), QString(), QString(),
                         1000, l.lambda, l.mu, l.w80, l.wsat, 0, 1);
        input.layers().append(MaterialLayer(m, l.d));
    }
    input.check();
    Calculation calculation;
    QCOMPARE(calculation.calculate(input, HeatFlowDirection::Horizontal), ResultCode::NoCondensation);
    const CalculationResults &stationary = calculation.results();

    const AssessmentConditions &c = input.conditions();
    std::vector<StationaryDeltaMaterial> materials;
    std::vector<double> widths;
    for (const MaterialLayer &layer : input.layers()) {
        materials.emplace_back(layer, HeatFlowDirection::Horizontal);
        widths.push_back(layer.width());
    }
    const HourlyClimate interior = HourlyClimate::constant(c.T_i(), c.rh_i() / 100);
    const HourlyClimate exterior = HourlyClimate::constant(c.T_e(), c.rh_e() / 100);
    TransientSetup setup;
    setup.mesh = TransientMesh::graded(widths, MeshOptions());
    for (const StationaryDeltaMaterial &m : materials)
        setup.materials.push_back(&m);
    // The stationary method has no vapour resistance at the surfaces.
    setup.interior = {SurfaceCondition::Exchange, 1 / c.Rsi(), 1, &interior};
    setup.exterior = {SurfaceCondition::Exchange, 1 / c.Rse(), 1, &exterior};
    setup.initialTemperature = 10;
    setup.initialRh = 0.6;
    setup.maxStep = 5 * SECONDS_PER_DAY;
    TransientSolver solver(setup);
    QVERIFY2(solver.advanceTo(20 * 365 * SECONDS_PER_DAY), qPrintable(solver.errorText()));

    std::vector<double> T, phi;
    solver.interfaceValues(T, phi);
    QCOMPARE(T.size(), stationary.T_moist.size());
    for (size_t k = 0; k < T.size(); ++k) {
        HYG_COMPARE_DOUBLE(T[k], stationary.T_moist[k], 0, 0.01);
        // w = phi w95 in the stationary method, on both sides of the interface
        const double stationaryPhi = stationary.p_moist[k] / stationary.p_sat_moist[k];
        HYG_COMPARE_DOUBLE(phi[k], stationaryPhi, 0.01, 0.0);
    }
}

QTEST_GUILESS_MAIN(tst_TransientValidation)
#include "tst_TransientValidation.moc"
