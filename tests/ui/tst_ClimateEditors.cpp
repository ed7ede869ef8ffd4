// The climate and assessment page on a local undo stack: field ranges and messages, the winter temperature
// rule, presets, assessment types and periods; every accepted edit recalculates and undoes to exactly the
// previous input data, and edits that change nothing push nothing.

#include "EditorTestSupport.h"

#include <ui/AssessmentClimateWidget.h>
#include <ui/AssessmentTypeWidget.h>
#include <ui/ClimateEditWidget.h>

#include <QtExt_ValidatingLineEdit.h>

#include <QComboBox>
#include <QRadioButton>
#include <QUndoStack>
#include <QtTest>

class tst_ClimateEditors : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void condensationTime_data();
    void condensationTime();
    void surfaceResistance_data();
    void surfaceResistance();
    void winterTemperatureRule();
    void climateEditsUndoExactly_data();
    void climateEditsUndoExactly();
    void presetAlreadyInForcePushesNothing();
    void presetUndoRestoresCustomValues();
    void assessmentTypeSwitch();
    void customChoiceOpensFields();
    void summerDisablesPresets();

private:
    template <class T> T *field(const QString &name) { return m_page->findChild<T *>(name); }
    /*! Makes the conditions custom (condensation period 50 days) without going through the stack. */
    void makeCustom();
    /*! Pushes nothing and leaves the input data as they were, or pushes one entry that recalculated. */
    void checkPushed(bool accepted);
    /*! Undoes the last entry and checks that the input data are those before it. */
    void checkUndo();

    Project *m_project = nullptr;
    QUndoStack *m_stack = nullptr;
    AssessmentClimateWidget *m_page = nullptr;
    InputData m_before;
    QSignalSpy *m_modified = nullptr;
};

void tst_ClimateEditors::initTestCase() {
    QLocale locale(QLocale::C);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

void tst_ClimateEditors::init() {
    m_project = new Project;
    EditorTest::createProject(*m_project);
    m_stack = new QUndoStack;
    m_page = new AssessmentClimateWidget(*m_project, *m_stack);
    m_page->show();
    m_page->setSide(true);
    m_before = m_project->document()->inputData();
    m_modified = new QSignalSpy(m_project, &Project::modified);
}

void tst_ClimateEditors::cleanup() {
    delete m_modified;
    delete m_page;
    delete m_stack;
    delete m_project;
}

void tst_ClimateEditors::makeCustom() {
    m_project->document()->inputData().conditions().setTT(50);
    m_project->setModified(Project::ModificationType::AllModified);
    m_page->setSide(true);
    m_before = m_project->document()->inputData();
    m_modified->clear();
}

void tst_ClimateEditors::checkPushed(bool accepted) {
    QCOMPARE(m_stack->count(), accepted ? 1 : 0);
    QCOMPARE(m_modified->count(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(m_modified->first().first().value<Project::ModificationType>(),
                 Project::ModificationType::AllModified);
    else
        QVERIFY(m_project->document()->inputData() == m_before);
}

void tst_ClimateEditors::checkUndo() {
    QVERIFY(m_project->document()->inputData() != m_before);
    m_stack->undo();
    QVERIFY(m_project->document()->inputData() == m_before);
    QCOMPARE(m_modified->count(), 2);
}

void tst_ClimateEditors::condensationTime_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("0.05 days") << "0.05" << false;
    QTest::newRow("exactly 0.1 days") << "0.1" << false;
    QTest::newRow("299.9 days") << "299.9" << true;
    QTest::newRow("exactly 300 days") << "300" << false;
}

void tst_ClimateEditors::condensationTime() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    makeCustom();
    auto *time = field<QtExt::ValidatingLineEdit>("lineEditCondensationTime");
    QVERIFY(time->isEnabled());
    EditorTest::type(time, text);
    checkPushed(accepted);
    if (!accepted) {
        QCOMPARE(time->toolTip(), QString("The condensation time must be > 0d and < 300d."));
        return;
    }
    QCOMPARE(m_project->document()->inputData().conditions().tT(), 299.9);
    QCOMPARE(m_stack->undoText(), QString(": Undo change of condensation time."));
    checkUndo();
}

void tst_ClimateEditors::surfaceResistance_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("negative") << "-0.1" << false;
    QTest::newRow("0.2") << "0.2" << true;
}

void tst_ClimateEditors::surfaceResistance() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    makeCustom();
    auto *resistance = field<QtExt::ValidatingLineEdit>("lineEditClimateRT");
    EditorTest::type(resistance, text);
    checkPushed(accepted);
    if (!accepted) {
        QCOMPARE(resistance->toolTip(), QString("The surface resistance must be >= 0."));
        return;
    }
    // One surface resistance per side: the drying period's follows.
    const AssessmentConditions &conditions = m_project->document()->inputData().conditions();
    QCOMPARE(conditions.Rsi(), 0.2);
    QCOMPARE(conditions.Rsi_summer(), 0.2);
    checkUndo();
}

void tst_ClimateEditors::winterTemperatureRule() {
    makeCustom();
    auto *temperature = field<QtExt::ValidatingLineEdit>("lineEditClimateT");
    EditorTest::type(temperature, "-6");
    checkPushed(false);
    QVERIFY(!temperature->isValid());
    QCOMPARE(temperature->toolTip(), QString("Temperature at warm side must be bigger than tempareature at cold side"));
    EditorTest::type(temperature, "-5");
    checkPushed(true);
    QCOMPARE(m_project->document()->inputData().conditions().T_i(), -5.0);
    checkUndo();
}

void tst_ClimateEditors::climateEditsUndoExactly_data() {
    QTest::addColumn<bool>("winter");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("undoText");
    QTest::newRow("winter temperature") << true << "lineEditClimateT"
                                        << "18.5"
                                        << ": Undo change of temperature (condensation) at warm side";
    QTest::newRow("winter humidity") << true << "lineEditClimateRH"
                                     << "55"
                                     << ": Undo change of relative humidity (condensation) at warm side";
    QTest::newRow("summer temperature") << false << "lineEditClimateT"
                                        << "16"
                                        << ": Undo change of temperature (condensation) at warm side";
    QTest::newRow("summer humidity") << false << "lineEditClimateRH"
                                     << "65"
                                     << ": Undo change of relative humidity (condensation) at warm side";
    QTest::newRow("resistance") << true << "lineEditClimateRT"
                                << "0.13"
                                << ": Undo change of surface resistance at warm side";
}

void tst_ClimateEditors::climateEditsUndoExactly() {
    QFETCH(bool, winter);
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(QString, undoText);
    makeCustom();
    if (!winter)
        field<QRadioButton>("radioButtonSummer")->click();
    auto *edit = field<QtExt::ValidatingLineEdit>(fieldName);
    const QString shown = edit->text();
    EditorTest::type(edit, shown);
    checkPushed(false);
    EditorTest::type(edit, text);
    checkPushed(true);
    QCOMPARE(m_stack->undoText(), undoText);
    checkUndo();
    QCOMPARE(edit->text(), shown);
    m_stack->redo();
    QCOMPARE(edit->text(), text);
}

void tst_ClimateEditors::presetAlreadyInForcePushesNothing() {
    // Custom conditions offer the indoor presets 1, 3 and 7, which share 20 °C, 50 % and 0.13 m2K/W.
    makeCustom();
    m_project->document()->inputData().conditions().setInterior(AssessmentConditions::SurfaceResistance,
                                                                AssessmentConditions::BothSeasons, 0.13);
    m_page->setSide(true);
    m_before = m_project->document()->inputData();
    auto *presets = field<QComboBox>("comboBoxClimatePresets");
    const int shown = presets->currentIndex();
    QCOMPARE(presets->itemData(shown).toInt(), 1);
    const int sameValues = presets->findData(3);
    QVERIFY(sameValues >= 0 && sameValues != shown);
    presets->setCurrentIndex(sameValues);
    checkPushed(false);
}

void tst_ClimateEditors::presetUndoRestoresCustomValues() {
    makeCustom();
    auto *temperature = field<QtExt::ValidatingLineEdit>("lineEditClimateT");
    EditorTest::type(temperature, "18.5");
    m_before = m_project->document()->inputData();
    m_stack->clear();
    m_modified->clear();
    auto *presets = field<QComboBox>("comboBoxClimatePresets");
    presets->setCurrentIndex(presets->findData(6));
    checkPushed(true);
    QCOMPARE(m_stack->undoText(), QString(": Undo change climate data set at warm side"));
    const AssessmentConditions &conditions = m_project->document()->inputData().conditions();
    QCOMPARE(conditions.T_i(), 20.0);
    QCOMPARE(conditions.Rsi(), 0.25);
    QCOMPARE(conditions.Rsi_summer(), 0.25);
    checkUndo();
    QCOMPARE(temperature->text(), QString("18.5"));
}

void tst_ClimateEditors::assessmentTypeSwitch() {
    makeCustom();
    auto *types = field<QComboBox>("comboBoxAssessmentType");
    types->setCurrentIndex(types->findData(AT_DIN4108_2001));
    checkPushed(true);
    QCOMPARE(m_stack->undoText(), QString(": Undo change of assessment type."));
    const AssessmentConditions &conditions = m_project->document()->inputData().conditions();
    QCOMPARE(conditions.type(), int(AT_DIN4108_2001));
    QCOMPARE(conditions.tT(), 60.0);
    QCOMPARE(conditions.T_i_summer(), 12.0);
    QCOMPARE(ClimatePresets::findPresetId(conditions.T_i(), conditions.rh_i(), conditions.Rsi()), 1);
    QVERIFY(!field<QtExt::ValidatingLineEdit>("lineEditClimateT")->isEnabled());
    QVERIFY(!field<QtExt::ValidatingLineEdit>("lineEditCondensationTime")->isEnabled());
    QCOMPARE(field<QComboBox>("comboBoxClimatePresets")->count(), 2);
    checkUndo();
    QCOMPARE(conditions.tT(), 50.0);
    QCOMPARE(types->currentData().toInt(), int(AT_Custom));
    QVERIFY(field<QtExt::ValidatingLineEdit>("lineEditClimateT")->isEnabled());
}

void tst_ClimateEditors::customChoiceOpensFields() {
    // Values of the 2014/2018 type stay that type until edited: choosing custom conditions changes no value.
    auto *types = field<QComboBox>("comboBoxAssessmentType");
    QCOMPARE(types->currentData().toInt(), int(AT_DIN4108_2014));
    auto *temperature = field<QtExt::ValidatingLineEdit>("lineEditClimateT");
    QVERIFY(!temperature->isEnabled());
    types->setCurrentIndex(types->findData(AT_Custom));
    checkPushed(false);
    QVERIFY(temperature->isEnabled());
    m_page->setSide(true);
    QCOMPARE(types->currentData().toInt(), int(AT_Custom));
    EditorTest::type(temperature, "21");
    checkPushed(true);
    QCOMPARE(m_project->document()->inputData().conditions().type(), int(AT_Custom));
    checkUndo();
}

void tst_ClimateEditors::summerDisablesPresets() {
    auto *presets = field<QComboBox>("comboBoxClimatePresets");
    QVERIFY(presets->isEnabled());
    field<QRadioButton>("radioButtonSummer")->click();
    QVERIFY(!presets->isEnabled());
    field<QRadioButton>("radioButtonWinter")->click();
    QVERIFY(presets->isEnabled());
}

QTEST_MAIN(tst_ClimateEditors)
#include "tst_ClimateEditors.moc"
