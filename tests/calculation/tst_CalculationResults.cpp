#include <QtTest>

#include <calculation/CalculationResults.h>

namespace {

// A record with every field set to something other than its cleared value.
CalculationResults filledRecord() {
    CalculationResults r;
    r.resultCode = ResultCode::SeveralZones;
    r.glaserResultCode = ResultCode::OnePlane;
    r.thickness = 0.3;
    r.T = r.p = r.p_sat = {1, 2, 3};
    r.R = r.Z = {4, 5};
    r.glaserMc = r.glaserDryingMass = r.glaserDryingTime = 7;
    r.glaserFirstPlane = r.glaserLastPlane = 1;
    r.condensationZones = {{0, 1}};
    r.glaserZones = {{1, 1}};
    r.U = r.U_moist = r.U_iso6946 = r.R_total = r.R_total_moist = r.R_layers = r.R_layers_moist = 8;
    r.Mc_stationary = r.Mc = r.tau = r.t_hyg = r.dryingTime = r.dryingMass = 9;
    r.R_moist = r.Z_moist = r.R_liquid = r.w_left = r.w_right = r.sk_Cond = r.mc = {6, 6};
    r.T_moist = r.p_sat_moist = r.p_moist = {6, 6, 6};
    r.messages = QStringList{"kept"};
    return r;
}

} // namespace

class tst_CalculationResults : public QObject {
    Q_OBJECT
private slots:
    void clearResetsWhatItOwnsAndKeepsTheRest() {
        CalculationResults r = filledRecord();
        r.clear();
        QCOMPARE(r.resultCode, ResultCode::InvalidInput);
        QCOMPARE(r.glaserResultCode, ResultCode::InvalidInput);
        for (const std::vector<double> *v :
             {&r.T, &r.p, &r.p_sat, &r.R, &r.Z, &r.R_moist, &r.Z_moist, &r.R_liquid, &r.T_moist, &r.p_sat_moist,
              &r.p_moist, &r.w_left, &r.w_right, &r.sk_Cond, &r.mc})
            QVERIFY(v->empty());
        QVERIFY(r.condensationZones.empty());
        for (double x : {r.glaserMc, r.glaserDryingMass, r.glaserDryingTime, r.U, r.U_moist, r.U_iso6946, r.R_total,
                         r.R_total_moist, r.R_layers, r.R_layers_moist, r.Mc_stationary, r.Mc, r.tau, r.t_hyg,
                         r.dryingTime, r.dryingMass})
            QCOMPARE(x, 0.0);
        QCOMPARE(r.glaserFirstPlane, -1);
        QCOMPARE(r.glaserLastPlane, -1);
        // set by the calculation itself, not by clear()
        QCOMPARE(r.thickness, 0.3);
        QCOMPARE(r.glaserZones, (std::vector<std::pair<int, int>>{{1, 1}}));
        QCOMPARE(r.messages, QStringList{"kept"});
    }

    void resizeSizesLayersAndInterfacesWithZeros() {
        CalculationResults r = filledRecord();
        r.clear();
        r.resize(3);
        for (const std::vector<double> *v : {&r.T_moist, &r.p_sat_moist, &r.p_moist})
            QCOMPARE(*v, std::vector<double>(4, 0.0));
        for (const std::vector<double> *v :
             {&r.R_moist, &r.Z_moist, &r.R_liquid, &r.w_left, &r.w_right, &r.sk_Cond, &r.mc})
            QCOMPARE(*v, std::vector<double>(3, 0.0));
        QVERIFY(r.T.empty());
    }

    void equalityComparesEveryField() {
        const CalculationResults a = filledRecord();
        CalculationResults b = a;
        QVERIFY(a == b);
        b.mc.back() = 6.5;
        QVERIFY(a != b);
        b = a;
        b.messages.append("other");
        QVERIFY(a != b);
        b = a;
        b.glaserZones.clear();
        QVERIFY(a != b);
    }
};

QTEST_GUILESS_MAIN(tst_CalculationResults)
#include "tst_CalculationResults.moc"
