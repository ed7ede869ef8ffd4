// The main window's layer commands, heat-flow direction, databases and project information.

#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QDir>
#include <QMessageBox>
#include <QUndoStack>

#include <app/Globals.h>
#include <app/Settings.h>
#include <model/ConstructionList.h>
#include <model/MaterialList.h>
#include <model/Project.h>

#include "ConfigDialog.h"
#include "ConstructionNameInputDialog.h"
#include "MaterialDatabaseDialog.h"
#include "PrintDialog.h"
#include "ProjectInformationEditDialog.h"
#include "V2_UndoLayerCommands.h"
#include "V2_UndoProjectCommands.h"

MaterialDatabaseDialog &MainWindow::materialDatabaseDialog() {
    if (!m_materialDatabaseDialog) {
        m_materialDatabaseDialog = new MaterialDatabaseDialog(Globals::instance().materialList(),
                                                              Globals::instance().constructionList(), this);
        connect(m_materialDatabaseDialog, &MaterialDatabaseDialog::helpRequested, this, [this] { showHelp(0); });
    }
    return *m_materialDatabaseDialog;
}

bool MainWindow::chooseMaterial(Material &material) {
    MaterialDatabaseDialog &dialog = materialDatabaseDialog();
    if (dialog.select() != MaterialDatabaseDialog::MaterialChosen)
        return false;
    material = dialog.material();
    return true;
}

void MainWindow::addLayer(bool left) {
    const int index = currentLayerIndex();
    if (index < 0)
        return;
    MaterialDatabaseDialog &dialog = materialDatabaseDialog();
    const MaterialDatabaseDialog::Selection selection = dialog.select();
    QTableWidget *table = m_ui->tableWidgetConstruction;
    if (selection == MaterialDatabaseDialog::ConstructionChosen) {
        if (left)
            m_undoStack->push(new V2_UndoAddConstructionLeft(m_project, table, index, dialog.construction()));
        else
            m_undoStack->push(new V2_UndoAddConstructionRight(m_project, table, index, dialog.construction()));
    }
    else if (selection == MaterialDatabaseDialog::MaterialChosen) {
        const MaterialLayer layer(dialog.material(), 0.1);
        if (left)
            m_undoStack->push(new V2_UndoAddLayerLeft(m_project, table, index, layer));
        else
            m_undoStack->push(new V2_UndoAddLayerRight(m_project, table, index, layer));
    }
    updateHeatFlowToolbar();
}

void MainWindow::on_actionAddLeft_triggered() {
    addLayer(true);
}

void MainWindow::on_actionAddRight_triggered() {
    addLayer(false);
}

void MainWindow::on_actionRemoveLayer_triggered() {
    const int index = currentLayerIndex();
    if (index < 0)
        return;
    m_undoStack->push(new V2_UndoRemoveLayer(m_project, m_ui->tableWidgetConstruction, index));
    updateHeatFlowToolbar();
}

void MainWindow::on_actionMoveLeft_triggered() {
    const int index = currentLayerIndex();
    if (index < 1)
        return;
    m_undoStack->push(new V2_UndoMoveLayerLeft(m_project, m_ui->tableWidgetConstruction, index));
}

void MainWindow::on_actionMoveRight_triggered() {
    const int index = currentLayerIndex();
    if (index < 0 || !m_project.hasDocument() || index + 1 >= m_project.document()->inputData().layers().size())
        return;
    m_undoStack->push(new V2_UndoMoveLayerRight(m_project, m_ui->tableWidgetConstruction, index));
}

void MainWindow::on_actionSelectMaterial_triggered() {
    const int index = currentLayerIndex();
    Material material;
    if (index < 0 || !chooseMaterial(material))
        return;
    m_undoStack->push(new V2_UndoChangeMaterial(m_project, m_ui->tableWidgetConstruction, index, material));
    updateHeatFlowToolbar();
}

void MainWindow::tableViewDoubleClicked(QModelIndex index) {
    if (index.column() == 0 || index.column() == m_ui->tableWidgetConstruction->columnCount() - 1)
        return;
    on_actionSelectMaterial_triggered();
}

void MainWindow::onHeatFlowDirectionTriggerd(QAction *action) {
    const HeatFlowDirection direction = ProjectInformation::heatFlowDirection(action->data().toInt());
    m_undoStack->push(new V2_UndoHeatFlowDirection(m_project, m_heatFlowGroup, direction));
}

void MainWindow::on_actionEditMaterialDatabase_triggered() {
    materialDatabaseDialog().edit();
}

void MainWindow::on_actionAddToConstructionDatabase_triggered() {
    if (!isActive())
        return;
    ConstructionNameInputDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Construction construction(dialog.name(), m_project.document()->inputData().layers());
    construction.setNotes(dialog.notes());
    ConstructionList &constructions = Globals::instance().constructionList();
    if (!constructions.addConstruction(construction) || !constructions.write())
        QMessageBox::critical(this, tr("Construction database"),
                              tr("The construction could not be added to the construction database."));
    showDatabaseNotices();
}

void MainWindow::on_actionAddMaterialToUserDatabase_triggered() {
    const int index = currentLayerIndex();
    if (index < 0 || !m_project.hasDocument() || index >= m_project.document()->inputData().layers().size())
        return;
    const Material material = m_project.document()->inputData().layers()[index].material();
    if (!material.isValid())
        return;
    // Written at once, so that a crash later in the session cannot lose the material.
    MaterialList &materials = Globals::instance().materialList();
    materials.addUserMaterial(material);
    if (!materials.writeUserDatabase())
        QMessageBox::critical(this, tr("Material database"),
                              tr("The user material database '%1' could not be written.")
                                  .arg(QDir::toNativeSeparators(materials.userDatabasePath())));
    showDatabaseNotices();
}

void MainWindow::showDatabaseNotices() {
    for (const QString &notice : Globals::instance().takeDamageNotices())
        QMessageBox::warning(this, tr("Damaged database"), notice);
}

void MainWindow::on_actionEditProjectInformation_triggered() {
    if (!m_project.hasDocument())
        return;
    ProjectInformationEditDialog dialog(m_project, *m_undoStack, this);
    if (dialog.exec() == QDialog::Accepted)
        m_project.setModified(Project::ModificationType::ProjectInfoModified);
}

void MainWindow::on_actionPreferences_triggered() {
    Settings &settings = Settings::instance();
    const QString userDirectory = settings.userMaterialsDir();
    ConfigDialog dialog(settings, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    settings.write();
    // The databases are written where they came from and read anew from the new directory.
    if (settings.userMaterialsDir() != userDirectory)
        Globals::instance().releaseDatabases();
    m_ui->tableWidgetConstruction->setWidthUnit(settings.m_layerWidthUnit);
    if (m_printPreview)
        m_printPreview->settingsChanged();
    // A refresh only: the preferences change how the project is shown, not the project.
    updateUi(Project::ModificationType::LayerAppearanceModified);
}
