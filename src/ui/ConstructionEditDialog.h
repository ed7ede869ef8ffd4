#ifndef ConstructionEditDialogH
#define ConstructionEditDialogH

// Edits the layers of one construction of the construction database: its layer table and the layer editor
// work on a copy, so that Cancel leaves the database as it was; the owner stores construction() after OK.

#include <model/Construction.h>

#include <QDialog>
#include <QModelIndex>

class ConstructionTableWidget;
class MaterialEditWidget;
class QUndoStack;

class ConstructionEditDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConstructionEditDialog(const Construction &construction, QWidget *parent = nullptr);
    ~ConstructionEditDialog() override;

    /*! The edited copy. */
    const Construction &construction() const { return m_construction; }
    ConstructionTableWidget *table() const { return m_table; }

public slots:
    void constructionTableColumnChanged(int currentColumn);
    void customContextMenu(const QPoint &pos);
    void tableViewDoubleClicked(const QModelIndex &index);
    void constructionChanged(const Construction &constr);

private:
    void refreshTable(int column);
    void removeLayer(int layer);
    void moveLayer(int layer, int to);

    Construction m_construction;
    // The layer editor takes a stack for the project it can also edit; here it edits only the copy.
    QUndoStack *m_unusedStack;
    ConstructionTableWidget *m_table;
    MaterialEditWidget *m_editor;
};

#endif // ConstructionEditDialogH
