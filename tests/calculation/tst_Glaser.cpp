#include <QtTest>

#include <CoreEnums.h>

#include <FuzzyCompare.h>
#include <calculation/Calculation.h>
#include <calculation/PhysicalProperties.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>

#include <cmath>
#include <initializer_list>
#include <limits>

// Glaser step of the calculation. The expected numbers of the condensing constructions come from
// glaser_reference.py beside this file, an independent implementation of the formulas; rerun it and
// paste its output when a construction here changes.

using Vector = std::vector<double>;
using Zones = std::vector<std::pair<int, int>>;

Q_DECLARE_METATYPE(InputData)
Q_DECLARE_METATYPE(Vector)
Q_DECLARE_METATYPE(Zones)

namespace {

const HeatFlowDirection Horizontal = HeatFlowDirection::Horizontal;
using C = ResultCode;

struct LayerData {
    double d;
    double lambda;
    double mu;
};

MaterialLayer layer(const LayerData &l) {
    const Material m("Test material", Material::BuildingBoards, QString(), QString(), QString(), QString(), 500,
                     l.lambda, l.mu, 0.01, 0.5, 0, 1);
    return MaterialLayer(m, l.d);
}

/*! Layers (width m, lambda W/mK, mu) in the default (2014/2018) climate. */
InputData construction(std::initializer_list<LayerData> layers) {
    InputData input;
    for (const LayerData &l : layers)
        input.layers().append(layer(l));
    return input;
}

const LayerData Board = {0.0125, 0.25, 8};

InputData onePlaneWall() {
    return construction({Board, {0.16, 0.04, 1}, {0.015, 0.13, 200}});
}

InputData oneZoneWall() {
    return construction({Board, {0.16, 0.04, 1}, {0.01, 2.0, 5}, {0.01, 2.0, 5}, {0.02, 0.13, 300}});
}

/*! Vapour retarder between two insulation layers. With a damp exterior summer the outer plane dries last. */
InputData twoPlaneWall(bool dampSummer = false) {
    InputData input = construction({Board, {0.12, 0.04, 1}, {0.01, 2.0, 1500}, {0.06, 0.04, 1}, {0.015, 0.13, 1000}});
    if (dampSummer) {
        input.conditions().setInterior(AssessmentConditions::Temperature, AssessmentConditions::Summer, 15);
        input.conditions().setInterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Summer, 70);
        input.conditions().setExterior(AssessmentConditions::Temperature, AssessmentConditions::Summer, 15);
        input.conditions().setExterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Summer, 95);
    }
    return input;
}

/*! Summer 20 °C / 60 % inside and 15 °C / 80 % outside. */
InputData withUnequalSummer(InputData input) {
    AssessmentConditions &c = input.conditions();
    c.setInterior(AssessmentConditions::Temperature, AssessmentConditions::Summer, 20);
    c.setInterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Summer, 60);
    c.setExterior(AssessmentConditions::Temperature, AssessmentConditions::Summer, 15);
    c.setExterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Summer, 80);
    return input;
}

InputData withClimate(InputData input, double T_i, double rh_i, double T_e, double rh_e) {
    AssessmentConditions &c = input.conditions();
    c.setInterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, T_i);
    c.setInterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, rh_i);
    c.setExterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, T_e);
    c.setExterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, rh_e);
    return input;
}

const double RelTol = 1e-12;

void compareVectors(const Vector &actual, const Vector &expected) {
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        HYG_COMPARE_DOUBLE(actual[i], expected[i], RelTol, 0.0);
}

} // namespace

class tst_Glaser : public QObject {
    Q_OBJECT
private slots:
    void condensate_data() {
        QTest::addColumn<InputData>("input");
        QTest::addColumn<ResultCode>("code");
        QTest::addColumn<int>("firstPlane");
        QTest::addColumn<int>("lastPlane");
        QTest::addColumn<Zones>("zones");
        QTest::addColumn<Vector>("T");
        QTest::addColumn<Vector>("p");
        QTest::addColumn<Vector>("p_sat");
        QTest::addColumn<Vector>("R");
        QTest::addColumn<Vector>("Z");
        QTest::addColumn<double>("U");
        QTest::addColumn<double>("R_total");
        QTest::addColumn<double>("R_layers");
        QTest::addColumn<double>("thickness");
        QTest::addColumn<double>("Mc");
        QTest::addColumn<double>("dryingMass");
        QTest::addColumn<double>("dryingTime");
        QTest::newRow("one plane")
            << onePlaneWall() << C::OnePlane << 2 << 2 << Zones{{2, 2}}
            << Vector{18.59720303867403, 18.31664364640884, -4.12810773480663, -4.775552486187845}
            << Vector{1168.475571901171, 1142.4776950048567, 1100.8810919707537, 320.9447850813243}
            << Vector{2141.569718796257, 2104.257062425628, 432.1550940543311, 408.95512505590705}
            << Vector{0.05, 4.0, 0.11538461538461538} << Vector{500000000.0, 800000000.0, 15000000000.0}
            << 0.22444751381215472 << 4.455384615384615 << 4.165384615384615 << 0.1875 << 4.346677834087645
            << 3.2500816563857016 << 10399666.965738032;
        QTest::newRow("one zone 2..4") << oneZoneWall() << C::OneZone << 2 << 4 << Zones{{2, 4}}
                                       << Vector{18.612297181895816,  18.33475661827498,   -3.86848847139197,
                                                 -3.8962425277540547, -3.9239965841161357, -4.77796754910333}
                                       << Vector{1168.475571901171,  1155.1496161335633, 1133.828086905391,
                                                 1127.1651090215873, 1120.5021311377834, 320.9447850813243}
                                       << Vector{2143.5934556286734, 2106.6486764344427, 441.78976775223833,
                                                 440.7505432441531,  439.7135435572569,  408.8707503256522}
                                       << Vector{0.05, 4.0, 0.005, 0.005, 0.15384615384615385}
                                       << Vector{500000000.0, 800000000.0, 250000000.0, 250000000.0, 30000000000.0}
                                       << 0.2220324508966695 << 4.503846153846154 << 4.213846153846154
                                       << 0.21250000000000002 << 4.315914224773885 << 2.637007240768219
                                       << 12726756.488565726;
        QTest::newRow("two planes, plane 4 dry first")
            << twoPlaneWall() << C::SeveralZones << 2 << 4 << Zones{{2, 2}, {4, 4}}
            << Vector{18.740017058230595, 18.488020469876716,  3.3682251686438676,
                      3.3430255098084807, -4.2168721408079435, -4.798402729316898}
            << Vector{1168.475571901171, 1165.676593080762, 1162.3178184962712,
                      742.4709954349205, 740.791608142675,  320.9447850813243}
            << Vector{2160.7845098102043, 2126.9808626784434, 777.4063699237147,
                      776.0214377044956,  428.9050994183206,  408.1574431855573}
            << Vector{0.05, 3.0, 0.005, 1.5, 0.11538461538461538}
            << Vector{500000000.0, 600000000.0, 75000000000.0, 300000000.0, 75000000000.0} << 0.20159727068310462
            << 4.960384615384615 << 4.670384615384615 << 0.21750000000000003 << 2.753310415133813 << 3.5729592944803636
            << 5985935.777772285;
        QTest::newRow("two planes, plane 2 dry first")
            << twoPlaneWall(true) << C::SeveralZones << 2 << 4 << Zones{{2, 2}, {4, 4}}
            << Vector{18.740017058230595, 18.488020469876716,  3.3682251686438676,
                      3.3430255098084807, -4.2168721408079435, -4.798402729316898}
            << Vector{1168.475571901171, 1165.676593080762, 1162.3178184962712,
                      742.4709954349205, 740.791608142675,  320.9447850813243}
            << Vector{2160.7845098102043, 2126.9808626784434, 777.4063699237147,
                      776.0214377044956,  428.9050994183206,  408.1574431855573}
            << Vector{0.05, 3.0, 0.005, 1.5, 0.11538461538461538}
            << Vector{500000000.0, 600000000.0, 75000000000.0, 300000000.0, 75000000000.0} << 0.20159727068310462
            << 4.960384615384615 << 4.670384615384615 << 0.21750000000000003 << 2.753310415133813 << 2.7501761773991995
            << 8175892.262356333;
    }

    // With equal summer vapour pressures on both sides the inside and outside drying fluxes could be swapped
    // unnoticed; a warm inside and a damp outside summer tell them apart. The winter results are those above.
    void dryingWithUnequalSummer_data() {
        QTest::addColumn<InputData>("input");
        QTest::addColumn<double>("dryingMass");
        QTest::addColumn<double>("dryingTime");
        QTest::newRow("one plane") << withUnequalSummer(onePlaneWall()) << 6.098865535542215 << 5541976.067662326;
        QTest::newRow("one zone 2..4") << withUnequalSummer(oneZoneWall()) << 4.942221670132903 << 6790579.470495351;
    }
    void dryingWithUnequalSummer() {
        QFETCH(InputData, input);
        QFETCH(double, dryingMass);
        QFETCH(double, dryingTime);
        Calculation calc;
        calc.calculate(input, Horizontal);
        const CalculationResults &r = calc.results();
        HYG_COMPARE_DOUBLE(r.glaserDryingMass, dryingMass, 1e-10, 0.0);
        HYG_COMPARE_DOUBLE(r.glaserDryingTime, dryingTime, 1e-10, 0.0);
    }

    void condensate() {
        QFETCH(InputData, input);
        QCOMPARE(input.check(), InputStatus::Valid);
        Calculation calc;
        calc.calculate(input, Horizontal);
        const CalculationResults &r = calc.results();
        QTEST(r.glaserResultCode, "code");
        QTEST(r.glaserFirstPlane, "firstPlane");
        QTEST(r.glaserLastPlane, "lastPlane");
        QTEST(r.glaserZones, "zones");
        compareVectors(r.T, *static_cast<const Vector *>(QTest::qData("T", qMetaTypeId<Vector>())));
        compareVectors(r.p, *static_cast<const Vector *>(QTest::qData("p", qMetaTypeId<Vector>())));
        compareVectors(r.p_sat, *static_cast<const Vector *>(QTest::qData("p_sat", qMetaTypeId<Vector>())));
        compareVectors(r.R, *static_cast<const Vector *>(QTest::qData("R", qMetaTypeId<Vector>())));
        compareVectors(r.Z, *static_cast<const Vector *>(QTest::qData("Z", qMetaTypeId<Vector>())));
        QFETCH(double, U);
        QFETCH(double, R_total);
        QFETCH(double, R_layers);
        QFETCH(double, thickness);
        QFETCH(double, Mc);
        QFETCH(double, dryingMass);
        QFETCH(double, dryingTime);
        HYG_COMPARE_DOUBLE(r.U, U, RelTol, 0.0);
        HYG_COMPARE_DOUBLE(r.R_total, R_total, RelTol, 0.0);
        HYG_COMPARE_DOUBLE(r.R_layers, R_layers, RelTol, 0.0);
        HYG_COMPARE_DOUBLE(r.thickness, thickness, RelTol, 0.0);
        HYG_COMPARE_DOUBLE(r.glaserMc, Mc, 1e-10, 0.0);
        HYG_COMPARE_DOUBLE(r.glaserDryingMass, dryingMass, 1e-10, 0.0);
        HYG_COMPARE_DOUBLE(r.glaserDryingTime, dryingTime, 1e-10, 0.0);
    }

    void classification_data() {
        QTest::addColumn<InputData>("input");
        QTest::addColumn<ResultCode>("code");
        QTest::addColumn<int>("firstPlane");
        QTest::addColumn<int>("lastPlane");
        QTest::addColumn<Zones>("zones");
        const InputData lightWall = construction({Board, {0.16, 0.04, 1}, {0.015, 0.13, 1}});
        const InputData insulation = construction({{0.2, 0.04, 1}});
        QTest::newRow("open outer board: no condensation") << lightWall << C::NoCondensation << -1 << -1 << Zones{};
        QTest::newRow("saturated room: warm surface, also inside")
            << withClimate(onePlaneWall(), 20, 100, -5, 80) << C::CondensationLeftSurface << -1 << -1 << Zones{{0, 2}};
        QTest::newRow("saturated hot outside: cold-side surface")
            << withClimate(onePlaneWall(), 10, 50, 25, 100) << C::CondensationRightSurface << -1 << -1 << Zones{{3, 3}};
        QTest::newRow("single layer, dry") << insulation << C::NoCondensation << -1 << -1 << Zones{};
        QTest::newRow("single layer, saturated room")
            << withClimate(insulation, 20, 100, -5, 80) << C::CondensationLeftSurface << -1 << -1 << Zones{{0, 0}};
        QTest::newRow("single layer, saturated hot outside")
            << withClimate(insulation, 10, 50, 25, 100) << C::CondensationRightSurface << -1 << -1 << Zones{{1, 1}};
        QTest::newRow("three separate planes: no algorithm")
            << construction({Board,
                             {0.12, 0.04, 1},
                             {0.01, 2.0, 1500},
                             {0.06, 0.04, 1},
                             {0.01, 2.0, 1500},
                             {0.04, 0.04, 1},
                             {0.015, 0.13, 1000}})
            << C::NoAlgorithm << 2 << 6 << Zones{{2, 2}, {4, 4}, {6, 6}};
    }

    void classification() {
        QFETCH(InputData, input);
        QCOMPARE(input.check(), InputStatus::Valid);
        Calculation calc;
        calc.calculate(input, Horizontal);
        const CalculationResults &r = calc.results();
        QTEST(r.glaserResultCode, "code");
        QTEST(r.glaserFirstPlane, "firstPlane");
        QTEST(r.glaserLastPlane, "lastPlane");
        QTEST(r.glaserZones, "zones");
        QCOMPARE(r.glaserMc, 0.0);
        QCOMPARE(r.glaserDryingMass, 0.0);
        QCOMPARE(r.glaserDryingTime, 0.0);
        QCOMPARE(r.T.size(), std::size_t(input.layers().size() + 1));
    }

    // Room air at exactly the saturation pressure of 0 °C (the temperature of interface 1), reached
    // through a first layer of negligible vapour resistance: p[1] == p_sat[1] must count as condensation.
    void exactSaturationCounts() {
        InputData input = construction({{0.4375, 0.25, 1e-290}, {0.001, 1e17, 1000}});
        AssessmentConditions &c = input.conditions();
        c.setInterior(AssessmentConditions::SurfaceResistance, AssessmentConditions::BothSeasons, 0.25);
        c.setExterior(AssessmentConditions::SurfaceResistance, AssessmentConditions::BothSeasons, 1e-17);
        double rh_i = 100 * 610.5 / saturationPressureMagnus(20);
        for (int i = 0; i < 1000 && saturationPressureMagnus(20) * rh_i / 100 != 610.5; ++i)
            rh_i = std::nextafter(rh_i, saturationPressureMagnus(20) * rh_i / 100 < 610.5 ? 100.0 : 0.0);
        input = withClimate(input, 20, rh_i, 0, 80);
        QCOMPARE(input.check(), InputStatus::Valid);
        Calculation calc;
        calc.calculate(input, Horizontal);
        const CalculationResults &r = calc.results();
        QCOMPARE(r.T[1], 0.0);
        QCOMPARE(r.p[1], r.p_sat[1]);
        QCOMPARE(r.glaserResultCode, ResultCode::OnePlane);
        QCOMPARE(r.glaserFirstPlane, 1);
        QCOMPARE(r.glaserZones, (Zones{{1, 1}}));
    }

    void emptyConstruction() {
        InputData input;
        input.check();
        Calculation calc;
        QCOMPARE(calc.calculate(input, Horizontal), ResultCode::NoLayers);
        QCOMPARE(calc.results().resultCode, ResultCode::NoLayers);
        QVERIFY(calc.results().T.empty());
        QVERIFY(calc.results().messages.isEmpty());
    }

    // Inputs that the input check would reject; "checked" runs the check first, otherwise the calculation
    // meets the fault itself with a stale check state. Each follows a valid calculation, of which nothing may
    // stay, and none shows Glaser resistances as if the construction could be calculated.
    void invalidInput_data() {
        QTest::addColumn<InputData>("input");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<ResultCode>("resultCode");
        QTest::addColumn<ResultCode>("glaserCode");
        QTest::addColumn<double>("thickness");
        QTest::addColumn<bool>("dryUValue");
        QTest::addColumn<QStringList>("messages");

        InputData zeroWidth = onePlaneWall();
        zeroWidth.layers()[1].setWidth(0);
        // The input check names what it found.
        QTest::newRow("width 0, checked") << zeroWidth << true << C::InvalidInput << C::InvalidInput << 0.0 << false
                                          << QStringList{"Invalid width 0 of <a href=\"layer-2\">layer #2</a>."};
        QTest::newRow("width 0 of layer 2") << zeroWidth << false << C::InvalidInput << C::InvalidInput << 0.0 << false
                                            << QStringList{"Invalid width 0 of <a href=\"layer-2\">layer #2</a>."};
        InputData negativeWidth = onePlaneWall();
        negativeWidth.layers()[2].setWidth(-0.0125);
        QTest::newRow("negative width of layer 3")
            << negativeWidth << false << C::InvalidInput << C::InvalidInput << 0.0 << false
            << QStringList{"Invalid width -0.0125 of <a href=\"layer-3\">layer #3</a>."};

        const InputData badMu = construction({Board, {0.16, 0.04, -1.23456789}});
        QTest::newRow("mu <= 0, six digits")
            << badMu << false << C::InvalidInput << C::InvalidInput << 0.1725 << true
            << QStringList{"Invalid mu -1.23457 of material in <a href=\"layer-2\">layer #2</a>.",
                           "Error in Glaser-Calculation."};
        QTest::newRow("mu <= 0, checked: invalid material")
            << badMu << true << C::InvalidInput << C::InvalidInput << 0.1725 << true
            << QStringList{"Invalid material values of \"Test material\" in <a href=\"layer-2\">layer #2</a>."};
        QTest::newRow("lambda 0")
            << construction({{0.1, 0, 5}, Board}) << false << C::InvalidInput << C::InvalidInput << 0.1125 << false
            << QStringList{"Invalid thermal conductivity 0 of material in <a href=\"layer-1\">layer #1</a>.",
                           "Error in Glaser-Calculation."};

        InputData noRse = onePlaneWall();
        noRse.conditions().setExterior(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter, 0);
        QTest::newRow("outside surface resistance 0")
            << noRse << false << C::InvalidInput << C::InvalidInput << 0.1875 << true
            << QStringList{"Invalid surface resistance outside 0.", "Error in Glaser-Calculation."};
        QTest::newRow("outside surface resistance 0, checked: invalid climate")
            << noRse << true << C::InvalidInput << C::InvalidInput << 0.1875 << true
            << QStringList{"Climate values or periods out of range."};
        InputData negativeRsi = onePlaneWall();
        negativeRsi.conditions().setInterior(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter,
                                             -0.13);
        QTest::newRow("inside surface resistance negative")
            << negativeRsi << false << C::InvalidInput << C::InvalidInput << 0.1875 << true
            << QStringList{"Invalid surface resistance inside)-0.13.", "Error in Glaser-Calculation."};
    }

    void invalidInput() {
        QFETCH(InputData, input);
        QFETCH(bool, checked);
        QFETCH(bool, dryUValue);
        if (checked)
            QVERIFY(input.check() != InputStatus::Valid);
        Calculation calc;
        calc.calculate(onePlaneWall(), Horizontal);
        const ResultCode returned = calc.calculate(input, Horizontal);
        const CalculationResults &r = calc.results();
        QTEST(returned, "resultCode");
        QTEST(r.resultCode, "resultCode");
        QTEST(r.glaserResultCode, "glaserCode");
        QTEST(r.thickness, "thickness");
        QTEST(r.messages, "messages");
        QCOMPARE(r.U > 0, dryUValue);
        QCOMPARE(r.glaserMc, 0.0);
        QVERIFY(r.R.empty() && r.Z.empty());
    }

    // A second calculation must not keep anything of the first one.
    void messagesBelongToLastCalculation() {
        InputData input = onePlaneWall();
        input.layers()[0].setWidth(0);
        Calculation calc;
        calc.calculate(input, Horizontal);
        const QString message = "Invalid width 0 of <a href=\"layer-1\">layer #1</a>.";
        QCOMPARE(calc.results().messages, QStringList{message});
        input.layers()[0].setWidth(0.0125);
        calc.calculate(input, Horizontal);
        QVERIFY(!calc.results().messages.contains(message));
        QCOMPARE(calc.results().glaserResultCode, ResultCode::OnePlane);
    }

    void temperatureField() {
        Vector T;
        Calculation::temperature_field({1.0, 2.0}, 0.5, 0.5, 20, -20, T);
        QCOMPARE(T, (Vector{15, 5, -15}));
        Calculation::temperature_field({}, 0.25, 0.75, 10, 0, T);
        QCOMPARE(T, (Vector{7.5}));
    }
};

QTEST_GUILESS_MAIN(tst_Glaser)
#include "tst_Glaser.moc"
