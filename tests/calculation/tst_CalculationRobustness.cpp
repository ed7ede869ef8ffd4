#include <QtTest>

#include <CoreEnums.h>

#include <calculation/Calculation.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>

#include <cfloat>
#include <cmath>
#include <vector>

// The calculation must end with a result code for any input that passes the input check, however absurd:
// long constructions, extreme material values, condensation without liquid transport. A hang shows up as the
// test's time-out, undefined behaviour in the sanitizer build of the suite.

namespace {

struct LayerSpec {
    double d;
    double lambda;
    double mu;
    double w80;
    double wsat;
    double Aw;
};

using Layers = std::vector<LayerSpec>;

const LayerSpec Plaster{0.015, 0.7, 10, 0.005, 0.3, 0.05};
const LayerSpec Brick{0.24, 0.8, 10, 0.01, 0.25, 0.2};
const LayerSpec Foil{0.0002, 0.2, 1e6, 0.0001, 0.01, 0};

LayerSpec woolWithoutLiquidTransport(double d) {
    return LayerSpec{d, 0.04, 1, 0.001, 0.9, 0};
}

/*! Insulation on the warm side, followed by a tight outer layer: condensation in front of the last layer.
    Without liquid transport (Aw 0) in the insulation and the outer layer no plane combination can be solved,
    so the search tries every one of them. */
Layers insulatedWall(int insulationLayers, double Aw) {
    Layers layers{Plaster};
    for (int i = 0; i < insulationLayers; ++i)
        layers.push_back(LayerSpec{0.16 / insulationLayers, 0.04, 1, 0.001, 0.9, Aw});
    layers.push_back(LayerSpec{0.015, 0.13, 1000, 0.1, 0.5, Aw});
    return layers;
}

Layers repeated(const LayerSpec &layer, int count) {
    return Layers(std::size_t(count), layer);
}

Layers withLayer(Layers layers, std::size_t index, const LayerSpec &layer) {
    layers[index] = layer;
    return layers;
}

InputData makeInput(const Layers &layers, double T_i, double rh_i, double T_e, double days) {
    InputData input;
    int id = 1;
    for (const LayerSpec &s : layers) {
        const Material m(QStringLiteral("Material %1").arg(id), Material::Miscellaneous, QString(), QString(),
                         QString(), QString(), 1000, s.lambda, s.mu, s.w80, s.wsat, s.Aw, id);
        input.layers().append(MaterialLayer(m, s.d));
        ++id;
    }
    AssessmentConditions &c = input.conditions();
    c.setInterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, T_i);
    c.setInterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, rh_i);
    c.setExterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, T_e);
    c.setTT(days);
    input.check();
    return input;
}

} // namespace

Q_DECLARE_METATYPE(Layers)

class tst_CalculationRobustness : public QObject {
    Q_OBJECT
private slots:
    void endsWithResultCode_data();
    void endsWithResultCode();
    void searchWithoutLiquidTransportEndsCleanly_data();
    void searchWithoutLiquidTransportEndsCleanly();
    void searchLimitIsReportedForLongConstructions_data();
    void searchLimitIsReportedForLongConstructions();
};

void tst_CalculationRobustness::endsWithResultCode_data() {
    QTest::addColumn<Layers>("layers");
    QTest::addColumn<double>("T_i");
    QTest::addColumn<double>("rh_i");
    QTest::addColumn<double>("T_e");
    QTest::addColumn<double>("days");

    const Layers wall = insulatedWall(1, 0.001);
    QTest::newRow("reference wall with condensation") << wall << 20.0 << 50.0 << -5.0 << 90.0;
    QTest::newRow("12 layers with condensation") << insulatedWall(10, 0.001) << 20.0 << 50.0 << -5.0 << 90.0;
    QTest::newRow("40 layers without condensation") << repeated(Brick, 40) << 20.0 << 50.0 << -5.0 << 90.0;
    QTest::newRow("mu 1e30 in the middle")
        << withLayer(wall, 1, {0.1, 0.04, 1e30, 0.001, 0.9, 0.001}) << 20.0 << 50.0 << -5.0 << 90.0;
    QTest::newRow("mu 1e30 everywhere") << repeated({0.1, 0.5, 1e30, 0.01, 0.3, 0.1}, 3) << 20.0 << 50.0 << -5.0
                                        << 90.0;
    QTest::newRow("width 1e-12 m") << withLayer(wall, 1, {1e-12, 0.04, 1, 0.001, 0.9, 0.001}) << 20.0 << 50.0 << -5.0
                                   << 90.0;
    QTest::newRow("all widths 1e-12 m") << repeated({1e-12, 0.04, 1, 0.001, 0.9, 0.001}, 5) << 20.0 << 50.0 << -5.0
                                        << 90.0;
    QTest::newRow("width 1e300 m") << withLayer(wall, 1, {1e300, 0.04, 1, 0.001, 0.9, 0.001}) << 20.0 << 50.0 << -5.0
                                   << 90.0;
    QTest::newRow("lambda 1e-300") << withLayer(wall, 1, {0.1, 1e-300, 1, 0.001, 0.9, 0.001}) << 20.0 << 50.0 << -5.0
                                   << 90.0;
    QTest::newRow("lambda 1e300") << withLayer(wall, 1, {0.1, 1e300, 1, 0.001, 0.9, 0.001}) << 20.0 << 50.0 << -5.0
                                  << 90.0;
    QTest::newRow("A_w 1e300") << withLayer(wall, 1, {0.1, 0.04, 1, 0.001, 0.9, 1e300}) << 20.0 << 50.0 << -5.0 << 90.0;
    QTest::newRow("w80 just below wsat") << withLayer(wall, 1, {0.1, 0.04, 1, 0.8999999, 0.9, 0.001}) << 20.0 << 50.0
                                         << -5.0 << 90.0;
    QTest::newRow("w80 smallest double") << withLayer(wall, 1, {0.1, 0.04, 1, DBL_MIN, 0.9, 0.001}) << 20.0 << 50.0
                                         << -5.0 << 90.0;
    QTest::newRow("foil behind foil") << Layers{Plaster, Foil, woolWithoutLiquidTransport(0.1), Foil} << 20.0 << 50.0
                                      << -5.0 << 90.0;
    QTest::newRow("saturated room air, coldest exterior") << wall << 80.0 << 100.0 << -40.0 << 90.0;
    QTest::newRow("dry room air") << wall << 20.0 << 0.0 << -5.0 << 90.0;
    QTest::newRow("no temperature difference") << wall << 10.0 << 90.0 << 10.0 << 90.0;
    QTest::newRow("condensation period 1e-12 days") << wall << 20.0 << 50.0 << -5.0 << 1e-12;
    QTest::newRow("condensation period 1e300 days") << wall << 20.0 << 50.0 << -5.0 << 1e300;
}

void tst_CalculationRobustness::endsWithResultCode() {
    QFETCH(Layers, layers);
    QFETCH(double, T_i);
    QFETCH(double, rh_i);
    QFETCH(double, T_e);
    QFETCH(double, days);
    const InputData input = makeInput(layers, T_i, rh_i, T_e, days);
    QCOMPARE(input.inputStatus(), InputStatus::Valid);

    Calculation calc;
    const ResultCode code = calc.calculate(input, HeatFlowDirection::Horizontal);
    const CalculationResults &r = calc.results();
    QCOMPARE(r.resultCode, code);
    QVERIFY2(code >= ResultCode::InvalidInput && code <= ResultCode::SeveralZones,
             qPrintable(QString::number(int(code))));
    if (code == ResultCode::CalculationError || code == ResultCode::InvalidInput)
        QVERIFY2(!r.messages.isEmpty(), "a failed calculation says why");
    const std::size_t n = layers.size();
    QCOMPARE(r.T.size(), n + 1);
    QCOMPARE(r.T_moist.size(), n + 1);
    for (const auto &zone : r.condensationZones) {
        QVERIFY(zone.first >= 0 && zone.first < zone.second);
        QVERIFY(std::size_t(zone.second) <= n);
    }
}

void tst_CalculationRobustness::searchWithoutLiquidTransportEndsCleanly_data() {
    QTest::addColumn<int>("insulationLayers");
    QTest::newRow("3 layers") << 1;
    QTest::newRow("16 layers") << 14;
    QTest::newRow("17 layers") << 15;
    QTest::newRow("24 layers") << 22;
    QTest::newRow("31 layers") << 29;
}

void tst_CalculationRobustness::searchWithoutLiquidTransportEndsCleanly() {
    QFETCH(int, insulationLayers);
    const InputData input = makeInput(insulatedWall(insulationLayers, 0), 20, 50, -5, 90);
    Calculation calc;
    QCOMPARE(calc.calculate(input, HeatFlowDirection::Horizontal), ResultCode::CalculationError);
    QVERIFY(calc.results().glaserResultCode >= ResultCode::OnePlane);
    QVERIFY(!calc.results().messages.isEmpty());
}

void tst_CalculationRobustness::searchLimitIsReportedForLongConstructions_data() {
    QTest::addColumn<int>("insulationLayers");
    QTest::newRow("32 layers") << 30;
    QTest::newRow("33 layers") << 31;
    QTest::newRow("64 layers") << 62;
}

void tst_CalculationRobustness::searchLimitIsReportedForLongConstructions() {
    QFETCH(int, insulationLayers);
    const InputData input = makeInput(insulatedWall(insulationLayers, 0), 20, 50, -5, 90);
    Calculation calc;
    QCOMPARE(calc.calculate(input, HeatFlowDirection::Horizontal), ResultCode::CalculationError);
    const QStringList &messages = calc.results().messages;
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QStringLiteral("this construction has %1 layers").arg(insulationLayers + 2)),
             qPrintable(messages.first()));
}

QTEST_GUILESS_MAIN(tst_CalculationRobustness)
#include "tst_CalculationRobustness.moc"
