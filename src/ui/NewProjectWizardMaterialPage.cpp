#include "NewProjectWizardMaterialPage.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "MaterialConstructionTabWidget.h"

NewProjectWizardMaterialPage::NewProjectWizardMaterialPage(MaterialList &materials, ConstructionList &constructions,
                                                           const QStringList &templateFiles, QWidget *parent)
    : QWizardPage(parent), m_templates(new QComboBox(this)),
      m_tabs(new MaterialConstructionTabWidget(materials, constructions, this)) {
    setTitle(tr("New Project"));
    setSubTitle(tr("Select material for first layer"));
    m_templates->setObjectName(QStringLiteral("comboBoxTemplate"));
    m_templates->addItem(tr("No template"));
    for (const QString &file : templateFiles)
        m_templates->addItem(QFileInfo(file).completeBaseName(), file);
    const QString templateLabel = tr("Project template:");
    m_templates->setAccessibleName(templateLabel);
    auto *hint = new QLabel(tr("You can add your own projects as templates by copying the project files into the "
                               "Templates subdirectory."),
                            this);
    hint->setWordWrap(true);
    auto *info = new QLabel(tr("Please select a material below. This material will be the first material layer of "
                               "your construction. You can choose any material now and add/move/delete layers "
                               "later as required."),
                            this);
    info->setObjectName(QStringLiteral("labelMaterialSelectInfo"));
    info->setWordWrap(true);
    m_tabs->setObjectName(QStringLiteral("widgetMaterialConstructionTab"));
    showMoreMaterials();

    auto *templateRow = new QFormLayout;
    templateRow->addRow(templateLabel, m_templates);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(templateRow);
    layout->addWidget(hint);
    layout->addWidget(info);
    layout->addWidget(m_tabs, 1);

    connect(m_templates, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &NewProjectWizardMaterialPage::templateChosen);
    connect(m_tabs, &MaterialConstructionTabWidget::selectionChanged, this, &QWizardPage::completeChanged);
    connect(m_tabs, &MaterialConstructionTabWidget::tabChanged, this, &QWizardPage::completeChanged);
    connect(m_tabs, &MaterialConstructionTabWidget::doubleClicked, this, &NewProjectWizardMaterialPage::doubleClicked);
}

void NewProjectWizardMaterialPage::showMoreMaterials() {
    // Below the wizard's texts the material table kept room for three rows only: here, where a material is
    // picked, the table takes the room of the remarks box.
    for (const char *name : {"labelRemarks", "textEditAdditional"})
        if (auto *widget = m_tabs->findChild<QWidget *>(QLatin1String(name)))
            widget->hide();
}

bool NewProjectWizardMaterialPage::isComplete() const {
    return !templateFile().isEmpty() || m_tabs->selection() != MaterialConstructionTabWidget::NothingSelected;
}

QString NewProjectWizardMaterialPage::templateFile() const {
    return m_templates->currentData().toString();
}

void NewProjectWizardMaterialPage::templateChosen(int index) {
    // A template brings its own construction.
    m_tabs->setEnabled(index == 0);
    emit completeChanged();
}

void NewProjectWizardMaterialPage::doubleClicked() {
    if (isComplete() && wizard())
        wizard()->accept();
}
