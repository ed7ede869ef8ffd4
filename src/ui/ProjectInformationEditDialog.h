#ifndef ProjectInformationEditDialogH
#define ProjectInformationEditDialogH

// Edits the project information of the open project: five texts. Accepting pushes one undo command with
// the entered values, also when nothing changed.

#include <QDialog>

class Project;
class QLineEdit;
class QPlainTextEdit;
class QUndoStack;

class ProjectInformationEditDialog : public QDialog {
    Q_OBJECT
public:
    ProjectInformationEditDialog(Project &project, QUndoStack &undoStack, QWidget *parent = nullptr);

private slots:
    void acceptChanges();

private:
    QLineEdit *addLine(const QString &label, const char *objectName);

    Project &m_project;
    QUndoStack &m_undoStack;
    QLineEdit *m_projectName = nullptr;
    QLineEdit *m_constructionId = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_company = nullptr;
    QPlainTextEdit *m_description = nullptr;
};

#endif // ProjectInformationEditDialogH
