#include "QtExt_MaterialDatabaseSelectionWidget.h"
#include "ui_QtExt_MaterialDatabaseSelectionWidget.h"

#include "QtExt_MaterialDBItemDelegate.h"
#include "QtExt_MaterialTableProxyModel.h"

#include <QHeaderView>
#include <QMenu>
#include <QSettings>

namespace QtExt {

MaterialDatabaseSelectionWidget::MaterialDatabaseSelectionWidget(QWidget *parent)
    : QWidget(parent), m_ui(new Ui::MaterialDatabaseSelectionWidget), m_model(new MaterialTableModel(this)),
      m_proxy(new MaterialTableProxyModel(this)) {
    m_ui->setupUi(this);
    m_proxy->setSourceModel(m_model);
    m_ui->tableView->setModel(m_proxy);
    m_ui->tableView->setItemDelegate(new MaterialDBItemDelegate(this));
    m_ui->tableView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_ui->tableView->sortByColumn(m_model->columnOf(MaterialBase::MC_NAME), Qt::AscendingOrder);
    m_ui->tableView->horizontalHeader()->setSectionsMovable(false);
    setCategoryNames(QStringList());
    connect(m_ui->tableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MaterialDatabaseSelectionWidget::onMaterialSelectionChanged);
    connect(m_ui->tableView, &QTableView::doubleClicked, this,
            &MaterialDatabaseSelectionWidget::onMaterialDoubleClicked);
    connect(m_ui->tableView, &QWidget::customContextMenuRequested, this, &MaterialDatabaseSelectionWidget::contextMenu);
    connect(m_ui->tableView->horizontalHeader(), &QHeaderView::sectionResized, this,
            &MaterialDatabaseSelectionWidget::columnSizeChanged);
    connect(m_ui->tableView->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &MaterialDatabaseSelectionWidget::columnClicked);
}

MaterialDatabaseSelectionWidget::~MaterialDatabaseSelectionWidget() {
    delete m_ui;
}

void MaterialDatabaseSelectionWidget::setSettingsLocation(const QString &organization, const QString &application,
                                                          const QString &group) {
    m_organization = organization;
    m_application = application;
    m_group = group;
}

void MaterialDatabaseSelectionWidget::setCategoryNames(const QStringList &names) {
    const QSignalBlocker blocker(m_ui->comboBoxCategories);
    m_ui->comboBoxCategories->clear();
    m_ui->comboBoxCategories->addItem(tr("All"), -1);
    for (int i = 0; i < names.size(); ++i)
        m_ui->comboBoxCategories->addItem(names[i], i);
    m_proxy->setCategory(-1);
}

void MaterialDatabaseSelectionWidget::setMaterials(MaterialTableModel::MaterialVector materials) {
    const MaterialBase *selected = selectedMaterial();
    const int selectedId = selected ? selected->materialId() : -1;
    m_model->setMaterials(std::move(materials));
    if (selectedId != -1)
        selectMaterial(selectedId);
    else
        showDetails(nullptr);
}

void MaterialDatabaseSelectionWidget::selectMaterial(int materialId) {
    const int row = m_model->rowOfMaterialId(materialId);
    if (row < 0)
        return;
    QModelIndex index = m_proxy->mapFromSource(m_model->index(row, 0));
    if (!index.isValid()) {
        m_ui->comboBoxCategories->setCurrentIndex(0);
        for (QLineEdit *filter : {m_ui->lineEditMaterialNameFilter, m_ui->lineEditProducerFilter,
                                  m_ui->lineEditSourceFilter, m_ui->lineEditCommentFilter})
            filter->clear();
        index = m_proxy->mapFromSource(m_model->index(row, 0));
    }
    m_ui->tableView->selectRow(index.row());
    m_ui->tableView->scrollTo(index);
}

const MaterialBase *MaterialDatabaseSelectionWidget::selectedMaterial() const {
    const QModelIndexList rows = m_ui->tableView->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    return m_model->material(m_proxy->mapToSource(rows.first()).row());
}

void MaterialDatabaseSelectionWidget::onMaterialSelectionChanged(const QItemSelection &, const QItemSelection &) {
    const MaterialBase *material = selectedMaterial();
    showDetails(material);
    emit materialSelected(material ? material->materialId() : -1);
}

void MaterialDatabaseSelectionWidget::showDetails(const MaterialBase *material) {
    m_ui->labelSelectedMaterial->setText(material ? material->name() : tr("Nothing"));
    m_ui->textEditAdditional->setPlainText(material ? material->informationText() : QString());
}

void MaterialDatabaseSelectionWidget::onMaterialDoubleClicked(const QModelIndex &index) {
    const MaterialBase *material = m_model->material(m_proxy->mapToSource(index).row());
    if (material)
        emit doubleClickMaterials(material->materialId());
}

void MaterialDatabaseSelectionWidget::on_comboBoxCategories_currentIndexChanged(int index) {
    m_proxy->setCategory(m_ui->comboBoxCategories->itemData(index).toInt());
}

void MaterialDatabaseSelectionWidget::on_lineEditMaterialNameFilter_textChanged(const QString &arg1) {
    m_proxy->setNameFilter(arg1);
}

void MaterialDatabaseSelectionWidget::on_lineEditProducerFilter_textChanged(const QString &arg1) {
    m_proxy->setProducerFilter(arg1);
}

void MaterialDatabaseSelectionWidget::on_lineEditSourceFilter_textChanged(const QString &arg1) {
    m_proxy->setSourceFilter(arg1);
}

void MaterialDatabaseSelectionWidget::on_lineEditCommentFilter_textChanged(const QString &arg1) {
    m_proxy->setCommentFilter(arg1);
}

void MaterialDatabaseSelectionWidget::columnSizeChanged(int, int, int) {
    m_widthsChanged = true;
}

void MaterialDatabaseSelectionWidget::columnClicked(int) {
    // Sorting moves the rows: keep the chosen material in sight.
    const QModelIndexList rows = m_ui->tableView->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        m_ui->tableView->scrollTo(rows.first());
}

void MaterialDatabaseSelectionWidget::updateColumnSizes() {
    QHeaderView *header = m_ui->tableView->horizontalHeader();
    const int swatchColumn = m_model->columnOf(MaterialBase::MC_PARAMETERVIEW);
    if (!hasSettings()) {
        m_ui->tableView->resizeColumnsToContents();
        if (swatchColumn >= 0)
            header->resizeSection(swatchColumn, header->defaultSectionSize() / 2);
    }
    header->setStretchLastSection(true);
}

bool MaterialDatabaseSelectionWidget::hasSettings() const {
    if (m_organization.isEmpty() || m_model->columnCount() == 0)
        return false;
    QSettings settings(m_organization, m_application);
    settings.beginGroup(m_group);
    return settings.contains(settingsKey(0));
}

QString MaterialDatabaseSelectionWidget::settingsKey(int column) const {
    return QStringLiteral("Column") + MaterialTableModel::columnKey(m_model->columns()[column]);
}

void MaterialDatabaseSelectionWidget::readColumnWidths() {
    if (!hasSettings())
        return;
    QSettings settings(m_organization, m_application);
    settings.beginGroup(m_group);
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const int width = settings.value(settingsKey(column), 0).toInt();
        if (width > 0)
            m_ui->tableView->setColumnWidth(column, width);
    }
}

void MaterialDatabaseSelectionWidget::writeColumnWidths() const {
    if (m_organization.isEmpty())
        return;
    QSettings settings(m_organization, m_application);
    settings.beginGroup(m_group);
    for (int column = 0; column < m_model->columnCount(); ++column)
        settings.setValue(settingsKey(column), m_ui->tableView->columnWidth(column));
}

void MaterialDatabaseSelectionWidget::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    readColumnWidths();
    updateColumnSizes();
    m_widthsChanged = false;
}

void MaterialDatabaseSelectionWidget::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    if (m_widthsChanged || !hasSettings())
        writeColumnWidths();
}

void MaterialDatabaseSelectionWidget::contextMenu(const QPoint &pos) {
    if (!m_editable)
        return;
    const MaterialBase *material = selectedMaterial();
    const bool userMaterial = material && material->isUserDefined();
    QMenu menu(this);
    connect(menu.addAction(tr("Add Material ...")), &QAction::triggered, this,
            &MaterialDatabaseSelectionWidget::addMaterial);
    QAction *edit = menu.addAction(tr("Edit Material ..."));
    edit->setEnabled(userMaterial);
    connect(edit, &QAction::triggered, this, &MaterialDatabaseSelectionWidget::changeMaterial);
    QAction *remove = menu.addAction(tr("Remove Material"));
    remove->setEnabled(userMaterial);
    connect(remove, &QAction::triggered, this, &MaterialDatabaseSelectionWidget::removeMaterial);
    menu.exec(m_ui->tableView->viewport()->mapToGlobal(pos));
}

} // namespace QtExt
