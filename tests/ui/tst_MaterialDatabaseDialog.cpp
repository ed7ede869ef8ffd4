#include <QtTest>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <QtExt_MaterialDatabaseSelectionWidget.h>

#include <model/ConstructionList.h>
#include <model/MaterialList.h>
#include <ui/ConstructionDatabaseWidget.h>
#include <ui/MaterialConstructionTabWidget.h>
#include <ui/MaterialDatabaseDialog.h>
#include <ui/MaterialDatabaseWidget_2.h>

#include "ModalAnswerer.h"

#include <memory>

namespace {

Material brick() {
    return Material("Brick", Material::BuildingBrick, "", "", "", "", 1800, 0.81, 10, 0.02, 0.3, 0.005, 0);
}

} // namespace

// The material database dialog on a user database of its own: what selection mode answers, and the user
// material commands through to the database file.
class tst_MaterialDatabaseDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void selection_data();
    void selection();
    void importOfOtherExtensionRefused();
    void copiedMaterialReachesDatabaseFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    int m_brickId = -1;
    int m_noConductionId = -1;
};

void tst_MaterialDatabaseDialog::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_materials = std::make_unique<MaterialList>("en", m_dir->path());
    m_brickId = m_materials->addUserMaterial(brick());
    Material noConduction = brick();
    noConduction.setName("No conduction");
    noConduction.setLambda(0);
    m_noConductionId = m_materials->addUserMaterial(noConduction);
    m_constructions = std::make_unique<ConstructionList>("en", m_dir->path());
    m_constructions->addConstruction(Construction("Without layers"));
    m_constructions->addConstruction(
        Construction("Brick wall", {MaterialLayer(brick(), 0.24), MaterialLayer(brick(), 0.115)}));
}

void tst_MaterialDatabaseDialog::cleanup() {
    m_constructions.reset();
    m_materials.reset();
    m_dir.reset();
}

void tst_MaterialDatabaseDialog::selection_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("expected");
    const int materials = MaterialConstructionTabWidget::MaterialsTab;
    const int constructions = MaterialConstructionTabWidget::ConstructionsTab;
    QTest::newRow("calculable material") << materials << "Brick" << true << int(MaterialDatabaseDialog::MaterialChosen);
    QTest::newRow("conductivity 0 dropped")
        << materials << "No conduction" << true << int(MaterialDatabaseDialog::NothingChosen);
    QTest::newRow("cancelled") << materials << "Brick" << false << int(MaterialDatabaseDialog::NothingChosen);
    QTest::newRow("no material selected") << materials << "" << true << int(MaterialDatabaseDialog::NothingChosen);
    QTest::newRow("construction") << constructions << "Brick wall" << true
                                  << int(MaterialDatabaseDialog::ConstructionChosen);
    QTest::newRow("construction without layers")
        << constructions << "Without layers" << true << int(MaterialDatabaseDialog::NothingChosen);
    QTest::newRow("no construction selected")
        << constructions << "" << true << int(MaterialDatabaseDialog::NothingChosen);
}

void tst_MaterialDatabaseDialog::selection() {
    QFETCH(int, tab);
    QFETCH(QString, chosen);
    QFETCH(bool, accept);
    QFETCH(int, expected);
    MaterialDatabaseDialog dialog(*m_materials, *m_constructions);
    dialog.tabWidget()->setCurrentIndex(tab);
    if (tab == MaterialConstructionTabWidget::MaterialsTab) {
        const int id = chosen == "Brick" ? m_brickId : chosen.isEmpty() ? -1 : m_noConductionId;
        dialog.tabWidget()->materialsWidget()->selectMaterial(id);
    }
    else {
        dialog.tabWidget()->constructionsWidget()->selectRow(chosen == "Brick wall" ? 1 : chosen.isEmpty() ? -1 : 0);
    }
    ModalAnswerer answerer;
    answerer.add([accept](QDialog *d) {
        auto *buttons = d->findChild<QDialogButtonBox *>("buttonBox");
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    QCOMPARE(int(dialog.select()), expected);
    if (expected == MaterialDatabaseDialog::MaterialChosen)
        QCOMPARE(dialog.material().name(), chosen);
    if (expected == MaterialDatabaseDialog::ConstructionChosen)
        QCOMPARE(dialog.construction().name(), chosen);
}

void tst_MaterialDatabaseDialog::importOfOtherExtensionRefused() {
    const QString fileName = m_dir->filePath("materials.dat");
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a material list\n");
    file.close();
    MaterialDatabaseWidget_2 widget(*m_materials);
    QString text;
    ModalAnswerer answerer;
    answerer.add([&text](QDialog *box) {
        text = qobject_cast<QMessageBox *>(box)->text();
        box->accept();
    });
    widget.importFile(fileName);
    QCOMPARE(text, QString("No valid material file '%1'\n Extension sould be 'txt' or 'cmat'").arg(fileName));
    QCOMPARE(m_materials->userMaterialCount(), 2);
    QCOMPARE(widget.selectionWidget()->model()->rowCount(), 2);
}

void tst_MaterialDatabaseDialog::copiedMaterialReachesDatabaseFile() {
    MaterialDatabaseWidget_2 widget(*m_materials);
    widget.selectMaterial(m_brickId);
    ModalAnswerer answerer;
    answerer.add([](QDialog *edit) {
        edit->findChild<QLineEdit *>("lineEdit_name")->setText("Brick, copied");
        edit->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    widget.findChild<QPushButton *>("pushButtonCopy")->click();
    QCOMPARE(answerer.pending(), 0);
    QVERIFY(widget.selectedMaterial());
    QCOMPARE(widget.selectedMaterial()->name(), QString("Brick, copied"));

    MaterialList reread("en", m_dir->path());
    QVERIFY(reread.readUserDatabase());
    QCOMPARE(reread.userMaterialCount(), 3);
    const Material *copy = reread.materialById(widget.selectedMaterial()->materialId());
    QVERIFY(copy);
    QCOMPARE(copy->name(), QString("Brick, copied"));
    QCOMPARE(copy->lambda(), brick().lambda());
    QVERIFY(copy->materialId() != m_brickId);
}

QTEST_MAIN(tst_MaterialDatabaseDialog)
#include "tst_MaterialDatabaseDialog.moc"
