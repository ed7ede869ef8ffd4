// The new project wizard: when it may finish, what a double-clicked material, a construction and a
// template put into the new document, and that cancelling leaves the document alone.

#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <model/ConstructionList.h>
#include <model/Document.h>
#include <model/MaterialList.h>
#include <model/Project.h>
#include <ui/ConstructionDatabaseWidget.h>
#include <ui/MaterialConstructionTabWidget.h>
#include <ui/MaterialDatabaseWidget_2.h>
#include <ui/NewProjectWizard.h>

#include <memory>

namespace {

Material brick() {
    return Material("Brick", Material::BuildingBrick, "", "", "", "", 1800, 0.81, 10, 0.02, 0.3, 0.005, 0);
}

} // namespace

class tst_NewProjectWizard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void finishFollowsTheChoice_data();
    void finishFollowsTheChoice();
    void doubleClickedMaterialFinishes();
    void templateFillsTheProject();
    void templatesOfTheLanguage_data();
    void templatesOfTheLanguage();
    void cancelLeavesTheDocument();

private:
    /*! A wizard on its second page, with the project name "Villa" typed on the first. */
    std::unique_ptr<NewProjectWizard> wizard(const QStringList &templates = {});
    MaterialConstructionTabWidget *tabs() const { return m_wizard->findChild<MaterialConstructionTabWidget *>(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    std::unique_ptr<NewProjectWizard> m_wizard;
    Document m_document;
    int m_brickId = -1;
};

void tst_NewProjectWizard::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_materials = std::make_unique<MaterialList>("en", m_dir->path());
    m_brickId = m_materials->addUserMaterial(brick());
    m_constructions = std::make_unique<ConstructionList>("en", m_dir->path());
    m_constructions->addConstruction(Construction("Without layers"));
    m_constructions->addConstruction(
        Construction("Brick wall", {MaterialLayer(brick(), 0.24), MaterialLayer(brick(), 0.115)}));
    m_document = Document();
    m_document.projectInformation().m_company = "Default company";
}

void tst_NewProjectWizard::cleanup() {
    m_wizard.reset();
    m_constructions.reset();
    m_materials.reset();
    m_dir.reset();
}

std::unique_ptr<NewProjectWizard> tst_NewProjectWizard::wizard(const QStringList &templates) {
    auto wizard = std::make_unique<NewProjectWizard>(m_document, *m_materials, *m_constructions, templates);
    wizard->show();
    wizard->findChild<QLineEdit *>("lineEditProjectName")->setText("Villa");
    wizard->next();
    return wizard;
}

void tst_NewProjectWizard::finishFollowsTheChoice_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("finishable");
    QTest::addColumn<int>("layers");
    QTest::newRow("nothing chosen") << int(MaterialConstructionTabWidget::MaterialsTab) << -1 << false << 0;
    QTest::newRow("construction without layers")
        << int(MaterialConstructionTabWidget::ConstructionsTab) << 0 << false << 0;
    QTest::newRow("construction with two layers")
        << int(MaterialConstructionTabWidget::ConstructionsTab) << 1 << true << 2;
}

void tst_NewProjectWizard::finishFollowsTheChoice() {
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(bool, finishable);
    QFETCH(int, layers);
    m_wizard = wizard();
    tabs()->setCurrentIndex(tab);
    if (tab == MaterialConstructionTabWidget::ConstructionsTab)
        tabs()->constructionsWidget()->selectRow(row);
    QAbstractButton *finish = m_wizard->button(QWizard::FinishButton);
    QCOMPARE(finish->isEnabled(), finishable);
    if (!finishable)
        return;
    finish->click();
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QCOMPARE(m_document.inputData().layers().size(), layers);
    QCOMPARE(m_document.projectInformation().m_projectName, QStringLiteral("Villa"));
    QCOMPARE(m_document.projectInformation().m_company, QStringLiteral("Default company"));
}

void tst_NewProjectWizard::doubleClickedMaterialFinishes() {
    m_wizard = wizard();
    tabs()->materialsWidget()->selectMaterial(m_brickId);
    emit tabs()->doubleClicked();
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QCOMPARE(m_document.inputData().layers().size(), 1);
    QCOMPARE(m_document.inputData().layers()[0].material().name(), QStringLiteral("Brick"));
    QCOMPARE(m_document.inputData().layers()[0].width(), 0.1);
}

void tst_NewProjectWizard::templateFillsTheProject() {
    const QString templateFile = QStringLiteral(HYGROLUX_EXAMPLES_DIR "/flat-roof.v2p");
    Project original;
    QString error;
    QVERIFY2(original.read(templateFile, error), qPrintable(error));
    m_wizard = wizard({templateFile});
    auto *templates = m_wizard->findChild<QComboBox *>("comboBoxTemplate");
    templates->setCurrentIndex(1);
    QVERIFY(!tabs()->isEnabled());
    m_wizard->button(QWizard::FinishButton)->click();
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QVERIFY(m_document.inputData() == original.document()->inputData());
    QCOMPARE(m_document.projectInformation().m_projectName, QStringLiteral("Villa"));
}

void tst_NewProjectWizard::templatesOfTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("first");
    QTest::newRow("German") << "de"
                            << "flachdach-auf-eps.v2p";
    QTest::newRow("English") << "en"
                             << "flat-roof-on-eps.v2p";
    QTest::newRow("a language without templates") << "fr"
                                                  << "flat-roof-on-eps.v2p";
}

// The examples folder is laid out as the shipped templates: English ones with a folder per other language.
void tst_NewProjectWizard::templatesOfTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, first);
    const QStringList files =
        NewProjectWizard::templateFiles({NewProjectWizard::shippedTemplates(HYGROLUX_EXAMPLES_DIR, language)});
    QCOMPARE(files.size(), 5);
    QCOMPARE(QFileInfo(files.first()).fileName(), first);
}

void tst_NewProjectWizard::cancelLeavesTheDocument() {
    m_wizard = wizard();
    tabs()->setCurrentIndex(MaterialConstructionTabWidget::ConstructionsTab);
    tabs()->constructionsWidget()->selectRow(1);
    m_wizard->button(QWizard::CancelButton)->click();
    QCOMPARE(m_wizard->result(), int(QDialog::Rejected));
    QVERIFY(m_document.inputData().layers().isEmpty());
    QVERIFY(m_document.projectInformation().m_projectName.isEmpty());
}

QTEST_MAIN(tst_NewProjectWizard)
#include "tst_NewProjectWizard.moc"
