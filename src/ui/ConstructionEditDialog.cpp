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

ConstructionEditDialog::ConstructionEditDialog(const Construction &construction, QWidget *parent)
    : QDialog(parent), m_construction(construction), m_unusedStack(new QUndoStack(this)),
      m_table(new ConstructionTableWidget(this)),
      m_editor(new MaterialEditWidget(Project::instance(), *m_unusedStack, this)) {
    setWindowTitle(tr("Edit construction '%1'").arg(construction.name()));
    resize(760, 560);
    m_table->setObjectName(QStringLiteral("tableWidgetConstruction"));
    m_table->setItemDelegate(new HatchedItemDelegate(m_table));
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setFixedHeight(140);
    m_editor->setObjectName(QStringLiteral("materialEditWidget"));
    m_editor->setConstruction(m_construction);
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
    connect(m_editor, &MaterialEditWidget::constructionChanged, this, &ConstructionEditDialog::constructionChanged);
    refreshTable(1);
}

ConstructionEditDialog::~ConstructionEditDialog() = default;

void ConstructionEditDialog::refreshTable(int column) {
    const int columns = std::max(m_construction.layers().size() + 2, 3);
    m_table->setConstruction(m_construction);
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
    const int count = m_construction.layers().size();
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
        removeLayer(layer);
    else if (chosen == left)
        moveLayer(layer, layer - 1);
    else if (chosen == right)
        moveLayer(layer, layer + 1);
}

void ConstructionEditDialog::removeLayer(int layer) {
    m_construction.layers().remove(layer);
    m_editor->setConstruction(m_construction);
    refreshTable(layer + 1);
}

void ConstructionEditDialog::moveLayer(int layer, int to) {
    m_construction.layers().move(layer, to);
    m_editor->setConstruction(m_construction);
    refreshTable(to + 1);
}

void ConstructionEditDialog::tableViewDoubleClicked(const QModelIndex &index) {
    constructionTableColumnChanged(index.column());
    m_editor->setFocus();
}

void ConstructionEditDialog::constructionChanged(const Construction &constr) {
    m_construction.setName(constr.name());
    m_construction.setLayers(constr.layers());
    m_construction.setNotes(constr.notes());
    refreshTable(m_table->currentColumn());
}
