// The program's plane-combination search against the straightforward exhaustive search: identical results
// records and messages up to 12 layers, and a bounded search that ends with a valid combination or a
// clear message for long constructions.

#include "BaselinePlaneSearch.h"
#include "RandomConstruction.h"

#include <calculation/Calculation.h>
#include <calculation/PlaneSearch.h>
#include <model/InputData.h>

#include <QtTest>

#include <CoreEnums.h>

#include <cmath>
#include <cstring>
#include <map>

namespace {

/*! Equal bit for bit (so NaN equals NaN, and -0 differs from 0). */
bool same(double a, double b) {
    return std::memcmp(&a, &b, sizeof(double)) == 0;
}

QString differenceOf(const QString &name, const std::vector<double> &a, const std::vector<double> &b) {
    if (a.size() != b.size())
        return QString("%1: %2 vs %3 values").arg(name).arg(a.size()).arg(b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!same(a[i], b[i]))
            return QString("%1[%2]: %3 vs %4").arg(name).arg(i).arg(a[i], 0, 'g', 17).arg(b[i], 0, 'g', 17);
    }
    return QString();
}

/*! The first field in which the two records differ, empty when they are identical. */
QString firstDifference(const CalculationResults &a, const CalculationResults &b) {
    const std::map<QString, std::pair<double, double>> scalars{
        {"resultCode", {double(a.resultCode), double(b.resultCode)}},
        {"glaserResultCode", {double(a.glaserResultCode), double(b.glaserResultCode)}},
        {"U_moist", {a.U_moist, b.U_moist}},
        {"R_total_moist", {a.R_total_moist, b.R_total_moist}},
        {"R_layers_moist", {a.R_layers_moist, b.R_layers_moist}},
        {"Mc_stationary", {a.Mc_stationary, b.Mc_stationary}},
        {"Mc", {a.Mc, b.Mc}},
        {"tau", {a.tau, b.tau}},
        {"t_hyg", {a.t_hyg, b.t_hyg}},
        {"dryingTime", {a.dryingTime, b.dryingTime}},
        {"dryingMass", {a.dryingMass, b.dryingMass}}};
    for (const auto &s : scalars) {
        if (!same(s.second.first, s.second.second))
            return QString("%1: %2 vs %3")
                .arg(s.first)
                .arg(s.second.first, 0, 'g', 17)
                .arg(s.second.second, 0, 'g', 17);
    }
    const std::map<QString, std::pair<const std::vector<double> *, const std::vector<double> *>> vectors{
        {"R_moist", {&a.R_moist, &b.R_moist}},
        {"Z_moist", {&a.Z_moist, &b.Z_moist}},
        {"R_liquid", {&a.R_liquid, &b.R_liquid}},
        {"T_moist", {&a.T_moist, &b.T_moist}},
        {"p_sat_moist", {&a.p_sat_moist, &b.p_sat_moist}},
        {"p_moist", {&a.p_moist, &b.p_moist}},
        {"w_left", {&a.w_left, &b.w_left}},
        {"w_right", {&a.w_right, &b.w_right}},
        {"sk_Cond", {&a.sk_Cond, &b.sk_Cond}},
        {"mc", {&a.mc, &b.mc}}};
    for (const auto &v : vectors) {
        const QString d = differenceOf(v.first, *v.second.first, *v.second.second);
        if (!d.isEmpty())
            return d;
    }
    if (a.condensationZones != b.condensationZones)
        return QStringLiteral("condensationZones");
    if (a.messages != b.messages)
        return QString("messages: '%1' vs '%2'").arg(a.messages.join('|'), b.messages.join('|'));
    return QString();
}

/*! A wall of \a n layers whose condensation lies in front of the tight layer next to the cold side. */
InputData coldSideWall(int n, double Aw) {
    InputData input;
    const Material plaster("Plaster", Material::Miscellaneous, QString(), QString(), QString(), QString(), 1200, 0.7,
                           10, 0.005, 0.3, 0.05, 1);
    const Material wool("Wool", Material::Miscellaneous, QString(), QString(), QString(), QString(), 40, 0.04, 1, 0.001,
                        0.9, Aw, 2);
    const Material board("Board", Material::Miscellaneous, QString(), QString(), QString(), QString(), 600, 0.13, 300,
                         0.1, 0.5, Aw, 3);
    input.layers().append(MaterialLayer(plaster, 0.015));
    for (int j = 1; j < n - 1; ++j)
        input.layers().append(MaterialLayer(wool, 0.2 / (n - 2)));
    input.layers().append(MaterialLayer(board, 0.018));
    input.check();
    return input;
}

} // namespace

class tst_PlaneSearch : public QObject {
    Q_OBJECT
private slots:
    void sameAsExhaustiveSearchUpTo12Layers();
    void coldSideConstructions_data();
    void coldSideConstructions();
    void longConstructionWithoutSolution_data();
    void longConstructionWithoutSolution();
};

void tst_PlaneSearch::sameAsExhaustiveSearchUpTo12Layers() {
    std::mt19937 rng(20240613);
    std::map<ResultCode, int> codes;
    Calculation program;
    Calculation baseline(std::make_shared<BaselinePlaneSearch>());
    for (int i = 0; i < 2000; ++i) {
        const InputData input = randomConstruction(rng, 2, PlaneSearch::ExhaustiveLayers);
        const ResultCode code = program.calculate(input, HeatFlowDirection::Horizontal);
        QCOMPARE(baseline.calculate(input, HeatFlowDirection::Horizontal), code);
        const QString difference = firstDifference(program.results(), baseline.results());
        QVERIFY2(
            difference.isEmpty(),
            qPrintable(QString("construction %1 (%2 layers): %3").arg(i).arg(input.layers().size()).arg(difference)));
        ++codes[code];
    }
    // the comparison covers the search: planes, zones and failed searches all occur
    QVERIFY(codes[ResultCode::OnePlane] > 100);
    QVERIFY(codes[ResultCode::OneZone] + codes[ResultCode::SeveralZones] > 100);
    QVERIFY(codes[ResultCode::CalculationError] > 10);
    QVERIFY(codes[ResultCode::NoCondensation] > 10);
}

void tst_PlaneSearch::coldSideConstructions_data() {
    QTest::addColumn<int>("layers");
    for (int n : {12, 13, 16, 24, 31})
        QTest::newRow(qPrintable(QString("%1 layers").arg(n))) << n;
}

void tst_PlaneSearch::coldSideConstructions() {
    QFETCH(int, layers);
    const InputData input = coldSideWall(layers, 0.001);
    Calculation program;
    const ResultCode code = program.calculate(input, HeatFlowDirection::Horizontal);
    const CalculationResults &r = program.results();
    QVERIFY2(r.messages.isEmpty(), qPrintable(r.messages.join('|')));
    QVERIFY2(code == ResultCode::OnePlane || code == ResultCode::OneZone, qPrintable(QString::number(int(code))));
    // one plane or zone in front of the tight board, nowhere above saturation
    QCOMPARE(int(r.condensationZones.size()), 1);
    QCOMPARE(r.condensationZones.front().second, layers - 1);
    for (int k = 0; k <= layers; ++k)
        QVERIFY(r.p_moist[std::size_t(k)] <= r.p_sat_moist[std::size_t(k)] * (1 + 1e-9));
    if (layers <= PlaneSearch::ExhaustiveLayers) {
        Calculation baseline(std::make_shared<BaselinePlaneSearch>());
        QCOMPARE(baseline.calculate(input, HeatFlowDirection::Horizontal), code);
        QCOMPARE(firstDifference(r, baseline.results()), QString());
    }
}

void tst_PlaneSearch::longConstructionWithoutSolution_data() {
    QTest::addColumn<int>("layers");
    QTest::addColumn<QString>("message");
    // without liquid transport no combination can be solved
    QTest::newRow("16 layers: every combination ruled out or tried") << 16 << "No Solution found!";
    QTest::newRow("24 layers: search limit reached")
        << 24
        << "No valid combination of condensation planes was found within the search limit for constructions of "
           "more than 12 layers, this construction has 24 layers.";
}

void tst_PlaneSearch::longConstructionWithoutSolution() {
    QFETCH(int, layers);
    QFETCH(QString, message);
    const InputData input = coldSideWall(layers, 0.0);
    Calculation program;
    QCOMPARE(program.calculate(input, HeatFlowDirection::Horizontal), ResultCode::CalculationError);
    QCOMPARE(program.results().messages, QStringList() << message);
    QVERIFY(program.results().condensationZones.empty());
}

QTEST_GUILESS_MAIN(tst_PlaneSearch)
#include "tst_PlaneSearch.moc"
