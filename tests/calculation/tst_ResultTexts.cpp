// Verdict line of a calculation per result code, as the results panel paints it and the command-line tool
// prints it.

#include <calculation/CalculationResults.h>
#include <calculation/ResultTexts.h>

#include <QtTest>

using Zones = std::vector<std::pair<int, int>>;
Q_DECLARE_METATYPE(Zones)

class tst_ResultTexts : public QObject {
    Q_OBJECT
private slots:
    void verdict_data();
    void verdict();
    void calculationErrorWrapsEachMessage();
};

void tst_ResultTexts::verdict_data() {
    QTest::addColumn<int>("resultCode");
    QTest::addColumn<Zones>("zones");
    QTest::addColumn<QString>("html");
    const QString red = "<font color=\"#FF0000\">%1</font>";
    const QString blue = "<font color=\"#0000FF\">%1</font>";
    QTest::newRow("no layers") << 0 << Zones() << red.arg("No input!");
    QTest::newRow("condensation on the warm surface")
        << 4 << Zones() << red.arg("Condensation on the surface (warm side). No calculation possible.");
    QTest::newRow("one layer is a finding, blue")
        << 6 << Zones() << blue.arg("Only one layer. No condensate possible!");
    QTest::newRow("no condensation") << 7 << Zones() << blue.arg("No condensate emerges!");
    QTest::newRow("loading time too long") << 8 << Zones() << red.arg("t_hyg bigger than duration of winter climate!");
    QTest::newRow("one plane names the first zone, counted from 1")
        << 9 << Zones{{1, 2}, {4, 5}} << blue.arg("Condensation between layer 2 and 3!");
    QTest::newRow("one zone") << 10 << Zones{{0, 3}} << blue.arg("Condensation between layer 1 and 4!");
    QTest::newRow("three zones: commas and a full stop")
        << 11 << Zones{{0, 1}, {2, 3}, {4, 5}} << blue.arg("Condensation between layer 1 and 2, 3 and 4, 5 and 6.");
    QTest::newRow("condensation code without a zone") << 10 << Zones() << red.arg("Unknown result!");
    QTest::newRow("code above 11") << 12 << Zones() << red.arg("Unknown result!");
    QTest::newRow("negative code") << -1 << Zones() << red.arg("Unknown result!");
}

void tst_ResultTexts::verdict() {
    QFETCH(int, resultCode);
    QFETCH(Zones, zones);
    QFETCH(QString, html);
    CalculationResults results;
    results.resultCode = resultCode;
    results.condensationZones = zones;
    QCOMPARE(ResultTexts::verdictHtml(results), html);
}

void tst_ResultTexts::calculationErrorWrapsEachMessage() {
    CalculationResults results;
    results.resultCode = RC_CalculationError;
    QCOMPARE(ResultTexts::verdictHtml(results), QString());
    results.messages = QStringList{"first", "second"};
    QCOMPARE(ResultTexts::verdictHtml(results),
             QString("<font color=\"#FF0000\">first</font>\n<font color=\"#FF0000\">second</font>"));
    QCOMPARE(ResultTexts::verdictText(results), QString("first\nsecond"));
}

QTEST_GUILESS_MAIN(tst_ResultTexts)
#include "tst_ResultTexts.moc"
