#include <QtTest>

#include <FuzzyCompare.h>
#include <calculation/DINCriteria.h>
#include <calculation/MonthlyClimate.h>
#include <calculation/MonthlyCriteria.h>
#include <calculation/MonthlyInterior.h>
#include <calculation/MonthlyMethod.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>

#include <cmath>

// The monthly method on the Potsdam climate. The yearly figures come from monthly_reference.py beside this file,
// an independent implementation (gift wrapping instead of the monotone chain); rerun it and paste its output
// when a construction here changes. One month's flux is computed by hand below.

using Vector = std::vector<double>;

namespace {

struct LayerData {
    double d;
    double lambda;
    double mu;
    double aw = 1; ///< kg/(m2 s^0.5), capillary unless set to 0
    bool wood = false;
};
using Layers = std::vector<LayerData>;

InputData construction(const Layers &layers) {
    InputData input;
    for (const LayerData &l : layers) {
        Material m("Test material", Material::BuildingBoards, QString(), QString(), QString(), QString(), 500, l.lambda,
                   l.mu, 0.01, 0.5, l.aw, 1);
        m.setFlag(Material::Wood, l.wood);
        input.layers().append(MaterialLayer(m, l.d));
    }
    input.check();
    return input;
}

MonthlyResults calculate(const Layers &layers, const MonthlyInterior &interior = MonthlyInterior()) {
    return MonthlyMethod::calculate(construction(layers), HeatFlowDirection::Horizontal, MonthlyClimate::potsdam(),
                                    interior);
}

MonthlyInterior humid(double theta, double phi) {
    MonthlyInterior interior;
    interior.theta = theta;
    interior.phi = phi;
    return interior;
}

const LayerData Board = {0.0125, 0.25, 8};
const LayerData Insulation = {0.16, 0.04, 1};
/*! Insulation behind a vapour-tight board: condensate in winter at interface 2, dry again by July. */
const Layers DriesInSummer = {Board, Insulation, {0.015, 0.13, 100}};

double magnus(double theta) {
    return theta >= 0 ? 610.5 * std::exp(17.269 * theta / (237.3 + theta))
                      : 610.5 * std::exp(21.875 * theta / (265.5 + theta));
}

} // namespace

Q_DECLARE_METATYPE(Layers)
Q_DECLARE_METATYPE(MonthlyInterior)

class tst_MonthlyMethod : public QObject {
    Q_OBJECT
private slots:
    void cycle_data() {
        QTest::addColumn<Layers>("layers");
        QTest::addColumn<MonthlyInterior>("interior");
        QTest::addColumn<int>("startMonth");
        QTest::addColumn<int>("maxMonth");
        QTest::addColumn<bool>("driesOut");
        QTest::addColumn<Vector>("totals");
        QTest::newRow("vapour retarder inside, never condenses")
            << Layers{{0.0125, 0.25, 1000}, Insulation} << MonthlyInterior() << 0 << 0 << true << Vector(12, 0.0);
        QTest::newRow("dries out in summer") << DriesInSummer << MonthlyInterior() << 11 << 3 << true
                                             << Vector{0.42849828459541733,
                                                       1.2416875174569908,
                                                       2.229769795976459,
                                                       3.0237708075402794,
                                                       3.4937811674087125,
                                                       3.117893891848657,
                                                       1.9430394534705275,
                                                       0,
                                                       0,
                                                       0,
                                                       0,
                                                       0};
        QTest::newRow("foil outside, humid interior, condenses all year")
            << Layers{Insulation, {0.001, 0.2, 100000}} << humid(30, 80) << 1 << 12 << false
            << Vector{9.15735995181849,  17.29692000452107,  25.699571147688875, 32.60053124002059,
                      38.47618622132501, 42.68368898377882,  46.30431260689932,  50.20522775541696,
                      55.57872091135934, 62.821664208408976, 70.83352295619744,  79.70913290830961};
    }
    void cycle() {
        QFETCH(Layers, layers);
        QFETCH(MonthlyInterior, interior);
        QFETCH(int, startMonth);
        QFETCH(Vector, totals);
        const MonthlyResults r = calculate(layers, interior);
        QVERIFY(r.valid);
        QCOMPARE(r.startMonth, startMonth);
        QTEST(r.maxMonth, "maxMonth");
        QTEST(r.driesOut, "driesOut");
        QCOMPARE(r.months.size(), std::size_t(12));
        double maxTotal = 0;
        for (std::size_t i = 0; i < 12; ++i) {
            QCOMPARE(r.months[i].month, int((std::max(startMonth, 1) - 1 + i) % 12 + 1));
            HYG_COMPARE_DOUBLE(r.months[i].total, totals[i], 1e-12, 1e-15);
            maxTotal = std::max(maxTotal, totals[i]);
        }
        HYG_COMPARE_DOUBLE(r.maxAccumulated, maxTotal, 1e-12, 0.0);
        QCOMPARE(r.condensateInterfaces.empty(), startMonth == 0);
    }

    // November alone from dry: the line runs straight from the interior to saturation at interface 2 and from
    // there to the exterior; what arrives minus what leaves, for 30 days.
    void fluxOfOneMonthByHand() {
        const MonthlyResults r = calculate(DriesInSummer);
        const MonthlyMonthResult &november = r.months.front();
        QCOMPARE(november.month, 11);
        const double R_tot = 0.13 + 0.0125 / 0.25 + 0.16 / 0.04 + 0.015 / 0.13 + 0.04;
        const double theta2 = 20 - (0.13 + 0.0125 / 0.25 + 0.16 / 0.04) * (20 - 5.5) / R_tot;
        const double p_i = magnus(20) * 0.5;
        const double p_sat2 = magnus(theta2);
        const double sd2 = 0.0125 * 8 + 0.16;
        const double sdT = sd2 + 0.015 * 100;
        const double g = 2e-10 * ((p_i - p_sat2) / sd2 - (p_sat2 - 834) / (sdT - sd2));
        HYG_COMPARE_DOUBLE(november.condensed[2], g * 30 * 86400, 1e-12, 0.0);
        HYG_COMPARE_DOUBLE(november.p[2], p_sat2, 1e-12, 0.0);
        QCOMPARE(november.condensed[1], 0.0);
        QCOMPARE(r.condensateInterfaces, std::vector<int>{2});
    }

    // March with humidity class 2: Delta v = 0.004 (20 - 4.9) / 20 kg/m3 at T_m = (293.15 + 278.05) / 2 K.
    void moistureExcess() {
        MonthlyInterior interior;
        interior.model = MonthlyInterior::Model::MoistureExcess;
        interior.excess = MonthlyInterior::classExcess(2);
        const MonthlyResults r = calculate(DriesInSummer, interior);
        const double p_i = 661 + 1.1 * (0.004 * 15.1 / 20) * 461.5 * (293.15 + 278.05) / 2;
        HYG_COMPARE_DOUBLE(r.month(3)->pI, p_i, 1e-12, 0.0);
        QCOMPARE(r.startMonth, 10);
        HYG_COMPARE_DOUBLE(r.maxAccumulated, 3.589960744449938, 1e-12, 0.0);
    }

    void surface() {
        const MonthlyResults r = calculate(DriesInSummer);
        HYG_COMPARE_DOUBLE(r.fRsi, 1 - 0.25 / (0.25 + 0.0125 / 0.25 + 0.16 / 0.04 + 0.015 / 0.13 + 0.04), 1e-14, 0.0);
        QCOMPARE(r.designMonth, 1);
        const double theta_si = MonthlyMethod::saturationTemperature(magnus(20) * 0.5 / 0.8);
        HYG_COMPARE_DOUBLE(magnus(theta_si), magnus(20) * 0.5 / 0.8, 1e-14, 0.0);
        HYG_COMPARE_DOUBLE(r.designFRsiMin, (theta_si - 0.7) / (20 - 0.7), 1e-14, 0.0);
        HYG_COMPARE_DOUBLE(r.designFRsiMin, 0.6178553524663597, 1e-12, 0.0);

        // warmer outside than inside all year: no month has a minimum factor
        const MonthlyResults cold = calculate(DriesInSummer, humid(-5, 50));
        QCOMPARE(cold.designMonth, 0);
        QVERIFY(std::isnan(cold.fRsiMin[6]));
        const std::vector<DINCriterion> rows =
            MonthlyCriteria::evaluate(construction(DriesInSummer).layers(), cold, 0.0);
        QVERIFY(!rows.back().assessed);
    }

    void invalidInput() {
        const MonthlyResults r = calculate({Board, {0, 0.04, 1}});
        QVERIFY(!r.valid);
        QVERIFY(!r.messages.isEmpty());
        QVERIFY(r.months.empty());
    }

    // The layers judged are the two beside the condensing interface 2: the insulation and the outer board.
    void criteria_data() {
        QTest::addColumn<Layers>("layers");
        QTest::addColumn<double>("limit");
        QTest::addColumn<int>("woodRow"); ///< 0 none, 1 wood, 2 wood-based
        QTest::newRow("capillary") << DriesInSummer << 1.0 << 0;
        QTest::newRow("non-capillary outer board") << Layers{Board, Insulation, {0.015, 0.13, 100, 0}} << 0.5 << 0;
        QTest::newRow("non-capillary inner board, not beside the condensate")
            << Layers{{0.0125, 0.25, 8, 0}, Insulation, {0.015, 0.13, 100}} << 1.0 << 0;
        QTest::newRow("wooden outer board") << Layers{Board, Insulation, {0.015, 0.13, 100, 1, true}} << 1.0 << 1;
        QTest::newRow("wooden inner board")
            << Layers{{0.0125, 0.25, 8, 1, true}, Insulation, {0.015, 0.13, 100}} << 1.0 << 0;
    }
    void criteria() {
        QFETCH(Layers, layers);
        QFETCH(double, limit);
        QFETCH(int, woodRow);
        const MonthlyResults r = calculate(layers);
        const std::vector<DINCriterion> rows = MonthlyCriteria::evaluate(construction(layers).layers(), r, 1e-3);
        QCOMPARE(rows.front().kind, DINCriterion::CondensateMass);
        QCOMPARE(rows.front().required, limit);
        QCOMPARE(rows.front().fulfilled, r.maxAccumulated <= limit);
        QCOMPARE(rows.size(), std::size_t(woodRow ? 4 : 3));
        if (woodRow)
            HYG_COMPARE_DOUBLE(rows[1].required, 0.015 * 500 * 0.05, 1e-14, 0.0);
        QCOMPARE(rows[rows.size() - 2].fulfilled, true); // dries out
        QCOMPARE(DINCriteria::allFulfilled(rows), std::optional<bool>(false));
    }
};

QTEST_GUILESS_MAIN(tst_MonthlyMethod)
#include "tst_MonthlyMethod.moc"
