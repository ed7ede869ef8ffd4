// The validators of the editors' fields: moisture contents against each other and against the material,
// the warm side's winter temperature against the cold side's, and the material value texts.

#include <ui/MaterialValueFormatter.h>
#include <ui/MoistStorageValidator.h>
#include <ui/WinterTemperatureValidator.h>

#include <QtExt_ValidatingLineEdit.h>

#include <model/Project.h>

#include <QtTest>

class tst_EditorValidators : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void moistStorageWithMaterial_data();
    void moistStorageWithMaterial();
    void moistStorageWithPartner_data();
    void moistStorageWithPartner();
    void winterTemperature_data();
    void winterTemperature();
    void formatter_data();
    void formatter();
};

void tst_EditorValidators::initTestCase() {
    QLocale locale(QLocale::C);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

void tst_EditorValidators::moistStorageWithMaterial_data() {
    QTest::addColumn<bool>("guardsW80");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    // The material has w80 = 0.2 and wsat = 0.25.
    QTest::newRow("w80 0.2 below 95 % limit") << true << 0.2 << 0 << QString();
    QTest::newRow("wsat 0.25 above 0.2375") << false << 0.25 << 0 << QString();
    QTest::newRow("wsat 0.23 below 0.2375")
        << false << 0.23 << 4
        << "Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture "
           "content";
    QTest::newRow("wsat exactly 0.2375") << false << 0.2375 << 4 << QString("*");
    QTest::newRow("w80 zero") << true << 0.0 << 1 << "Moisture content at 80%RH less or equal 0";
    QTest::newRow("wsat negative") << false << -0.1 << 2 << "Saturation moisture content less or equal 0";
    QTest::newRow("w80 equal wsat") << true << 0.25 << 3
                                    << "Moisture content at 80%RH greater or equal saturation moisture content";
    QTest::newRow("w80 one") << true << 1.0 << 5 << "Moisture content at 80%RH greater or equal to 1.0";
    QTest::newRow("wsat one") << false << 1.0 << 6 << "Moisture content at saturation greater or equal to 1.0";
}

void tst_EditorValidators::moistStorageWithMaterial() {
    QFETCH(bool, guardsW80);
    QFETCH(double, value);
    QFETCH(int, result);
    QFETCH(QString, message);
    Material material;
    material.setW_80(0.2);
    material.setW_sat(0.25);
    MoistStorageValidator validator(&material, guardsW80);
    QCOMPARE(validator.isValid(value), result == 0);
    QCOMPARE(validator.result(), result);
    if (message != "*")
        QCOMPARE(validator.errorMessage(), message);
}

void tst_EditorValidators::moistStorageWithPartner_data() {
    QTest::addColumn<QString>("partnerText");
    QTest::addColumn<double>("w80");
    QTest::addColumn<int>("result");
    QTest::newRow("partner wsat 0.25") << "0.25" << 0.2 << 0;
    QTest::newRow("partner wsat 0.23") << "0.23" << 0.2 << 4;
    QTest::newRow("invalid partner, value alone") << "x" << 0.2 << 0;
    QTest::newRow("invalid partner, zero") << "x" << 0.0 << 1;
    QTest::newRow("invalid partner, one") << "x" << 1.0 << 5;
}

void tst_EditorValidators::moistStorageWithPartner() {
    QFETCH(QString, partnerText);
    QFETCH(double, w80);
    QFETCH(int, result);
    QtExt::ValidatingLineEdit wsatField;
    wsatField.setup(0, 1, "range", false, true);
    wsatField.setText(partnerText);
    auto *validator = new MoistStorageValidator(nullptr, true, &wsatField);
    QtExt::ValidatingLineEdit w80Field;
    w80Field.setValidator(validator);
    QCOMPARE(validator->isValid(w80), result == 0);
    QCOMPARE(validator->result(), result);
}

void tst_EditorValidators::winterTemperature_data() {
    QTest::addColumn<bool>("withProject");
    QTest::addColumn<bool>("warmSide");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("message");
    const QString colder = "Temperature at warm side must be bigger than tempareature at cold side";
    // Default conditions: 20 °C inside, -5 °C outside.
    QTest::newRow("warm side above cold") << true << true << 0.0 << true << QString();
    QTest::newRow("warm side equal to cold") << true << true << -5.0 << true << QString();
    QTest::newRow("warm side below cold") << true << true << -6.0 << false << colder;
    QTest::newRow("cold side above warm") << true << false << 21.0 << false << colder;
    QTest::newRow("cold side equal to warm") << true << false << 20.0 << true << QString();
    QTest::newRow("no project") << false << true << 20.0 << false << "Cannot retrieve input data.";
}

void tst_EditorValidators::winterTemperature() {
    QFETCH(bool, withProject);
    QFETCH(bool, warmSide);
    QFETCH(double, value);
    QFETCH(bool, valid);
    QFETCH(QString, message);
    Project project;
    if (withProject)
        project.createNew();
    WinterTemperatureValidator validator(&project, warmSide);
    QCOMPARE(validator.isValid(value), valid);
    QCOMPARE(validator.errorMessage(), message);
}

void tst_EditorValidators::formatter_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("conductivity") << 0.035 << "0.035";
    QTest::newRow("six significant digits") << 0.123456789 << "0.123457";
    QTest::newRow("tiny coefficient") << 0.00001234 << "1.234e-05";
    QTest::newRow("large factor in full") << 1000000.0 << "1000000";
    QTest::newRow("zero") << 0.0 << "0";
}

void tst_EditorValidators::formatter() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(MaterialValueFormatter().formatted(value), text);
}

QTEST_MAIN(tst_EditorValidators)
#include "tst_EditorValidators.moc"
