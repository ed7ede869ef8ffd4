// Material transfer for the QtExt material table: value formats per parameter kind and the information
// text of the tool tips.

#include <QLocale>
#include <QtTest>

#include <model/MaterialTransfer.h>

using Kind = QtExt::MaterialBase::ParameterKind;
Q_DECLARE_METATYPE(Kind)

class tst_MaterialTransfer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void formatValue_data();
    void formatValue();
    void germanLocaleWithoutGroupSeparator();
    void specificHeatCapacityIsEmpty();
    void informationText();
    void informationTextOfPlainMaterialIsEmpty();
    void flagsAndIdentity();
};

void tst_MaterialTransfer::formatValue_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rho below 10: 6 significant digits") << Kind::MC_RHO << 1.23 << "1.23";
    QTest::newRow("rho from 10: no decimals") << Kind::MC_RHO << 1799.6 << "1800";
    QTest::newRow("sd below 10") << Kind::MC_SD << 0.02 << "0.02";
    QTest::newRow("sd large") << Kind::MC_SD << 1500.0 << "1500";
    QTest::newRow("cp one decimal") << Kind::MC_CET << 850.0 << "850.0";
    QTest::newRow("mu from 10: no decimals") << Kind::MC_MEW << 500000.0 << "500000";
    QTest::newRow("mu from 0.01: 3 decimals") << Kind::MC_MEW << 1.0 << "1.000";
    QTest::newRow("mu small: 5 decimals") << Kind::MC_MEW << 0.005 << "0.00500";
    QTest::newRow("lambda below 1") << Kind::MC_LAMBDA << 0.035 << "0.035";
    QTest::newRow("lambda below 10: 1 decimal") << Kind::MC_LAMBDA << 2.34 << "2.3";
    QTest::newRow("lambda below 10000: no decimals") << Kind::MC_LAMBDA << 380.0 << "380";
    QTest::newRow("lambda huge: exponent") << Kind::MC_LAMBDA << 12000.0 << "1.2e+04";
    QTest::newRow("w80 from 0.001: 4 decimals") << Kind::MC_W80 << 0.007 << "0.0070";
    QTest::newRow("w80 small: exponent") << Kind::MC_W80 << 0.00001 << "1.00e-05";
    QTest::newRow("wsat") << Kind::MC_WSAT << 0.25 << "0.2500";
    QTest::newRow("Aw from 0.01: 4 decimals") << Kind::MC_AW << 0.08 << "0.0800";
    QTest::newRow("Aw below 0.01: exponent") << Kind::MC_AW << 0.005 << "5.00e-03";
    QTest::newRow("Aw zero") << Kind::MC_AW << 0.0 << "0.00e+00";
    QTest::newRow("name kind has no number") << Kind::MC_NAME << 3.0 << "";
    QTest::newRow("air permeance is not shown") << Kind::MC_KAIR << 3.0 << "";
}

void tst_MaterialTransfer::formatValue() {
    QFETCH(Kind, kind);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(MaterialTransfer::formatValue(kind, value), expected);
}

void tst_MaterialTransfer::germanLocaleWithoutGroupSeparator() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString big = MaterialTransfer::formatValue(Kind::MC_MEW, 500000.0);
    const QString small = MaterialTransfer::formatValue(Kind::MC_W80, 0.007);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(big, QStringLiteral("500000"));
    QCOMPARE(small, QStringLiteral("0,0070"));
}

void tst_MaterialTransfer::specificHeatCapacityIsEmpty() {
    const Material m(QStringLiteral("Brick"), 2, QString(), QString(), QString(), QString(), 1800, 0.81, 10, 0.007,
                     0.25, 0.2, 493);
    const MaterialTransfer t(m, 3, false);
    QCOMPARE(t.valueString(Kind::MC_CET), QString());
    QCOMPARE(t.valueString(Kind::MC_RHO), QStringLiteral("1800"));
    QCOMPARE(t.value(Kind::MC_LAMBDA), 0.81);
}

void tst_MaterialTransfer::informationText() {
    Material m(QStringLiteral("Spruce"), 7, QStringLiteral("Across the grain"), QString(), QString(),
               QStringLiteral("DIN 4108-4"), 450, 0.12, 50, 0.07, 0.6, 0.005, 900);
    m.setFlags(false, true, true, false);
    m.setMeasuringDate(QDate(2021, 3, 14));
    m.setSamplingDate(QDate(2020, 11, 2));
    const MaterialTransfer t(m, 0, false);
    QCOMPARE(t.informationText(), QStringLiteral("Data source: DIN 4108-4\nNotes: Across the grain\nWood\nWood based\n"
                                                 "Measuring date: 03 2021\nSampling date: 11 2020\n"));
}

void tst_MaterialTransfer::informationTextOfPlainMaterialIsEmpty() {
    Material m;
    m.setProductionDate(QDate(2020, 13, 40));
    QCOMPARE(MaterialTransfer(m, 0, true).informationText(), QString());
    m.setFlags(true, false, false, true);
    QCOMPARE(MaterialTransfer(m, 0, true).informationText(), QStringLiteral("Air\n"));
}

void tst_MaterialTransfer::flagsAndIdentity() {
    Material m;
    m.setFlags(true, false, true, true);
    m.setMaterialId(32770);
    m.setCategory(5);
    const MaterialTransfer t(m, 12, true);
    QCOMPARE(t.flags(),
             QtExt::MaterialBase::FlagAir | QtExt::MaterialBase::FlagWoodbased | QtExt::MaterialBase::FlagFoil);
    QCOMPARE(t.index(), 12);
    QCOMPARE(t.materialId(), 32770);
    QVERIFY(t.isUserDefined());
    QCOMPARE(t.category(), QStringLiteral("Insulation materials"));
}

QTEST_GUILESS_MAIN(tst_MaterialTransfer)
#include "tst_MaterialTransfer.moc"
