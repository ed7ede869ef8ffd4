// The option panels of the DIN 4108-3 check and of the drying reserve: the settings they show and return
// (limits shown per h^0.5, kept per s^0.5), the read-only rule of the non-capillary limit and the limit a
// standard edition shows, the matching of the standard reserves and the no-condensation state.

#include <ui/DINCriteriaSettings.h>
#include <ui/DryingReserveSettings.h>

#include <QtExt_ValidatingLineEdit.h>

#include <model/ReportSettings.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class tst_CriteriaSettingsPanels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void criteriaRoundTrip_data();
    void criteriaRoundTrip();
    void standardEditionFixesLimit_data();
    void standardEditionFixesLimit();
    void userDefinedLimitSignals();
    void dryingReserveMatching_data();
    void dryingReserveMatching();
    void dryingReserveClicks();
    void noCondensation();
};

void tst_CriteriaSettingsPanels::initTestCase() {
    QLocale locale(QLocale::C);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

void tst_CriteriaSettingsPanels::criteriaRoundTrip_data() {
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("oneSide");
    QTest::addColumn<bool>("nonCapillarReadOnly");
    QTest::addColumn<QString>("shownLimit");
    QTest::newRow("2001, two sides") << int(ReportSettings::DIN4108_3_2001) << false << true << "0.2";
    QTest::newRow("2014") << int(ReportSettings::DIN4108_3_2014) << true << true << "0.5";
    QTest::newRow("2018") << int(ReportSettings::DIN4108_3_2018) << true << true << "0.1";
    QTest::newRow("user defined") << int(ReportSettings::DIN4108_3_UserDefined) << false << false << "0.3";
}

void tst_CriteriaSettingsPanels::criteriaRoundTrip() {
    QFETCH(int, edition);
    QFETCH(bool, oneSide);
    QFETCH(bool, nonCapillarReadOnly);
    QFETCH(QString, shownLimit);
    ReportSettings settings;
    settings.m_DIN4108_3Accordance_Type = edition;
    settings.m_capillaryCheckOneSide = oneSide;
    settings.m_nonCapillarAw = 0.3 / 60;
    settings.m_capillarActiveAw = 0.9 / 60;
    DINCriteriaSettings panel;
    QSignalSpy changed(&panel, &DINCriteriaSettings::DINCriteriaSettingsChanged);
    panel.setSettings(settings);
    QCOMPARE(changed.count(), 0);
    auto *nonCapillar = panel.findChild<QtExt::ValidatingLineEdit *>("lineEditNonCapillar");
    QCOMPARE(nonCapillar->text(), shownLimit);
    QCOMPARE(panel.findChild<QtExt::ValidatingLineEdit *>("lineEditCapillarActive")->text(), QString("0.9"));
    QCOMPARE(nonCapillar->isReadOnly(), nonCapillarReadOnly);

    ReportSettings read;
    read.m_dryingReserve = 0.25;
    read.m_nonCapillarAw = 0.4 / 60;
    panel.getSettings(read);
    QCOMPARE(read.m_DIN4108_3Accordance_Type, edition);
    QCOMPARE(read.m_capillaryCheckOneSide, oneSide);
    // Only the user-defined edition uses the limit; a standard one leaves the record's alone.
    QCOMPARE(read.m_nonCapillarAw, nonCapillarReadOnly ? 0.4 / 60 : 0.3 / 60);
    QCOMPARE(read.m_capillarActiveAw, 0.9 / 60);
    QCOMPARE(read.m_dryingReserve, 0.25);
}

void tst_CriteriaSettingsPanels::standardEditionFixesLimit_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("edition");
    QTest::addColumn<double>("limit");
    QTest::newRow("2001") << "radioButtonDIN4108_3_2001" << int(ReportSettings::DIN4108_3_2001) << 0.2;
    QTest::newRow("2014") << "radioButtonDIN4108_3_2014" << int(ReportSettings::DIN4108_3_2014) << 0.5;
    QTest::newRow("2018") << "radioButtonDIN4108_3_2018" << int(ReportSettings::DIN4108_3_2018) << 0.1;
}

void tst_CriteriaSettingsPanels::standardEditionFixesLimit() {
    QFETCH(QString, button);
    QFETCH(int, edition);
    QFETCH(double, limit);
    ReportSettings settings;
    settings.m_DIN4108_3Accordance_Type = ReportSettings::DIN4108_3_UserDefined;
    settings.m_nonCapillarAw = 0.7 / 60;
    DINCriteriaSettings panel;
    panel.setSettings(settings);
    QSignalSpy changed(&panel, &DINCriteriaSettings::DINCriteriaSettingsChanged);
    panel.findChild<QRadioButton *>(button)->click();
    QCOMPARE(changed.count(), 1);
    auto *nonCapillar = panel.findChild<QtExt::ValidatingLineEdit *>("lineEditNonCapillar");
    QVERIFY(nonCapillar->isReadOnly());
    QCOMPARE(nonCapillar->value(), limit);
    ReportSettings read;
    panel.getSettings(read);
    QCOMPARE(read.m_DIN4108_3Accordance_Type, edition);
    // Back to user defined: the user's own limit again.
    panel.findChild<QRadioButton *>("radioButtonUserDefined")->click();
    QCOMPARE(nonCapillar->value(), 0.7);
}

void tst_CriteriaSettingsPanels::userDefinedLimitSignals() {
    DINCriteriaSettings panel;
    QSignalSpy changed(&panel, &DINCriteriaSettings::DINCriteriaSettingsChanged);
    panel.findChild<QRadioButton *>("radioButtonUserDefined")->click();
    QCOMPARE(changed.count(), 1);
    auto *nonCapillar = panel.findChild<QtExt::ValidatingLineEdit *>("lineEditNonCapillar");
    QVERIFY(!nonCapillar->isReadOnly());
    nonCapillar->setText("-1");
    emit nonCapillar->editingFinished();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(nonCapillar->toolTip(), QString("The Aw value cannot be < 0."));
    // One change per finished edit, not per key: each is an undo step of the project.
    nonCapillar->setText("0.35");
    QCOMPARE(changed.count(), 1);
    emit nonCapillar->editingFinished();
    QCOMPARE(changed.count(), 2);
    ReportSettings read;
    panel.getSettings(read);
    QCOMPARE(read.m_DIN4108_3Accordance_Type, int(ReportSettings::DIN4108_3_UserDefined));
    QCOMPARE(read.m_nonCapillarAw, 0.35 / 60);
}

void tst_CriteriaSettingsPanels::dryingReserveMatching_data() {
    QTest::addColumn<double>("grams");
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("reserve");
    QTest::newRow("zero") << 0.0 << "radioButton_NoDryingReserve" << 0.0;
    QTest::newRow("within 1e-10 of zero") << 1e-11 << "radioButton_NoDryingReserve" << 0.0;
    QTest::newRow("100 and a little") << 100.0000000001 << "radioButton_100DryingReserve" << 0.1;
    QTest::newRow("250") << 250.0 << "radioButton_250DryingReserve" << 0.25;
    QTest::newRow("120 is custom") << 120.0 << "radioButton_CustomDryingReserve" << 0.12;
    QTest::newRow("100.001 is custom") << 100.001 << "radioButton_CustomDryingReserve" << 0.100001;
}

void tst_CriteriaSettingsPanels::dryingReserveMatching() {
    QFETCH(double, grams);
    QFETCH(QString, button);
    QFETCH(double, reserve);
    DryingReserveSettings panel;
    panel.show();
    QSignalSpy changed(&panel, &DryingReserveSettings::dryingReserveChanged);
    panel.setDryingReserve(grams);
    QVERIFY(panel.findChild<QRadioButton *>(button)->isChecked());
    QCOMPARE(panel.dryingReserve(), reserve);
    QCOMPARE(changed.count(), 0);
    auto *field = panel.findChild<QtExt::ValidatingLineEdit *>("lineEdit_dryingReserve");
    QCOMPARE(field->isVisible(), reserve != 0);
    QCOMPARE(field->isEnabled(), button == "radioButton_CustomDryingReserve");
}

void tst_CriteriaSettingsPanels::dryingReserveClicks() {
    DryingReserveSettings panel;
    panel.show();
    QSignalSpy changed(&panel, &DryingReserveSettings::dryingReserveChanged);
    auto *field = panel.findChild<QtExt::ValidatingLineEdit *>("lineEdit_dryingReserve");
    panel.findChild<QRadioButton *>("radioButton_250DryingReserve")->click();
    QCOMPARE(field->text(), QString("250"));
    panel.findChild<QRadioButton *>("radioButton_CustomDryingReserve")->click();
    field->setText("80");
    panel.findChild<QPushButton *>("pushButtonUpdate")->click();
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(0).first().toDouble(), 0.25);
    QCOMPARE(changed.at(2).first().toDouble(), 0.08);
}

void tst_CriteriaSettingsPanels::noCondensation() {
    DryingReserveSettings panel;
    panel.show();
    panel.setDryingReserve(250);
    panel.setNoCondensation(true);
    QVERIFY(panel.findChild<QRadioButton *>("radioButton_NoDryingReserve")->isChecked());
    QCOMPARE(panel.dryingReserve(), 0.0);
    QVERIFY(!panel.findChild<QRadioButton *>("radioButton_250DryingReserve")->isEnabled());
    QVERIFY(panel.findChild<QLabel *>("label_MessageNoCondensate")->isVisible());
    panel.setNoCondensation(false);
    QVERIFY(panel.findChild<QRadioButton *>("radioButton_250DryingReserve")->isEnabled());
    QVERIFY(!panel.findChild<QLabel *>("label_MessageNoCondensate")->isVisible());
}

QTEST_MAIN(tst_CriteriaSettingsPanels)
#include "tst_CriteriaSettingsPanels.moc"
