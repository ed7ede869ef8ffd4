#include "MaterialDatabaseDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ConstructionDatabaseWidget.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseWidget_2.h"

MaterialDatabaseDialog::MaterialDatabaseDialog(MaterialList &materials, ConstructionList &constructions,
                                               QWidget *parent)
    : QDialog(parent), m_tabs(new MaterialConstructionTabWidget(materials, constructions, this)),
      m_information(new QPushButton(tr("Information about material properties"), this)),
      m_buttons(new QDialogButtonBox(this)) {
    setWindowTitle(tr("Material/Construction Database"));
    resize(1000, 640);
    m_tabs->setObjectName(QStringLiteral("tabWidget"));
    m_information->setObjectName(QStringLiteral("pushButtonInformation"));
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    auto *help = new QAction(this);
    help->setObjectName(QStringLiteral("actionHelp"));
    help->setShortcut(QKeySequence::HelpContents);
    addAction(help);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_information);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttonRow);
    connect(m_tabs, &MaterialConstructionTabWidget::doubleClicked, this, &MaterialDatabaseDialog::doubleClick);
    QMetaObject::connectSlotsByName(this);
}

MaterialDatabaseDialog::Selection MaterialDatabaseDialog::select() {
    m_selecting = true;
    m_buttons->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    const bool accepted = exec() == QDialog::Accepted;
    m_selecting = false;
    return accepted ? chosen() : NothingChosen;
}

void MaterialDatabaseDialog::edit() {
    m_selecting = false;
    m_buttons->setStandardButtons(QDialogButtonBox::Close);
    exec();
}

MaterialDatabaseDialog::Selection MaterialDatabaseDialog::chosen() {
    switch (m_tabs->selection()) {
    case MaterialConstructionTabWidget::ConstructionSelected:
        m_construction = *m_tabs->constructionsWidget()->selectedConstruction();
        return ConstructionChosen;
    case MaterialConstructionTabWidget::MaterialSelected:
        m_material = *m_tabs->materialsWidget()->selectedMaterial();
        return MaterialChosen;
    default: return NothingChosen;
    }
}

void MaterialDatabaseDialog::on_actionHelp_triggered() {
    emit helpRequested();
}

void MaterialDatabaseDialog::on_pushButtonInformation_clicked() {
    emit helpRequested();
}

void MaterialDatabaseDialog::on_buttonBox_accepted() {
    accept();
}

void MaterialDatabaseDialog::on_buttonBox_rejected() {
    reject();
}

void MaterialDatabaseDialog::doubleClick() {
    if (m_selecting)
        accept();
}
