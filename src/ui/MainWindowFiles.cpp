// The main window's file commands: new, open, save, save as, recent projects and the close-project query.

#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <app/Globals.h>
#include <app/Settings.h>
#include <model/MaterialList.h>
#include <model/ProgramInfo.h>
#include <model/Project.h>

#include "ModifiedState.h"
#include "NewProjectWizard.h"

namespace {

const char *const ProjectExtension = "v2p";

QString startDirectory() {
    const QString &last = Settings::instance().m_lastProjectFile;
    return last.isEmpty() ? QDir::toNativeSeparators(QDir::homePath()) : last;
}

/*! A project without assessment choices of its own takes the defaults of the preferences and keeps them: the
    next save writes them, so that it is judged alike on every computer. */
void takeDefaultAssessment(InputData &input) {
    if (!input.assessment())
        input.setAssessment(static_cast<const AssessmentChoices &>(Settings::instance().m_reportSettings));
}

} // namespace

QString MainWindow::withProjectExtension(const QString &fileName) {
    // Only the file name's own suffix counts: a folder may be called "v2p-projects", a name "wall.V2P".
    if (QFileInfo(fileName).suffix().compare(QLatin1String(ProjectExtension), Qt::CaseInsensitive) == 0)
        return fileName;
    return fileName + "." + ProjectExtension;
}

bool MainWindow::closeProjectQuery() {
    if (isProjectModified()) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, tr("Save project before closing"), tr("Would you like to save the project before closing it?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Save) {
            const int result = m_project.fileName().isEmpty() ? saveAs() : save(m_project.fileName());
            if (result != 0)
                return false;
        }
    }
    m_project.close();
    m_modifiedState->reset(false);
    updateActionsAndTitle();
    return true;
}

void MainWindow::on_actionNew_triggered() {
    if (!closeProjectQuery())
        return;
    updateActionsAndTitle();
    const Settings &settings = Settings::instance();
    Document document;
    document.projectInformation() = settings.m_defaultProjectInformation;
    Globals &globals = Globals::instance();
    const QStringList templates = NewProjectWizard::templateFiles(
        {NewProjectWizard::shippedTemplates(Globals::resourcesDir() + QStringLiteral("/Templates"),
                                            globals.languageId()),
         Settings::userDataDir() + QStringLiteral("/Templates")});
    NewProjectWizard wizard(document, globals.materialList(), globals.constructionList(), templates, this);
    if (wizard.exec() != QDialog::Accepted)
        return;
    takeDefaultAssessment(document.inputData());
    m_project.createNew(settings.m_defaultProjectInformation);
    m_project.setDocumentData(document);
    // Never saved: modified until it has a file.
    m_modifiedState->reset(true);
    m_project.setModified(Project::ModificationType::AllModified);
}

void MainWindow::on_actionOpen_triggered() {
    const QString program = ProgramInfo::productName();
    const QString filters = tr("%1 Projects (*.%2)").arg(program, ProjectExtension) +
                            tr(";;%1 Projects (*.%2);;All files (*.*)").arg(QStringLiteral("Hygrolux 1"), "vpj");
    const QString fileName =
        QFileDialog::getOpenFileName(this, tr("Select %1 project file").arg(program), startDirectory(), filters);
    if (!fileName.isEmpty())
        openProject(fileName);
}

void MainWindow::openProject(const QString &fileName) {
    if (!QFileInfo::exists(fileName)) {
        QMessageBox::critical(this, tr("Error #4: File not found"),
                              tr("The file '%1' cannot be found or does not exist.").arg(fileName));
        return;
    }
    if (closeProjectQuery())
        openProjectFile(fileName);
}

void MainWindow::openProjectFile(const QString &fileName) {
    m_project.createNew(Settings::instance().m_defaultProjectInformation);
    m_modifiedState->reset(false);
    QString errorText;
    bool converted = false;
    if (!m_project.read(fileName, errorText, &converted)) {
        m_project.close();
        updateActionsAndTitle();
        // The reader's text says what is wrong but not always in which file.
        const QString text = errorText.contains(fileName)
                                 ? errorText
                                 : QStringLiteral("%1:\n%2").arg(QDir::toNativeSeparators(fileName), errorText);
        QMessageBox::critical(this, tr("Error loading project file"), text);
        updateActionsAndTitle();
        return;
    }
    m_project.setFileName(fileName);
    takeDefaultAssessment(m_project.document()->inputData());
    m_project.setModified(Project::ModificationType::AllModified);
    // A file of the old format is not what saving writes: the user is asked before it is closed.
    m_modifiedState->reset(converted);
    addToRecentProjects(fileName);
    updateActionsAndTitle();
}

int MainWindow::save(const QString &fileName) {
    const QString target = withProjectExtension(fileName);
    QString errorText;
    if (!m_project.write(target, &errorText)) {
        QMessageBox box(QMessageBox::Critical, tr("Error #3: Saving failed"), tr("Error while saving project file!"),
                        QMessageBox::Ok, this);
        box.setInformativeText(errorText);
        box.exec();
        return 1;
    }
    m_project.setFileName(target);
    m_modifiedState->setSaved();
    addToRecentProjects(target);
    updateActionsAndTitle();
    Settings::instance().m_lastProjectFile = target;
    return 0;
}

int MainWindow::saveAs() {
    QFileDialog dialog(this, tr("Specify %1 project file").arg(ProgramInfo::productName()), startDirectory(),
                       tr("%2 project (*.%1)").arg(ProjectExtension, ProgramInfo::productName()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setViewMode(QFileDialog::Detail);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() ||
        dialog.selectedFiles().first().isEmpty())
        return 1;
    return save(withProjectExtension(dialog.selectedFiles().first()));
}

void MainWindow::on_actionSave_triggered() {
    if (m_project.fileName().isEmpty())
        saveAs();
    else
        save(m_project.fileName());
}

void MainWindow::on_actionSaveAs_triggered() {
    saveAs();
}

void MainWindow::addToRecentProjects(const QString &fileName) {
    Settings &settings = Settings::instance();
    settings.m_recentProjects.removeOne(fileName);
    settings.m_recentProjects.prepend(fileName);
    settings.m_lastProjectFile = fileName;
    rebuildRecentProjectsMenu();
}

void MainWindow::rebuildRecentProjectsMenu() {
    qDeleteAll(m_recentProjectActions);
    m_recentProjectActions.clear();
    const QStringList &recent = Settings::instance().m_recentProjects;
    m_ui->actionRecentProjects->setEnabled(!recent.isEmpty());
    m_ui->actionRecentProjects->setMenu(recent.isEmpty() ? nullptr : m_recentProjectsMenu);
    for (const QString &file : recent) {
        QAction *action = m_recentProjectsMenu->addAction(file);
        action->setData(file);
        connect(action, &QAction::triggered, this, &MainWindow::actionOpenRecentFile);
        m_recentProjectActions.append(action);
    }
}

void MainWindow::actionOpenRecentFile() {
    const auto *action = qobject_cast<const QAction *>(sender());
    if (!action)
        return;
    const QString fileName = action->data().toString();
    if (!QFileInfo::exists(fileName)) {
        const QMessageBox::StandardButton answer = QMessageBox::critical(
            this, tr("Error #5: File not found"),
            tr("The file '%1' cannot be found or does not exist.\n%2").arg(fileName, tr("Remove this file from list?")),
            QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes) {
            Settings::instance().m_recentProjects.removeAll(fileName);
            rebuildRecentProjectsMenu();
        }
        return;
    }
    if (closeProjectQuery())
        openProjectFile(fileName);
}
