#include "ProjectInformationEditDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUndoStack>
#include <QVBoxLayout>

#include <model/Project.h>

#include "V2_UndoProjectCommands.h"

ProjectInformationEditDialog::ProjectInformationEditDialog(Project &project, QUndoStack &undoStack, QWidget *parent)
    : QDialog(parent), m_project(project), m_undoStack(undoStack) {
    setWindowTitle(tr("Edit Project Information"));
    auto *note = new QLabel(tr("Here you can edit the project information for the currently loaded project. The "
                               "information entered here appear on the printing calculation report.\n\nNew projects "
                               "will initially get default project information, that can be edited in the "
                               "preferences dialog."),
                            this);
    note->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(new QFormLayout);
    m_projectName = addLine(tr("Project name:"), "lineEditProjectName");
    m_constructionId = addLine(tr("Construction ID:"), "lineEditConstructionID");
    m_user = addLine(tr("Editor/User:"), "lineEditUser");
    m_company = addLine(tr("Company:"), "lineEditCompany");
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("textEditDescription"));
    auto *descriptionLabel = new QLabel(tr("Description:"), this);
    descriptionLabel->setBuddy(m_description);
    m_description->setAccessibleName(descriptionLabel->text());
    qobject_cast<QFormLayout *>(layout->itemAt(1)->layout())->addRow(descriptionLabel, m_description);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectInformationEditDialog::acceptChanges);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    if (!m_project.hasDocument())
        return;
    const ProjectInformation &info = m_project.document()->projectInformation();
    m_projectName->setText(info.m_projectName);
    m_constructionId->setText(info.m_constructionID);
    m_user->setText(info.m_userName);
    m_company->setText(info.m_company);
    m_description->setPlainText(info.m_description);
}

QLineEdit *ProjectInformationEditDialog::addLine(const QString &label, const char *objectName) {
    auto *form = qobject_cast<QFormLayout *>(layout()->itemAt(1)->layout());
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    auto *labelWidget = new QLabel(label, this);
    labelWidget->setBuddy(edit);
    edit->setAccessibleName(label);
    form->addRow(labelWidget, edit);
    return edit;
}

void ProjectInformationEditDialog::acceptChanges() {
    if (m_project.hasDocument()) {
        ProjectInformation info = m_project.document()->projectInformation();
        info.m_projectName = m_projectName->text();
        info.m_constructionID = m_constructionId->text();
        info.m_userName = m_user->text();
        info.m_company = m_company->text();
        info.m_description = m_description->toPlainText();
        m_undoStack.push(new V2_UndoChangeProjectInfo(m_project, info));
    }
    accept();
}
