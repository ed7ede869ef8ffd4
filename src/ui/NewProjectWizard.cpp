#include "NewProjectWizard.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include <model/Construction.h>
#include <model/Document.h>
#include <model/Project.h>

#include "ConstructionDatabaseWidget.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseWidget_2.h"
#include "NewProjectWizardMaterialPage.h"
#include "ProjectInformationEditWidget.h"

namespace {

/*! Width of the first layer made from a chosen material, m. */
const double FirstLayerWidth = 0.1;

QWizardPage *projectInformationPage(ProjectInformationEditWidget *editWidget) {
    auto *page = new QWizardPage;
    page->setTitle(NewProjectWizard::tr("Project Information"));
    auto *note = new QLabel(NewProjectWizard::tr("Please enter the information for this new project. You can change "
                                                 "the default project information in the preferences dialog."));
    note->setWordWrap(true);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(note);
    layout->addWidget(editWidget);
    return page;
}

} // namespace

NewProjectWizard::NewProjectWizard(Document &document, MaterialList &materials, ConstructionList &constructions,
                                   const QStringList &templateFiles, QWidget *parent)
    : QWizard(parent), m_document(document), m_projectInformation(new ProjectInformationEditWidget),
      m_materialPage(new NewProjectWizardMaterialPage(materials, constructions, templateFiles)) {
    setWindowTitle(tr("New Project Wizard"));
    m_projectInformation->setInfo(document.projectInformation());
    QWizardPage *informationPage = projectInformationPage(m_projectInformation);
    // The wizard sizes itself for the page shown; the first page asks for the room of the second, so that the
    // window does not grow under the user's mouse on "Next".
    informationPage->setMinimumSize(m_materialPage->minimumSizeHint());
    addPage(informationPage);
    addPage(m_materialPage);
    resize(894, 560);
}

QString NewProjectWizard::shippedTemplates(const QString &directory, const QString &languageId) {
    const QString translated = directory + QLatin1Char('/') + languageId;
    return !languageId.isEmpty() && QFileInfo(translated).isDir() ? translated : directory;
}

QStringList NewProjectWizard::templateFiles(const QStringList &directories) {
    QStringList files;
    for (const QString &directory : directories) {
        const QDir dir(directory);
        for (const QString &name : dir.entryList({QStringLiteral("*.v2p")}, QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    return files;
}

void NewProjectWizard::accept() {
    const QString templateFile = m_materialPage->templateFile();
    if (!templateFile.isEmpty() && !applyTemplate(templateFile))
        return;
    if (templateFile.isEmpty()) {
        const MaterialConstructionTabWidget *tabs = m_materialPage->tabWidget();
        QVector<MaterialLayer> &layers = m_document.inputData().layers();
        switch (tabs->selection()) {
        case MaterialConstructionTabWidget::MaterialSelected:
            layers = {MaterialLayer(*tabs->materialsWidget()->selectedMaterial(), FirstLayerWidth)};
            break;
        case MaterialConstructionTabWidget::ConstructionSelected:
            layers = tabs->constructionsWidget()->selectedConstruction()->layers();
            break;
        default: return;
        }
    }
    m_projectInformation->getInfo(m_document.projectInformation());
    QWizard::accept();
}

bool NewProjectWizard::applyTemplate(const QString &fileName) {
    Project templateProject;
    QString errorText;
    if (!templateProject.read(fileName, errorText)) {
        QMessageBox::critical(this, tr("Error loading project file"),
                              QStringLiteral("%1:\n%2").arg(QDir::toNativeSeparators(fileName), errorText));
        return false;
    }
    // The template's construction, climates and heat flow; accept() puts the texts of the first page over it.
    m_document = *templateProject.document();
    return true;
}
