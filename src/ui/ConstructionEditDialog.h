#ifndef ConstructionEditDialogH
#define ConstructionEditDialogH

// Edits the layers of one construction of the construction database. Its layer table and layer editor work on
// a project of the dialog's own that holds a copy of the layers, through undo commands on the dialog's own
// stack, exactly as the main window edits the open project; Cancel leaves the database as it was, the owner
// stores construction() after OK.

#include <model/Construction.h>

#include <QDialog>
#include <QModelIndex>

class ConstructionTableWidget;
class MaterialEditWidget;
class Project;
class QUndoStack;

class ConstructionEditDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConstructionEditDialog(const Construction &construction, QWidget *parent = nullptr);
    ~ConstructionEditDialog() override;

    /*! The construction with the edited layers. */
    Construction construction() const;
    ConstructionTableWidget *table() const { return m_table; }
    /*! The dialog's own project and stack, which hold the layers while they are edited. */
    Project &project() const { return *m_project; }
    QUndoStack &undoStack() const { return *m_undoStack; }

public slots:
    void constructionTableColumnChanged(int currentColumn);
    void customContextMenu(const QPoint &pos);
    void tableViewDoubleClicked(const QModelIndex &index);

private:
    int layerCount() const;
    void refreshTable(int column);

    Construction m_construction;
    Project *m_project;
    QUndoStack *m_undoStack;
    ConstructionTableWidget *m_table;
    MaterialEditWidget *m_editor;
};

#endif // ConstructionEditDialogH
