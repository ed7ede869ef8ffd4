#include "ProjectInformationEditDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QUndoStack>
#include <QVBoxLayout>

#include <model/Project.h>

#include "ProjectInformationEditWidget.h"
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
    m_editWidget = new ProjectInformationEditWidget(this);
    layout->addWidget(m_editWidget);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectInformationEditDialog::acceptChanges);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    if (!m_project.hasDocument())
        return;
    m_editWidget->setInfo(m_project.document()->projectInformation());
}

void ProjectInformationEditDialog::acceptChanges() {
    if (m_project.hasDocument()) {
        ProjectInformation info = m_project.document()->projectInformation();
        m_editWidget->getInfo(info);
        m_undoStack.push(new V2_UndoChangeProjectInfo(m_project, info));
    }
    accept();
}
