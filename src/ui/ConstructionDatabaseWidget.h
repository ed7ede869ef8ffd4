#ifndef ConstructionDatabaseWidgetH
#define ConstructionDatabaseWidgetH

// The "Constructions" page of the material and construction database dialog: the constructions with their
// layers, a read-only sketch and the notes of the selected one, and the commands that rename, edit, copy and
// delete constructions. Every change is written to the construction database at once.

#include <QItemSelection>
#include <QWidget>

class Construction;
class ConstructionDatabaseTableModel;
class ConstructionList;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace QtExt {
class ConstructionViewWidget;
}

class ConstructionDatabaseWidget : public QWidget {
    Q_OBJECT
public:
    explicit ConstructionDatabaseWidget(ConstructionList &constructions, QWidget *parent = nullptr);

    /*! The selected construction, nullptr when none. */
    const Construction *selectedConstruction() const;
    int selectedRow() const;
    QTableView *tableView() const { return m_table; }

signals:
    void constructionSelected(const Construction *construction);
    void doubleClicked();
    void selectionChanged();

public slots:
    void selectConstruction(const Construction *construction);
    void selectRow(int row);
    void updateSelection(const QItemSelection &selected, const QItemSelection &deselected);
    void doubleClick(const Construction *constr, int layerIndex);
    void on_actionDeleteConstruction_triggered();
    void on_actionEditConstruction_triggered();
    void on_actionEditConstructionLayers_triggered();
    void on_actionCopyConstruction_triggered();

private:
    QPushButton *addButton(const QString &name, const QString &text, const QString &toolTip, QAction *action);
    QAction *addAction(const QString &name, const QString &text, const QString &toolTip);
    void showSelected();
    void save();
    bool nameTaken(const QString &name) const;

    ConstructionList &m_constructions;
    ConstructionDatabaseTableModel *m_model;
    QTableView *m_table;
    QLabel *m_selectedName;
    QtExt::ConstructionViewWidget *m_preview;
    QPlainTextEdit *m_notes;
};

#endif // ConstructionDatabaseWidgetH
