#include <QtTest>

#include <CoreEnums.h>

#include <calculation/Calculation.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>

// The U-value of DIN EN ISO 6946 in the results record: its own surface resistances by heat-flow direction,
// whatever the climate of the moisture check says, and the air space's resistance for that direction.
class tst_Iso6946 : public QObject {
    Q_OBJECT
private slots:
    void surfaceResistancesByDirection_data();
    void surfaceResistancesByDirection();
};

namespace {

MaterialLayer layer(const QString &name, double width, double lambda, bool air = false) {
    Material m(name, Material::Miscellaneous, QString(), QString(), QString(), QString(), 500, lambda, air ? 1 : 20,
               0.01, 0.3, 0, 1);
    m.setFlag(Material::Air, air);
    return MaterialLayer(m, width);
}

} // namespace

void tst_Iso6946::surfaceResistancesByDirection_data() {
    QTest::addColumn<HeatFlowDirection>("direction");
    QTest::addColumn<double>("R_si");
    QTest::newRow("upwards") << HeatFlowDirection::Upwards << 0.10;
    QTest::newRow("horizontal") << HeatFlowDirection::Horizontal << 0.13;
    QTest::newRow("downwards") << HeatFlowDirection::Downwards << 0.17;
}

void tst_Iso6946::surfaceResistancesByDirection() {
    QFETCH(HeatFlowDirection, direction);
    QFETCH(double, R_si);
    InputData input;
    input.layers() = {layer("Board", 0.02, 0.13), layer("Air space", 0.05, 0.025, true),
                      layer("Insulation", 0.16, 0.04)};
    // The moisture check's inner surface resistance of DIN 4108-3, not the one of DIN EN ISO 6946.
    input.conditions().setInterior(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter, 0.25);
    input.check();
    Calculation calculation;
    calculation.calculate(input, direction);
    const CalculationResults &r = calculation.results();
    double R_layers = 0;
    for (const MaterialLayer &l : input.layers())
        R_layers += l.width() / l.lambda(direction);
    QCOMPARE(r.R_layers, R_layers);
    QCOMPARE(r.U_iso6946, 1 / (R_si + R_layers + 0.04));
    QCOMPARE(r.U, 1 / (0.25 + R_layers + input.conditions().Rse()));
}

QTEST_GUILESS_MAIN(tst_Iso6946)
#include "tst_Iso6946.moc"
