#ifndef ProjectInformationEditDialogH
#define ProjectInformationEditDialogH

// Edits the project information of the open project: five texts. Accepting pushes one undo command with
// the entered values, also when nothing changed.

#include <QDialog>

class Project;
class ProjectInformationEditWidget;
class QUndoStack;

class ProjectInformationEditDialog : public QDialog {
    Q_OBJECT
public:
    ProjectInformationEditDialog(Project &project, QUndoStack &undoStack, QWidget *parent = nullptr);

private slots:
    void acceptChanges();

private:
    Project &m_project;
    QUndoStack &m_undoStack;
    ProjectInformationEditWidget *m_editWidget = nullptr;
};

#endif // ProjectInformationEditDialogH
