// Verdict line of a calculation per result code, as the results panel paints it and the command-line tool
// prints it.

#include <calculation/CalculationResults.h>
#include <calculation/ResultTexts.h>

#include <QtTest>

#include <CoreEnums.h>

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
    QTest::addColumn<ResultCode>("resultCode");
    QTest::addColumn<Zones>("zones");
    QTest::addColumn<QString>("html");
    const QString red = "<font color=\"#FF0000\">%1</font>";
    const QString blue = "<font color=\"#0000FF\">%1</font>";
    QTest::newRow("no layers") << ResultCode::NoLayers << Zones() << red.arg("No input!");
    QTest::newRow("condensation on the warm surface")
        << ResultCode::CondensationLeftSurface << Zones()
        << red.arg("Condensation on the surface (warm side). No calculation possible.");
    QTest::newRow("one layer is a finding, blue")
        << ResultCode::OneLayer << Zones() << blue.arg("Only one layer. No condensate possible!");
    QTest::newRow("no condensation") << ResultCode::NoCondensation << Zones() << blue.arg("No condensate emerges!");
    QTest::newRow("loading time too long") << ResultCode::HygroscopicLoadingTimeTooLong << Zones()
                                           << red.arg("t_hyg bigger than duration of winter climate!");
    QTest::newRow("one plane names the first zone, counted from 1")
        << ResultCode::OnePlane << Zones{{1, 2}, {4, 5}} << blue.arg("Condensation between layer 2 and 3!");
    QTest::newRow("one zone") << ResultCode::OneZone << Zones{{0, 3}}
                              << blue.arg("Condensation between layer 1 and 4!");
    QTest::newRow("three zones: commas and a full stop")
        << ResultCode::SeveralZones << Zones{{0, 1}, {2, 3}, {4, 5}}
        << blue.arg("Condensation between layer 1 and 2, 3 and 4, 5 and 6.");
    QTest::newRow("condensation code without a zone") << ResultCode::OneZone << Zones() << red.arg("Unknown result!");
    QTest::newRow("code above 11") << static_cast<ResultCode>(12) << Zones() << red.arg("Unknown result!");
    QTest::newRow("negative code") << static_cast<ResultCode>(-1) << Zones() << red.arg("Unknown result!");
}

void tst_ResultTexts::verdict() {
    QFETCH(ResultCode, resultCode);
    QFETCH(Zones, zones);
    QFETCH(QString, html);
    CalculationResults results;
    results.resultCode = resultCode;
    results.condensationZones = zones;
    QCOMPARE(ResultTexts::verdictHtml(results), html);
}

void tst_ResultTexts::calculationErrorWrapsEachMessage() {
    CalculationResults results;
    results.resultCode = ResultCode::CalculationError;
    QCOMPARE(ResultTexts::verdictHtml(results), QString());
    results.messages = QStringList{"first", "second"};
    QCOMPARE(ResultTexts::verdictHtml(results),
             QString("<font color=\"#FF0000\">first</font>\n<font color=\"#FF0000\">second</font>"));
    QCOMPARE(ResultTexts::verdictText(results), QString("first\nsecond"));
}

QTEST_GUILESS_MAIN(tst_ResultTexts)
#include "tst_ResultTexts.moc"
