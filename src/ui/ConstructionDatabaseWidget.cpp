#include "ConstructionDatabaseWidget.h"

#include <QtExt_ConstructionView.h>
#include <QtExt_ConstructionViewWidget.h>

#include <QAction>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <model/ConstructionList.h>

#include "ConstructionDatabaseTableModel.h"
#include "ConstructionEditDialog.h"
#include "ConstructionNameInputDialog.h"
#include "ConstructionSketchLayers.h"

ConstructionDatabaseWidget::ConstructionDatabaseWidget(ConstructionList &constructions, QWidget *parent)
    : QWidget(parent), m_constructions(constructions), m_model(new ConstructionDatabaseTableModel(constructions, this)),
      m_table(new QTableView(this)), m_selectedName(new QLabel(this)),
      m_preview(new QtExt::ConstructionViewWidget(this)), m_notes(new QPlainTextEdit(this)) {
    m_table->setObjectName(QStringLiteral("tableView"));
    m_table->setModel(m_model);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setDefaultSectionSize(150);
    m_selectedName->setObjectName(QStringLiteral("labelSelectedConstruction"));
    m_preview->setObjectName(QStringLiteral("widgetConstructionView"));
    m_preview->toolBar()->hide();
    m_preview->setMinimumHeight(220);
    m_notes->setObjectName(QStringLiteral("plainTextEdit"));
    m_notes->setReadOnly(true);
    m_notes->setMaximumWidth(260);

    auto *caption = new QLabel(tr("Construction list"), this);
    caption->setObjectName(QStringLiteral("labelListCaption"));
    auto *selectedRow = new QHBoxLayout;
    selectedRow->addWidget(new QLabel(tr("Selected Construction:"), this));
    selectedRow->addWidget(m_selectedName, 1);
    auto *viewBox = new QGroupBox(tr("View and Notes"), this);
    auto *viewLayout = new QHBoxLayout(viewBox);
    viewLayout->addWidget(m_preview, 1);
    viewLayout->addWidget(m_notes);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(addButton(QStringLiteral("buttonEdit"), tr("Edit construction"),
                                 tr("Edit selected constrcution."),
                                 addAction(QStringLiteral("actionEditConstruction"), tr("Edit Construction ..."),
                                           tr("Edit selected Construction."))));
    buttons->addWidget(addButton(QStringLiteral("buttonEditLayers"), tr("Edit layers"),
                                 tr("Edit the layers of the selected construction."),
                                 addAction(QStringLiteral("actionEditConstructionLayers"), tr("Edit Layers ..."),
                                           tr("Edit the layers of the selected construction."))));
    buttons->addWidget(addButton(QStringLiteral("buttonCopy"), tr("Copy construction"),
                                 tr("Copy selected construction to a new one."),
                                 addAction(QStringLiteral("actionCopyConstruction"), tr("Copy Construction"),
                                           tr("Copy Construction in order to create a new one."))));
    buttons->addWidget(addButton(QStringLiteral("buttonRemove"), tr("Delete Construction"),
                                 tr("Delete selected construction from list."),
                                 addAction(QStringLiteral("actionDeleteConstruction"), tr("Remove Construction"),
                                           tr("Remove Construction from Database."))));
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_table, 1);
    layout->addLayout(selectedRow);
    layout->addWidget(viewBox);
    layout->addLayout(buttons);

    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ConstructionDatabaseWidget::updateSelection);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ConstructionDatabaseWidget::showSelected);
    connect(m_table, &QTableView::doubleClicked, this, &ConstructionDatabaseWidget::doubleClicked);
    connect(m_preview->view(), &QtExt::ConstructionView::layerDoubleClicked, this,
            [this](int layer) { doubleClick(selectedConstruction(), layer); });
    QMetaObject::connectSlotsByName(this);
    // The first construction is shown at once, so that the preview is never empty without need.
    selectRow(0);
}

QAction *ConstructionDatabaseWidget::addAction(const QString &name, const QString &text, const QString &toolTip) {
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setToolTip(toolTip);
    QWidget::addAction(action);
    return action;
}

QPushButton *ConstructionDatabaseWidget::addButton(const QString &name, const QString &text, const QString &toolTip,
                                                   QAction *action) {
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    return button;
}

int ConstructionDatabaseWidget::selectedRow() const {
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

const Construction *ConstructionDatabaseWidget::selectedConstruction() const {
    return m_model->construction(selectedRow());
}

void ConstructionDatabaseWidget::selectRow(int row) {
    if (row >= 0 && row < m_model->rowCount())
        m_table->selectRow(row);
    else
        m_table->clearSelection();
    showSelected();
}

void ConstructionDatabaseWidget::selectConstruction(const Construction *construction) {
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->construction(row) == construction) {
            selectRow(row);
            return;
        }
    }
    selectRow(-1);
}

void ConstructionDatabaseWidget::updateSelection(const QItemSelection &, const QItemSelection &) {
    showSelected();
    const Construction *construction = selectedConstruction();
    if (construction)
        emit constructionSelected(construction);
    emit selectionChanged();
}

void ConstructionDatabaseWidget::showSelected() {
    const Construction *construction = selectedConstruction();
    m_selectedName->setText(construction ? construction->name() : QString());
    m_notes->setPlainText(construction ? construction->notes() : QString());
    m_preview->setData(construction ? ConstructionSketchLayers::fromLayers(construction->layers())
                                    : QVector<QtExt::ConstructionLayer>(),
                       true, tr("Warm side"), tr("Cold side"));
    for (QAction *action : actions())
        action->setEnabled(construction != nullptr);
}

void ConstructionDatabaseWidget::doubleClick(const Construction *constr, int) {
    if (constr)
        emit doubleClicked();
}

void ConstructionDatabaseWidget::on_actionDeleteConstruction_triggered() {
    const int row = selectedRow();
    if (row < 0)
        return;
    m_constructions.removeAt(row);
    save();
    selectRow(std::min(row, m_model->rowCount() - 1));
}

void ConstructionDatabaseWidget::on_actionEditConstruction_triggered() {
    const int row = selectedRow();
    if (row < 0)
        return;
    Construction edited = m_constructions.at(row);
    ConstructionNameInputDialog dialog(this);
    dialog.fill(edited.name(), edited.notes());
    if (dialog.exec() != QDialog::Accepted)
        return;
    edited.setName(dialog.name());
    edited.setNotes(dialog.notes());
    m_constructions.replace(row, edited);
    save();
    selectRow(row);
}

void ConstructionDatabaseWidget::on_actionEditConstructionLayers_triggered() {
    const int row = selectedRow();
    if (row < 0)
        return;
    ConstructionEditDialog dialog(m_constructions.at(row), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_constructions.replace(row, dialog.construction());
    save();
    selectRow(row);
}

void ConstructionDatabaseWidget::on_actionCopyConstruction_triggered() {
    const Construction *selected = selectedConstruction();
    if (!selected)
        return;
    Construction copy = *selected;
    // The copy is a new entry of its own: its name must tell it from the original and from earlier copies.
    copy.setName(tr("%1 (copy)").arg(selected->name()));
    for (int n = 2; nameTaken(copy.name()); ++n)
        copy.setName(tr("%1 (copy %2)").arg(selected->name()).arg(n));
    m_constructions.addConstruction(copy);
    save();
    selectRow(m_constructions.count() - 1);
}

bool ConstructionDatabaseWidget::nameTaken(const QString &name) const {
    for (int i = 0; i < m_constructions.count(); ++i) {
        if (m_constructions.at(i).name() == name)
            return true;
    }
    return false;
}

void ConstructionDatabaseWidget::save() {
    if (!m_constructions.write())
        QMessageBox::critical(this, tr("Construction database"),
                              tr("The construction database '%1' could not be written.")
                                  .arg(QDir::toNativeSeparators(m_constructions.filePath())));
    const QString notice = m_constructions.takeDamageNotice();
    if (!notice.isEmpty())
        QMessageBox::warning(this, tr("Construction database"), notice);
}
