#include "MaterialPickDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <model/MaterialList.h>

MaterialPickDialog::MaterialPickDialog(const MaterialList &materials, QWidget *parent)
    : QDialog(parent), m_materials(materials), m_filter(new QLineEdit(this)), m_list(new QListWidget(this)) {
    setWindowTitle(tr("Select material"));
    resize(480, 520);
    m_filter->setObjectName(QStringLiteral("lineEditFilter"));
    m_list->setObjectName(QStringLiteral("listWidgetMaterials"));
    auto *filterLabel = new QLabel(tr("Filter:"), this);
    filterLabel->setBuddy(m_filter);
    m_filter->setAccessibleName(filterLabel->text());
    m_list->setAccessibleName(tr("Materials"));
    for (int i = 0; i < materials.count(); ++i) {
        const Material *material = materials.materialAt(i);
        auto *item = new QListWidgetItem(material->name(), m_list);
        item->setData(Qt::UserRole, i);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_filter, &QLineEdit::textChanged, this, &MaterialPickDialog::filterChanged);
    auto *form = new QFormLayout;
    form->addRow(filterLabel, m_filter);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

const Material *MaterialPickDialog::selectedMaterial() const {
    const QListWidgetItem *item = m_list->currentItem();
    if (!item || item->isHidden())
        return nullptr;
    return m_materials.materialAt(item->data(Qt::UserRole).toInt());
}

void MaterialPickDialog::filterChanged(const QString &text) {
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
    }
}
