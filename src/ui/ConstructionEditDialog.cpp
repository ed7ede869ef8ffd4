#include "ConstructionEditDialog.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QUndoStack>
#include <QVBoxLayout>

#include <model/Project.h>

#include <algorithm>

#include "ConstructionTableWidget.h"
#include "HatchedItemDelegate.h"
#include "MaterialEditWidget.h"
#include "V2_UndoLayerCommands.h"

ConstructionEditDialog::ConstructionEditDialog(const Construction &construction, QWidget *parent)
    : QDialog(parent), m_construction(construction), m_project(new Project(this)), m_undoStack(new QUndoStack(this)),
      m_table(new ConstructionTableWidget(this)), m_editor(new MaterialEditWidget(*m_project, *m_undoStack, this)) {
    m_project->createNew();
    m_project->document()->inputData().layers() = construction.layers();
    m_project->setModified(Project::ModificationType::AllModified);
    setWindowTitle(tr("Edit construction '%1'").arg(construction.name()));
    resize(760, 560);
    m_table->setObjectName(QStringLiteral("tableWidgetConstruction"));
    m_table->setItemDelegate(new HatchedItemDelegate(m_table));
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setFixedHeight(140);
    m_table->setProject(m_project);
    m_editor->setObjectName(QStringLiteral("materialEditWidget"));
    m_editor->setLayerTable(m_table);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_editor, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::currentCellChanged, this,
            [this](int, int column) { constructionTableColumnChanged(column); });
    connect(m_table, &QWidget::customContextMenuRequested, this, &ConstructionEditDialog::customContextMenu);
    connect(m_table, &QTableWidget::doubleClicked, this, &ConstructionEditDialog::tableViewDoubleClicked);
    connect(m_project, &Project::modified, this, [this] { refreshTable(m_table->currentColumn()); });
    refreshTable(1);
}

ConstructionEditDialog::~ConstructionEditDialog() = default;

Construction ConstructionEditDialog::construction() const {
    Construction edited = m_construction;
    edited.setLayers(m_project->document()->inputData().layers());
    return edited;
}

int ConstructionEditDialog::layerCount() const {
    return m_project->document()->inputData().layers().size();
}

void ConstructionEditDialog::refreshTable(int column) {
    const int columns = std::max(layerCount() + 2, 3);
    m_table->setRowCount(1);
    m_table->setColumnCount(columns);
    for (int c = 0; c < columns; ++c) {
        if (!m_table->item(0, c))
            m_table->setItem(0, c, new QTableWidgetItem);
        m_table->item(0, c)->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    m_table->updateColumnWidths();
    column = std::min(std::max(column, 1), columns - 2);
    {
        const QSignalBlocker blocker(m_table);
        m_table->setCurrentCell(0, column);
    }
    constructionTableColumnChanged(column);
    m_table->viewport()->update();
}

void ConstructionEditDialog::constructionTableColumnChanged(int currentColumn) {
    const bool layerColumn = currentColumn > 0 && currentColumn < m_table->columnCount() - 1;
    m_editor->setLayer(layerColumn ? currentColumn - 1 : -1);
}

void ConstructionEditDialog::customContextMenu(const QPoint &pos) {
    const int layer = m_table->currentColumn() - 1;
    const int count = layerCount();
    if (layer < 0 || layer >= count)
        return;
    QMenu menu(this);
    QAction *remove = menu.addAction(tr("Remove layer"));
    remove->setEnabled(count > 1);
    QAction *left = menu.addAction(tr("Move layer left"));
    left->setEnabled(layer > 0);
    QAction *right = menu.addAction(tr("Move layer right"));
    right->setEnabled(layer + 1 < count);
    QAction *chosen = menu.exec(m_table->viewport()->mapToGlobal(pos));
    if (chosen == remove)
        m_undoStack->push(new V2_UndoRemoveLayer(*m_project, m_table, layer));
    else if (chosen == left)
        m_undoStack->push(new V2_UndoMoveLayerLeft(*m_project, m_table, layer));
    else if (chosen == right)
        m_undoStack->push(new V2_UndoMoveLayerRight(*m_project, m_table, layer));
}

void ConstructionEditDialog::tableViewDoubleClicked(const QModelIndex &index) {
    constructionTableColumnChanged(index.column());
    m_editor->setFocus();
}
