#include <QtTest>

#include <CoreEnums.h>

#include <calculation/CalculationResults.h>
#include <calculation/VariantStudy.h>
#include <model/Project.h>

// Variant studies of the shipped examples: each row is the project edited by hand and judged by the one
// criteria evaluation, invalid values give marked rows, and the limit search brackets the change of verdict.

namespace {

Document example(const QString &name) {
    Project project;
    QString error;
    if (!project.read(QStringLiteral(HYGROLUX_SOURCE_DIR "/examples/") + name, error))
        qWarning("%s", qPrintable(error));
    return *project.document();
}

VariantStudy study(const Document &document, VariantStudy::Quantity quantity, int layer = 0) {
    return VariantStudy(document.inputData(), document.projectInformation().m_heatFlowDirection, ReportSettings(),
                        quantity, layer);
}

using Q = VariantStudy::Quantity;

} // namespace

Q_DECLARE_METATYPE(VariantStudy::Quantity)

class tst_VariantStudy : public QObject {
    Q_OBJECT
private slots:
    void insulationWidthLimit();
    void bisectionEndsAtNeighbouringDoubles();
    void everyChangeIsReported();
    void rowEqualsProjectEditedByHand();
    void sdValueOfTimberRoof();
    void insideHumidity();
    void invalidValuesGiveMarkedRows_data();
    void invalidValuesGiveMarkedRows();
    void layerMustExist();
    void linearValuesThroughZero();
};

// How much inside insulation the brick wall needs: too thin fails, the limit lies between the scanned values
// around the change and a direct calculation confirms both sides of it.
void tst_VariantStudy::insulationWidthLimit() {
    VariantStudy s = study(example("masonry-wall-inside-insulation.v2p"), Q::Width, 2);
    const std::vector<VariantStudy::Row> rows = s.run(VariantStudy::linearValues(0.01, 0.2, 11));
    QCOMPARE(rows.size(), size_t(11));
    QVERIFY(!rows.front().passes());
    QVERIFY(rows.back().passes());
    int lastFailing = 0;
    for (int i = 0; i < int(rows.size()); ++i)
        if (!rows[i].passes())
            lastFailing = i;
    const VariantStudy::Limit limit = s.findLimit(rows);
    QCOMPARE(limit.kind, VariantStudy::Limit::Found);
    QCOMPARE(limit.changes.size(), size_t(1));
    const VariantStudy::Change &change = limit.changes.front();
    QCOMPARE(change.scanFailing, rows[lastFailing].value);
    QCOMPARE(change.scanPassing, rows[lastFailing + 1].value);
    QVERIFY(change.scanFailing <= change.failing && change.failing < change.passing);
    QVERIFY(change.passing <= change.scanPassing);
    // The tolerance is relative to the bracket's own values, not to the scanned range.
    QCOMPARE(change.tolerance, VariantStudy::RelativeTolerance * change.scanPassing);
    QVERIFY(change.passing - change.failing <= change.tolerance);
    QVERIFY(s.evaluate(change.passing).passes());
    QVERIFY(!s.evaluate(change.failing).passes());
    QCOMPARE(change.flipped, std::vector<DINCriterion::Kind>{DINCriterion::MinimumResistance});
    QVERIFY(!change.basisChanged);
}

// Halving a bracket ends at neighbouring doubles, also when no tolerance is asked for, and a scan pair that
// already is one is left as it is.
void tst_VariantStudy::bisectionEndsAtNeighbouringDoubles() {
    VariantStudy s = study(example("masonry-wall-inside-insulation.v2p"), Q::Width, 2);
    const VariantStudy::Limit exact = s.findLimit(s.run({0.01, 0.2}), 0);
    QCOMPARE(exact.changes.size(), size_t(1));
    const VariantStudy::Change &change = exact.changes.front();
    QCOMPARE(std::nextafter(change.failing, change.passing), change.passing);

    const VariantStudy::Limit again = s.findLimit(s.run({change.failing, change.passing}));
    QCOMPARE(again.changes.size(), size_t(1));
    QCOMPARE(again.changes.front().failing, change.failing);
    QCOMPARE(again.changes.front().passing, change.passing);
}

// Every change of verdict is found and refined, not only the first; rows come in any order and invalid ones
// are skipped.
void tst_VariantStudy::everyChangeIsReported() {
    VariantStudy s = study(example("masonry-wall-inside-insulation.v2p"), Q::Width, 2);
    std::vector<VariantStudy::Row> rows = s.run({0.15, -0.02, 0.01, 0.1});
    VariantStudy::Row failing = s.evaluate(0.02);
    failing.value = 0.2; // a failing verdict above the passing values gives a second change
    rows.push_back(failing);
    const VariantStudy::Limit limit = s.findLimit(rows);
    QCOMPARE(limit.kind, VariantStudy::Limit::Found);
    QCOMPARE(limit.changes.size(), size_t(2));
    QCOMPARE(limit.changes[0].scanFailing, 0.01);
    QCOMPARE(limit.changes[0].scanPassing, 0.1);
    QCOMPARE(limit.changes[1].scanPassing, 0.15);
    QCOMPARE(limit.changes[1].scanFailing, 0.2);
}

void tst_VariantStudy::rowEqualsProjectEditedByHand() {
    Document document = example("masonry-wall-inside-insulation.v2p");
    const VariantStudy::Row row = study(document, Q::Width, 2).evaluate(0.037);
    document.inputData().layers()[1].setWidth(0.037);
    document.recalculate();
    const CalculationResults &results = document.calculation().results();
    QCOMPARE(row.resultCode, results.resultCode);
    QCOMPARE(row.U, results.U);
    QCOMPARE(row.glaserMc, results.glaserMc);
    QCOMPARE(row.Mc, results.Mc);
    QCOMPARE(row.dryingTimeDays, results.dryingTime / 86400);
    QCOMPARE(row.basis.methodName(), QStringLiteral("moisture-dependent"));
}

// A vapour retarder keeps its diffusion resistance factor: its width follows from the sd-value. A tighter
// retarder lets less condensate into the roof, judged on the Glaser basis.
void tst_VariantStudy::sdValueOfTimberRoof() {
    const Document document = example("timber-roof.v2p");
    InputData input = document.inputData();
    const double mu = input.layers()[1].mu();
    VariantStudy::apply(input, Q::SdValue, 1, 20);
    QCOMPARE(input.layers()[1].sd_value(), 20.0);
    QCOMPARE(input.layers()[1].width(), 20 / mu);

    VariantStudy s = study(document, Q::SdValue, 2);
    const std::vector<VariantStudy::Row> rows = s.run(VariantStudy::linearValues(0.5, 50, 12));
    for (size_t i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].basis.methodName(), QStringLiteral("glaser"));
        QCOMPARE(rows[i].Mc, rows[i].glaserMc);
        if (i > 0)
            QVERIFY(rows[i].glaserMc < rows[i - 1].glaserMc);
    }
    const VariantStudy::Limit limit = s.findLimit(rows);
    QCOMPARE(limit.kind, VariantStudy::Limit::Found);
    QVERIFY(limit.changes.front().failing < limit.changes.front().passing);
}

void tst_VariantStudy::insideHumidity() {
    VariantStudy masonry = study(example("masonry-wall-inside-insulation.v2p"), Q::InsideHumidity);
    const std::vector<VariantStudy::Row> rows = masonry.run(VariantStudy::linearValues(35, 75, 9));
    for (size_t i = 1; i < rows.size(); ++i)
        QVERIFY(rows[i].glaserMc > rows[i - 1].glaserMc);
    const VariantStudy::Limit limit = masonry.findLimit(rows);
    QCOMPARE(limit.kind, VariantStudy::Limit::Found);
    QVERIFY(limit.changes.front().passing < limit.changes.front().failing);

    VariantStudy timberFrame = study(example("timber-frame-wall.v2p"), Q::InsideHumidity);
    QCOMPARE(timberFrame.findLimit(timberFrame.run({30, 50, 70})).kind, VariantStudy::Limit::AllPass);
    QCOMPARE(masonry.findLimit(masonry.run({65, 70})).kind, VariantStudy::Limit::NonePass);
    QCOMPARE(masonry.findLimit(masonry.run({120, 130})).kind, VariantStudy::Limit::NoneJudged);
}

void tst_VariantStudy::invalidValuesGiveMarkedRows_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<VariantStudy::Quantity>("quantity");
    QTest::addColumn<int>("layer");
    QTest::addColumn<double>("value");
    QTest::addColumn<InputStatus>("inputStatus");
    const QString wall = QStringLiteral("masonry-wall-inside-insulation.v2p");
    QTest::newRow("negative width") << wall << Q::Width << 2 << -0.05 << InputStatus::InvalidWidth;
    QTest::newRow("zero width") << wall << Q::Width << 4 << 0.0 << InputStatus::InvalidWidth;
    QTest::newRow("lambda 0") << wall << Q::Lambda << 2 << 0.0 << InputStatus::InvalidMaterial;
    QTest::newRow("mu 0") << wall << Q::Mu << 1 << 0.0 << InputStatus::InvalidMaterial;
    QTest::newRow("negative A_w") << wall << Q::Aw << 3 << -1.0 << InputStatus::InvalidMaterial;
    QTest::newRow("sd 0 without product value") << wall << Q::SdValue << 2 << 0.0 << InputStatus::InvalidMaterial;
    QTest::newRow("negative sd of a retarder")
        << "timber-roof.v2p" << Q::SdValue << 2 << -1.0 << InputStatus::InvalidWidth;
    QTest::newRow("humidity 120 %") << wall << Q::InsideHumidity << 0 << 120.0 << InputStatus::InvalidClimate;
    QTest::newRow("temperature 100 °C") << wall << Q::InsideTemperature << 0 << 100.0 << InputStatus::InvalidClimate;
}

void tst_VariantStudy::invalidValuesGiveMarkedRows() {
    QFETCH(QString, file);
    QFETCH(VariantStudy::Quantity, quantity);
    QFETCH(int, layer);
    QFETCH(double, value);
    QFETCH(InputStatus, inputStatus);
    VariantStudy s = study(example(file), quantity, layer);
    const VariantStudy::Row row = s.evaluate(value);
    QCOMPARE(row.inputStatus, inputStatus);
    QVERIFY(!row.isValid());
    QCOMPARE(row.resultCode, ResultCode::InvalidInput);
    QVERIFY(!row.allFulfilled.has_value());
    for (const DINCriterion &criterion : row.criteria)
        QVERIFY(!criterion.assessed);
    // The study goes on with the next value.
    QVERIFY(s.evaluate(layer == 0 ? 50.0 : 0.05).isValid());
}

void tst_VariantStudy::layerMustExist() {
    const Document document = example("masonry-wall-inside-insulation.v2p");
    QVERIFY(!study(document, Q::Width, 0).problem().isEmpty());
    QVERIFY(!study(document, Q::Lambda, 6).problem().isEmpty());
    QVERIFY(study(document, Q::Lambda, 5).problem().isEmpty());
    QVERIFY(study(document, Q::InsideTemperature).problem().isEmpty());
}

void tst_VariantStudy::linearValuesThroughZero() {
    const std::vector<double> values = VariantStudy::linearValues(-0.3, 0.7, 11);
    QCOMPARE(values[3], 0.0);
    QCOMPARE(values[1], -0.2);
    QCOMPARE(values.back(), 0.7);
    QCOMPARE(VariantStudy::linearValues(5, 6, 1), std::vector<double>{5});
}

QTEST_GUILESS_MAIN(tst_VariantStudy)
#include "tst_VariantStudy.moc"
