// Balances of the transient simulation over a year of hourly climate for the flat roof on EPS and the timber
// roof: the moisture that entered through both surfaces equals the change of the water stored, and the heat
// likewise, within 1 % of what crossed the surfaces; no water content turns negative on the way.

#include <calculation/HourlyClimate.h>
#include <calculation/TransientSimulation.h>
#include <model/Document.h>
#include <model/Project.h>

#include <QtTest>

class tst_TransientBalance : public QObject {
    Q_OBJECT
private slots:
    void yearCloses_data();
    void yearCloses();
};

void tst_TransientBalance::yearCloses_data() {
    QTest::addColumn<QString>("example");
    QTest::newRow("flat roof on EPS") << "flat-roof-on-eps.v2p";
    QTest::newRow("timber roof") << "timber-roof.v2p";
}

void tst_TransientBalance::yearCloses() {
    QFETCH(QString, example);
    Project project;
    QString errorText;
    QVERIFY2(project.read(QStringLiteral(HYGROLUX_EXAMPLES_DIR "/") + example, errorText), qPrintable(errorText));
    const Document &document = *project.document();
    double means[12];
    QVERIFY(HourlyClimate::monthlyMeans(QStringLiteral("potsdam"), means));
    const HourlyClimate exterior = HourlyClimate::sineFromMonthlyMeans(means, 0.8, 4);
    const HourlyClimate interior = HourlyClimate::en15026Interior(exterior, HourlyClimate::NormalLoad);
    TransientSimulation simulation(document.inputData(), document.projectInformation().m_heatFlowDirection, interior,
                                   exterior, TransientSimulation::Options());
    QVERIFY2(simulation.run(nullptr), qPrintable(simulation.errorText()));
    const TransientSimulation::Summary summary = simulation.summary();
    QVERIFY(summary.completed);
    qInfo("%s: balance errors moisture %.2e, heat %.2e; %ld steps, %ld failures, %d cells", qPrintable(example),
          summary.moistureBalanceError, summary.heatBalanceError, summary.statistics.steps, summary.statistics.failures,
          summary.cells);
    QVERIFY(summary.moistureBalanceError < 0.01);
    QVERIFY(summary.heatBalanceError < 0.01);
    for (const TransientSimulation::Record &record : simulation.records())
        for (double water : record.layerWater)
            QVERIFY(water >= 0);
}

QTEST_GUILESS_MAIN(tst_TransientBalance)
#include "tst_TransientBalance.moc"
