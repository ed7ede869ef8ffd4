#include "MaterialDatabaseWidget_2.h"
#include "ui_MaterialDatabaseWidget_2.h"

#include <QtExt_MaterialDatabaseSelectionWidget.h>

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <app/Settings.h>
#include <model/MaterialImport.h>
#include <model/MaterialList.h>
#include <model/MaterialTransfer.h>

#include "MaterialEditDialog.h"

MaterialDatabaseWidget_2::MaterialDatabaseWidget_2(MaterialList &materials, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::MaterialDatabaseWidget_2), m_materials(materials) {
    m_ui->setupUi(this);
    m_ui->widgetMaterials->setSettingsLocation(Settings::Organization, Settings::Application,
                                               QStringLiteral("MaterialDatabaseWidget"));
    m_ui->widgetMaterials->setCategoryNames(Material::categoryNames());
    m_ui->widgetMaterials->setEditable(true);
    connect(m_ui->pushButtonAdd, &QPushButton::clicked, m_ui->actionAddMaterial, &QAction::trigger);
    connect(m_ui->pushButtonCopy, &QPushButton::clicked, m_ui->actionCopyMaterial, &QAction::trigger);
    connect(m_ui->pushButtonEdit, &QPushButton::clicked, m_ui->actionEditMaterial, &QAction::trigger);
    connect(m_ui->pushButtonRemove, &QPushButton::clicked, m_ui->actionRemoveMaterial, &QAction::trigger);
    auto *list = m_ui->widgetMaterials;
    connect(list, &QtExt::MaterialDatabaseSelectionWidget::addMaterial, m_ui->actionAddMaterial, &QAction::trigger);
    connect(list, &QtExt::MaterialDatabaseSelectionWidget::changeMaterial, m_ui->actionEditMaterial, &QAction::trigger);
    connect(list, &QtExt::MaterialDatabaseSelectionWidget::removeMaterial, m_ui->actionRemoveMaterial,
            &QAction::trigger);
    connect(list, &QtExt::MaterialDatabaseSelectionWidget::materialSelected, this,
            &MaterialDatabaseWidget_2::onMaterialSelected);
    connect(list, &QtExt::MaterialDatabaseSelectionWidget::doubleClickMaterials, this,
            &MaterialDatabaseWidget_2::doubleClicked);
    updateMaterials();
    onMaterialSelected(-1);
}

MaterialDatabaseWidget_2::~MaterialDatabaseWidget_2() {
    delete m_ui;
}

QtExt::MaterialDatabaseSelectionWidget *MaterialDatabaseWidget_2::selectionWidget() const {
    return m_ui->widgetMaterials;
}

const Material *MaterialDatabaseWidget_2::selectedMaterial() const {
    const auto *transfer = dynamic_cast<const MaterialTransfer *>(m_ui->widgetMaterials->selectedMaterial());
    return transfer ? &transfer->material() : nullptr;
}

void MaterialDatabaseWidget_2::updateMaterials() {
    QtExt::MaterialTableModel::MaterialVector rows;
    rows.reserve(size_t(m_materials.count()));
    for (int i = 0; i < m_materials.count(); ++i)
        rows.push_back(
            std::make_unique<MaterialTransfer>(*m_materials.materialAt(i), i, i >= m_materials.systemMaterialCount()));
    m_ui->widgetMaterials->setMaterials(std::move(rows));
    const Material *selected = selectedMaterial();
    onMaterialSelected(selected ? selected->materialId() : -1);
}

void MaterialDatabaseWidget_2::selectMaterial(int materialId) {
    m_ui->widgetMaterials->selectMaterial(materialId);
}

void MaterialDatabaseWidget_2::onMaterialSelected(int materialId) {
    const auto *transfer = m_ui->widgetMaterials->selectedMaterial();
    const bool userMaterial = transfer && transfer->isUserDefined();
    m_ui->actionCopyMaterial->setEnabled(transfer != nullptr);
    m_ui->actionEditMaterial->setEnabled(userMaterial);
    m_ui->actionRemoveMaterial->setEnabled(userMaterial);
    m_ui->pushButtonCopy->setEnabled(transfer != nullptr);
    m_ui->pushButtonEdit->setEnabled(userMaterial);
    m_ui->pushButtonRemove->setEnabled(userMaterial);
    emit materialSelected(materialId);
}

void MaterialDatabaseWidget_2::on_actionAddMaterial_triggered() {
    addEdited(Material());
}

void MaterialDatabaseWidget_2::on_actionCopyMaterial_triggered() {
    if (const Material *material = selectedMaterial())
        addEdited(*material);
}

void MaterialDatabaseWidget_2::addEdited(const Material &material) {
    MaterialEditDialog dialog(material, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int id = m_materials.addUserMaterial(dialog.material());
    saveUserDatabase();
    updateMaterials();
    selectMaterial(id);
}

void MaterialDatabaseWidget_2::on_actionEditMaterial_triggered() {
    const auto *transfer = m_ui->widgetMaterials->selectedMaterial();
    if (!transfer || !transfer->isUserDefined())
        return;
    MaterialEditDialog dialog(*selectedMaterial(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_materials.updateUserMaterial(dialog.material());
    saveUserDatabase();
    updateMaterials();
}

void MaterialDatabaseWidget_2::on_actionRemoveMaterial_triggered() {
    const auto *transfer = m_ui->widgetMaterials->selectedMaterial();
    if (!transfer || !transfer->isUserDefined())
        return;
    m_materials.removeUserMaterial(transfer->materialId());
    saveUserDatabase();
    updateMaterials();
}

void MaterialDatabaseWidget_2::on_toolButtonImport_clicked() {
    const QString start = Settings::instance().m_userMaterialsDirectory.isEmpty()
                              ? QDir::homePath()
                              : Settings::instance().m_userMaterialsDirectory;
    const QString fileName =
        QFileDialog::getOpenFileName(this, tr("Select file with user material database."), start,
                                     tr("Database for Vapro 1.9 (*.txt)") + tr(";;Database for Vapro 2.0 (*.cmat)"));
    if (!fileName.isEmpty())
        importFile(fileName);
}

void MaterialDatabaseWidget_2::importFile(const QString &fileName) {
    const MaterialImport::Result result = MaterialImport::importFile(m_materials, fileName);
    if (result.added > 0) {
        saveUserDatabase();
        updateMaterials();
    }
    if (result.warning)
        QMessageBox::warning(this, result.title, result.text);
    else
        QMessageBox::information(this, result.title, result.text);
}

void MaterialDatabaseWidget_2::saveUserDatabase() {
    if (!m_materials.writeUserDatabase())
        QMessageBox::critical(this, tr("Material database"),
                              tr("The user material database '%1' could not be written.")
                                  .arg(QDir::toNativeSeparators(m_materials.userDatabasePath())));
    const QString notice = m_materials.takeDamageNotice();
    if (!notice.isEmpty())
        QMessageBox::warning(this, tr("Material database"), notice);
}
