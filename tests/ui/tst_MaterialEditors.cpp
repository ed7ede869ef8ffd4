// The layer editor on a local undo stack and the material dialog: units, fields of sd-value materials and
// air spaces, rejected values with their messages, undo to exactly the previous input data, the own
// construction mode without undo, and the dialog's OK button.

#include "EditorTestSupport.h"

#include <ui/MaterialEditDialog.h>
#include <ui/MaterialEditWidget.h>

#include <QtExt_ValidatingLineEdit.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

class tst_MaterialEditors : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void widthUnits_data();
    void widthUnits();
    void sdMaterialFixesWidth();
    void airLayerNotEditable();
    void acceptedEditsUndoExactly_data();
    void acceptedEditsUndoExactly();
    void rejectedValues_data();
    void rejectedValues();
    void unchangedTextPushesNothing();
    void nameChange();
    void dialogOkOnlyForValidMaterial_data();
    void dialogOkOnlyForValidMaterial();
    void dialogFoilHasSdValue();

private:
    template <class T> T *field(const QString &name) { return m_editor->findChild<T *>(name); }

    Project *m_project = nullptr;
    QUndoStack *m_stack = nullptr;
    MaterialEditWidget *m_editor = nullptr;
};

void tst_MaterialEditors::initTestCase() {
    QLocale locale(QLocale::C);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

void tst_MaterialEditors::init() {
    m_project = new Project;
    EditorTest::createProject(*m_project);
    m_stack = new QUndoStack;
    m_editor = new MaterialEditWidget(*m_project, *m_stack);
    m_editor->show();
}

void tst_MaterialEditors::cleanup() {
    delete m_editor;
    delete m_stack;
    delete m_project;
}

void tst_MaterialEditors::widthUnits_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("width");
    QTest::newRow("m") << 1 << "Layer width/height [m]:"
                       << "0.1";
    QTest::newRow("dm") << 10 << "Layer width/height [dm]:"
                        << "1";
    QTest::newRow("cm") << 100 << "Layer width/height [cm]:"
                        << "10";
    QTest::newRow("mm") << 1000 << "Layer width/height [mm]:"
                        << "100";
    QTest::newRow("unknown unit is mm") << 7 << "Layer width/height [mm]:"
                                        << "700";
}

void tst_MaterialEditors::widthUnits() {
    QFETCH(int, unit);
    QFETCH(QString, label);
    QFETCH(QString, width);
    m_editor->setDisplayUnits(unit, true);
    m_editor->setLayer(0);
    QCOMPARE(field<QLabel>("labelWidth")->text(), label);
    auto *widthField = field<QtExt::ValidatingLineEdit>("lineEditWidth");
    if (unit == 7)
        return; // the model's width(7) is metres; only the label falls back to mm
    QCOMPARE(widthField->text(), width);
}

void tst_MaterialEditors::sdMaterialFixesWidth() {
    m_editor->setLayer(1);
    QVERIFY(!field<QtExt::ValidatingLineEdit>("lineEditWidth")->isEnabled());
    QCOMPARE(field<QtExt::ValidatingLineEdit>("lineEdit_sdValue")->text(), QString("20"));
    m_editor->setLayer(0);
    QVERIFY(field<QtExt::ValidatingLineEdit>("lineEditWidth")->isEnabled());
    // Without a product value the sd-value follows from width and factor: 0.1 m * 10.
    QCOMPARE(field<QtExt::ValidatingLineEdit>("lineEdit_sdValue")->text(), QString("1"));
}

void tst_MaterialEditors::airLayerNotEditable() {
    m_editor->setLayer(2);
    for (const char *name : {"lineEditLambda", "lineEditMu", "lineEditW80", "lineEditWSat", "lineEditAw"})
        QVERIFY2(!field<QtExt::ValidatingLineEdit>(name)->isEnabled(), name);
    QVERIFY(field<QtExt::ValidatingLineEdit>("lineEditWidth")->isEnabled());
    // Shown are the values of the air space at its width: 0.02 m horizontal, R = 0.175 m2K/W.
    QCOMPARE(field<QtExt::ValidatingLineEdit>("lineEditLambda")->text(), QString("0.114286"));
    QCOMPARE(field<QtExt::ValidatingLineEdit>("lineEditMu")->text(), QString("0.5"));
}

void tst_MaterialEditors::acceptedEditsUndoExactly_data() {
    QTest::addColumn<int>("layer");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("awInSeconds");
    QTest::addColumn<QString>("undoText");
    QTest::newRow("width in cm") << 0 << "lineEditWidth"
                                 << "12.5" << true << ": Undo layer width change at layer No. 1";
    QTest::newRow("conductivity") << 0 << "lineEditLambda"
                                  << "0.5" << true << ": Undo lambda change at layer No. 1";
    QTest::newRow("diffusion factor") << 0 << "lineEditMu"
                                      << "12" << true
                                      << QString(": Undo %1-value change at layer No. 1").arg(QChar(0x3BC));
    QTest::newRow("w80") << 0 << "lineEditW80"
                         << "0.03" << true << ": Undo w_80 change at layer No. 1";
    QTest::newRow("wsat") << 0 << "lineEditWSat"
                          << "0.4" << true << ": Undo w_sat change at layer No. 1";
    QTest::newRow("Aw per s^0.5") << 0 << "lineEditAw"
                                  << "0.01" << true << ": Undo Aw change at layer No. 1";
    QTest::newRow("Aw of 0 accepted") << 0 << "lineEditAw"
                                      << "0" << true << ": Undo Aw change at layer No. 1";
    QTest::newRow("Aw per h^0.5") << 0 << "lineEditAw"
                                  << "0.6" << false << ": Undo Aw change at layer No. 1";
    QTest::newRow("foil factor moves its width")
        << 1 << "lineEditMu"
        << "40000" << true << QString(": Undo %1-value change at layer No. 2").arg(QChar(0x3BC));
    QTest::newRow("air space width") << 2 << "lineEditWidth"
                                     << "3" << true << ": Undo layer width change at layer No. 3";
}

void tst_MaterialEditors::acceptedEditsUndoExactly() {
    QFETCH(int, layer);
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(bool, awInSeconds);
    QFETCH(QString, undoText);
    m_editor->setDisplayUnits(100, awInSeconds);
    m_editor->setLayer(layer);
    const InputData before = m_project->document()->inputData();
    const CalculationResults resultsBefore = m_project->document()->calculation().results();
    QSignalSpy modified(m_project, &Project::modified);
    auto *edit = field<QtExt::ValidatingLineEdit>(fieldName);
    EditorTest::type(edit, text);
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_stack->undoText(), undoText);
    QCOMPARE(modified.count(), 1);
    QCOMPARE(modified.first().first().value<Project::ModificationType>(), Project::ModificationType::AllModified);
    QVERIFY(m_project->document()->inputData() != before);
    if (fieldName == "lineEditAw") {
        const double perSecond = awInSeconds ? text.toDouble() : text.toDouble() / 60;
        QCOMPARE(m_project->document()->inputData().layers()[layer].Aw(), perSecond);
    }
    if (fieldName == "lineEditLambda" || fieldName == "lineEditWidth")
        QVERIFY(!(m_project->document()->calculation().results() == resultsBefore));
    m_stack->undo();
    QVERIFY(m_project->document()->inputData() == before);
    QVERIFY(m_project->document()->calculation().results() == resultsBefore);
}

void tst_MaterialEditors::rejectedValues_data() {
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("width 0") << "lineEditWidth"
                             << "0"
                             << "The layer width must be > 0.";
    QTest::newRow("conductivity 0") << "lineEditLambda"
                                    << "0"
                                    << "The thermal conductivity must be > 0.";
    QTest::newRow("diffusion factor 0") << "lineEditMu"
                                        << "0"
                                        << "The vapour resistance factor must be > 0.";
    QTest::newRow("negative Aw") << "lineEditAw"
                                 << "-1"
                                 << "The water uptake coefficient must be > 0.";
    QTest::newRow("w80 against wsat")
        << "lineEditW80"
        << "0.29"
        << "Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation moisture "
           "content";
    QTest::newRow("wsat of 1") << "lineEditWSat"
                               << "1"
                               << "Moisture content at saturation greater or equal to 1.0";
    QTest::newRow("not a number") << "lineEditLambda"
                                  << "abc"
                                  << "The thermal conductivity must be > 0.";
}

void tst_MaterialEditors::rejectedValues() {
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(QString, message);
    m_editor->setLayer(0);
    const InputData before = m_project->document()->inputData();
    auto *edit = field<QtExt::ValidatingLineEdit>(fieldName);
    EditorTest::type(edit, text);
    QCOMPARE(m_stack->count(), 0);
    QVERIFY(m_project->document()->inputData() == before);
    QVERIFY(!edit->isValid());
    QCOMPARE(edit->toolTip(), message);
}

void tst_MaterialEditors::unchangedTextPushesNothing() {
    m_editor->setLayer(0);
    for (const char *name : {"lineEditWidth", "lineEditLambda", "lineEditMu", "lineEditW80", "lineEditWSat",
                             "lineEditAw", "lineEditMaterialName"}) {
        auto *edit = m_editor->findChild<QLineEdit *>(name);
        EditorTest::type(edit, edit->text());
    }
    QCOMPARE(m_stack->count(), 0);
}

void tst_MaterialEditors::nameChange() {
    m_editor->setLayer(0);
    QSignalSpy modified(m_project, &Project::modified);
    const InputData before = m_project->document()->inputData();
    EditorTest::type(field<QLineEdit>("lineEditMaterialName"), "Clinker");
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_stack->undoText(), QString(": Undo change of material name at layer No. 1"));
    QCOMPARE(m_project->document()->inputData().layers()[0].name(), QString("Clinker"));
    QCOMPARE(modified.count(), 1);
    QCOMPARE(modified.first().first().value<Project::ModificationType>(),
             Project::ModificationType::LayerAppearanceModified);
    m_stack->undo();
    QVERIFY(m_project->document()->inputData() == before);
    QCOMPARE(field<QLineEdit>("lineEditMaterialName")->text(), QString("Brick"));
}

void tst_MaterialEditors::dialogOkOnlyForValidMaterial_data() {
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::newRow("as given") << "lineEdit_rho"
                              << "1800" << true;
    QTest::newRow("density 0") << "lineEdit_rho"
                               << "0" << false;
    QTest::newRow("conductivity 0") << "lineEdit_lambda"
                                    << "0" << false;
    QTest::newRow("factor 0") << "lineEdit_mew"
                              << "0" << false;
    QTest::newRow("wsat 0.23 against w80 0.2") << "lineEdit_wsat"
                                               << "0.23" << false;
    QTest::newRow("wsat 0.25 against w80 0.2") << "lineEdit_wsat"
                                               << "0.25" << true;
    QTest::newRow("Aw 0") << "lineEdit_aw"
                          << "0" << true;
    QTest::newRow("empty name") << "lineEdit_name"
                                << "" << false;
}

void tst_MaterialEditors::dialogOkOnlyForValidMaterial() {
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    Material material = EditorTest::plainMaterial();
    material.setW_80(0.2);
    material.setW_sat(0.3);
    MaterialEditDialog dialog(material);
    dialog.findChild<QLineEdit *>(fieldName)->setText(text);
    QCOMPARE(dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->isEnabled(), ok);
    if (ok && fieldName == "lineEdit_wsat")
        QCOMPARE(dialog.material().w_sat(), 0.25);
}

void tst_MaterialEditors::dialogFoilHasSdValue() {
    MaterialEditDialog dialog(EditorTest::plainMaterial());
    dialog.show();
    auto *sd = dialog.findChild<QtExt::ValidatingLineEdit *>("lineEdit_sd");
    QVERIFY(!sd->isVisible());
    dialog.findChild<QComboBox *>("comboBoxType")->setCurrentIndex(MaterialEditDialog::FoilType);
    QVERIFY(sd->isVisible());
    auto *ok = dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    sd->setText("15");
    QVERIFY(ok->isEnabled());
    const Material foil = dialog.material();
    QVERIFY(foil.isFoil());
    QCOMPARE(foil.sd_value(), 15.0);
    QCOMPARE(foil.materialId(), 7);
}

QTEST_MAIN(tst_MaterialEditors)
#include "tst_MaterialEditors.moc"
