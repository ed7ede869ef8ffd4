// The climate, assessment and layer editors in the real main window, driven headless: field ranges and
// messages, presets and assessment types, units from the settings, fields of sd-value materials, and every
// accepted edit recalculating (modification type 0) and undoing to exactly the previous input data and results.

#include "EditorTestSupport.h"
#include "MessageCapture.h"

#include <QtExt_ValidatingLineEdit.h>

#include <app/Settings.h>
#include <ui/MainWindow.h>

#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>
#include <QUndoStack>
#include <QtTest>

#include <memory>

class tst_MainWindowEditors : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void condensationTime_data();
    void condensationTime();
    void rejectedClimateValues_data();
    void rejectedClimateValues();
    void presetInForcePushesNothing();
    void assessmentTypeSwitchUndoable();
    void moistureContents();
    void widthInCentimetres();
    void sdMaterialFixesWidth();
    void acceptedEditsUndoExactly_data();
    void acceptedEditsUndoExactly();
    void fieldsNamedWithUnitAndRange();

private:
    template <class T> T *child(const QString &name) const {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    QtExt::ValidatingLineEdit *field(const QString &name) const { return child<QtExt::ValidatingLineEdit>(name); }
    void selectColumn(int column) { child<QTableWidget>("tableWidgetConstruction")->setCurrentCell(0, column); }
    int lastColumn() const { return child<QTableWidget>("tableWidgetConstruction")->columnCount() - 1; }
    /*! Offers the custom fields on the warm side (choosing custom changes no value). */
    void chooseCustom();
    const InputData &input() const { return Project::instance().document()->inputData(); }
    QUndoStack &stack() const { return *Settings::instance().undoStack(); }

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void tst_MainWindowEditors::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QLocale locale(QLocale::C);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::copy(HYGROLUX_EXAMPLES_DIR "/timber-frame-wall.v2p", m_dir.filePath("wall.v2p")));
}

void tst_MainWindowEditors::init() {
    Settings &settings = Settings::instance();
    settings.m_recentProjects.clear();
    settings.m_defaultRestartMode = 1;
    settings.m_layerWidthUnit = 1000;
    settings.m_awInSeconds = true;
    settings.m_projectFileToOpen = m_dir.filePath("wall.v2p");
    {
        // No translations lie beside the test executables: the window names the missing file, and nothing else.
        MessageCapture capture;
        m_window = std::make_unique<MainWindow>();
        QCOMPARE(capture.count(ZOT::MSG_WARNING), capture.count(ZOT::MSG_WARNING, "Language file"));
        QCOMPARE(capture.count(ZOT::MSG_ERROR), 0);
    }
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(Project::instance().hasDocument());
    stack().clear();
}

void tst_MainWindowEditors::cleanup() {
    stack().clear();
    m_window.reset();
    Project::instance().close();
}

void tst_MainWindowEditors::chooseCustom() {
    selectColumn(0);
    QCOMPARE(child<QStackedWidget>("stackedWidgetClimateMaterial")->currentIndex(), 1);
    auto *types = child<QComboBox>("comboBoxAssessmentType");
    types->setCurrentIndex(types->findData(AT_Custom));
    QCOMPARE(stack().count(), 0);
    QVERIFY(field("lineEditClimateT")->isEnabled());
}

void tst_MainWindowEditors::condensationTime_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("0.05 days") << "0.05" << false;
    QTest::newRow("exactly 0.1 days") << "0.1" << false;
    QTest::newRow("299.9 days") << "299.9" << true;
    QTest::newRow("exactly 300 days") << "300" << false;
}

void tst_MainWindowEditors::condensationTime() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    chooseCustom();
    auto *time = field("lineEditCondensationTime");
    EditorTest::type(time, text);
    QCOMPARE(stack().count(), accepted ? 1 : 0);
    QCOMPARE(input().conditions().tT(), accepted ? 299.9 : 90.0);
    if (!accepted)
        QCOMPARE(time->toolTip(), QString("The condensation time must be > 0d and < 300d."));
    else
        QCOMPARE(input().conditions().type(), int(AT_Custom));
}

void tst_MainWindowEditors::rejectedClimateValues_data() {
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("surface resistance 0") << "lineEditClimateRT"
                                          << "0"
                                          << "The surface resistance must be >= 0.";
    QTest::newRow("warm side colder than cold side")
        << "lineEditClimateT"
        << "-5.5"
        << "Temperature at warm side must be bigger than tempareature at cold side";
    QTest::newRow("humidity 100") << "lineEditClimateRH"
                                  << "100"
                                  << "The relative humidity must be > 0% and < 100%.";
}

void tst_MainWindowEditors::rejectedClimateValues() {
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(QString, message);
    chooseCustom();
    const InputData before = input();
    auto *edit = field(fieldName);
    EditorTest::type(edit, text);
    QCOMPARE(stack().count(), 0);
    QVERIFY(input() == before);
    QCOMPARE(edit->toolTip(), message);
}

void tst_MainWindowEditors::presetInForcePushesNothing() {
    // The warm side has preset 10 (20 °C, 50 %, 0.25 m2K/W); custom conditions also offer preset 6 with the
    // same values and preset 8 with other ones.
    chooseCustom();
    auto *presets = child<QComboBox>("comboBoxClimatePresets");
    QCOMPARE(presets->currentData().toInt(), 10);
    presets->setCurrentIndex(presets->findData(6));
    QCOMPARE(stack().count(), 0);
    const InputData before = input();
    presets->setCurrentIndex(presets->findData(8));
    QCOMPARE(stack().count(), 1);
    QCOMPARE(input().conditions().Rsi(), 1.0);
    stack().undo();
    QVERIFY(input() == before);
}

void tst_MainWindowEditors::assessmentTypeSwitchUndoable() {
    selectColumn(lastColumn());
    auto *types = child<QComboBox>("comboBoxAssessmentType");
    QCOMPARE(types->currentData().toInt(), int(AT_DIN4108_2014));
    const InputData before = input();
    types->setCurrentIndex(types->findData(AT_DIN4108_2001));
    QCOMPARE(stack().count(), 1);
    QCOMPARE(input().conditions().type(), int(AT_DIN4108_2001));
    QCOMPARE(input().conditions().tT(), 60.0);
    QCOMPARE(input().conditions().T_e(), -10.0);
    QCOMPARE(field("lineEditCondensationTime")->text(), QString("60"));
    QCOMPARE(child<QComboBox>("comboBoxClimatePresets")->count(), 3);
    QVERIFY(m_window->windowTitle().endsWith('*'));
    stack().undo();
    QVERIFY(input() == before);
    QCOMPARE(types->currentData().toInt(), int(AT_DIN4108_2014));
    QCOMPARE(field("lineEditCondensationTime")->text(), QString("90"));
}

void tst_MainWindowEditors::moistureContents() {
    selectColumn(1);
    QCOMPARE(child<QStackedWidget>("stackedWidgetClimateMaterial")->currentIndex(), 0);
    EditorTest::type(field("lineEditW80"), "0.2");
    EditorTest::type(field("lineEditWSat"), "0.25");
    QCOMPARE(stack().count(), 2);
    QCOMPARE(input().layers()[0].w_80(), 0.2);
    QCOMPARE(input().layers()[0].w_sat(), 0.25);
    auto *wsat = field("lineEditWSat");
    EditorTest::type(wsat, "0.23");
    QCOMPARE(stack().count(), 2);
    QCOMPARE(input().layers()[0].w_sat(), 0.25);
    QCOMPARE(wsat->toolTip(), QString("Moisture content at 80%RH leads to a moisture content at 95%RH greater or "
                                      "equal saturation moisture content"));
}

void tst_MainWindowEditors::widthInCentimetres() {
    Settings::instance().m_layerWidthUnit = 100;
    selectColumn(4);
    selectColumn(1);
    QCOMPARE(child<QLabel>("labelWidth")->text(), QString("Layer width/height [cm]:"));
    QCOMPARE(field("lineEditWidth")->text(), QString("1.25"));
    EditorTest::type(field("lineEditWidth"), "2");
    QCOMPARE(input().layers()[0].width(), 0.02);
}

void tst_MainWindowEditors::sdMaterialFixesWidth() {
    selectColumn(3);
    QVERIFY(!field("lineEditWidth")->isEnabled());
    QCOMPARE(field("lineEdit_sdValue")->text(), QString("2"));
    selectColumn(2);
    QVERIFY(field("lineEditWidth")->isEnabled());
    QVERIFY(!field("lineEditLambda")->isEnabled());
}

void tst_MainWindowEditors::acceptedEditsUndoExactly_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::newRow("warm temperature") << 0 << "lineEditClimateT"
                                      << "19";
    QTest::newRow("warm surface resistance") << 0 << "lineEditClimateRT"
                                             << "0.13";
    QTest::newRow("condensation time") << 0 << "lineEditCondensationTime"
                                       << "75";
    QTest::newRow("cold humidity") << -1 << "lineEditClimateRH"
                                   << "85";
    QTest::newRow("layer width") << 1 << "lineEditWidth"
                                 << "15";
    QTest::newRow("conductivity") << 1 << "lineEditLambda"
                                  << "0.3";
    QTest::newRow("diffusion factor") << 5 << "lineEditMu"
                                      << "2";
    QTest::newRow("water absorption") << 7 << "lineEditAw"
                                      << "0.04";
    QTest::newRow("air space width") << 2 << "lineEditWidth"
                                     << "30";
}

void tst_MainWindowEditors::acceptedEditsUndoExactly() {
    QFETCH(int, column);
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    if (column <= 0)
        chooseCustom();
    selectColumn(column < 0 ? lastColumn() : column);
    const InputData before = input();
    const QString textBefore = field(fieldName)->text();
    const CalculationResults resultsBefore = Project::instance().document()->calculation().results();
    QSignalSpy modified(&Project::instance(), &Project::modified);
    EditorTest::type(field(fieldName), text);
    QCOMPARE(stack().count(), 1);
    QCOMPARE(modified.count(), 1);
    QCOMPARE(modified.first().first().value<Project::ModificationType>(), Project::ModificationType::AllModified);
    QVERIFY(m_window->windowTitle().endsWith('*'));
    stack().undo();
    QVERIFY(input() == before);
    QVERIFY(Project::instance().document()->calculation().results() == resultsBefore);
    QVERIFY(!m_window->windowTitle().endsWith('*'));
    QCOMPARE(field(fieldName)->text(), textBefore);
    stack().redo();
    QCOMPARE(field(fieldName)->text(), text);
}

void tst_MainWindowEditors::fieldsNamedWithUnitAndRange() {
    chooseCustom();
    for (int column : {0, 1}) {
        selectColumn(column);
        QWidget *page = child<QStackedWidget>("stackedWidgetClimateMaterial")->currentWidget();
        const QList<QWidget *> inputs = page->findChildren<QWidget *>();
        int checked = 0;
        for (QWidget *input : inputs) {
            if (!qobject_cast<QLineEdit *>(input) && !qobject_cast<QComboBox *>(input))
                continue;
            if (input->parent() && qobject_cast<QComboBox *>(input->parent()))
                continue; // a combo box's own line edit
            QVERIFY2(!input->accessibleName().isEmpty(), qPrintable(input->objectName()));
            QVERIFY2(!input->toolTip().isEmpty(), qPrintable(input->objectName()));
            ++checked;
        }
        QVERIFY(checked >= 5);
    }
}

QTEST_MAIN(tst_MainWindowEditors)
#include "tst_MainWindowEditors.moc"
