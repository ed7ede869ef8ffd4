#include "MaterialEditDialog.h"
#include "ui_MaterialEditDialog.h"

#include "MoistStorageValidator.h"

#include <model/ProjectInformation.h>

#include <QColorDialog>
#include <QPushButton>

#include <limits>

namespace {
const double MAX_DOUBLE = std::numeric_limits<double>::max();
/*! Width and heat flow direction at which the dialog shows the material's own values. */
const double NO_WIDTH = 0;
const HeatFlowDirection HORIZONTAL_HEAT_FLOW = HeatFlowDirection::Horizontal;
} // namespace

MaterialEditDialog::MaterialEditDialog(const Material &material, QWidget *parent)
    : QDialog(parent), m_ui(new Ui::MaterialEditDialog), m_material(material) {
    m_ui->setupUi(this);
    m_ui->comboBoxType->addItems({tr("Standard material"), tr("Wood"), tr("Wood based"), tr("Foil")});
    for (const QString &name : Material::categoryNames())
        m_ui->comboBox_category->addItem(name, name);

    m_ui->lineEdit_rho->setup(0, MAX_DOUBLE, tr("The density must be > 0."), false, false);
    m_ui->lineEdit_lambda->setup(0, MAX_DOUBLE, tr("The thermal conductivity must be > 0."), false, false);
    m_ui->lineEdit_mew->setup(0, MAX_DOUBLE, tr("The vapour resistance factor must be > 0."), false, false);
    // Many materials (foils, most insulations) take up no water: 0 is a valid coefficient.
    m_ui->lineEdit_aw->setup(0, MAX_DOUBLE, tr("The water uptake coefficient must be > 0."), true, false);
    m_ui->lineEdit_sd->setup(0, MAX_DOUBLE, tr("The sd-value must be > 0."), false, false);

    const QList<QPair<QWidget *, QString>> tips = {
        {m_ui->lineEdit_name, tr("Name of the material; must not be empty.")},
        {m_ui->comboBox_category, tr("Category of the material.")},
        {m_ui->lineEdit_rho, tr("Density in kg/m³, greater than 0.")},
        {m_ui->comboBoxType, tr("Wood and wood based materials have their own criteria; foils are given by "
                                "their sd-value.")},
        {m_ui->lineEdit_lambda, tr("Thermal conductivity in W/(m·K), greater than 0.")},
        {m_ui->lineEdit_mew, tr("Vapour diffusion resistance factor (no unit), greater than 0.")},
        {m_ui->lineEdit_w80, tr("Moisture content at 80% RH in m³/m³, greater than 0; at 95% RH (w80 · 0.95 / 0.8) "
                                "it must stay below the saturation content.")},
        {m_ui->lineEdit_wsat, tr("Moisture content at saturation in m³/m³, above the content at 95% RH and less "
                                 "than 1.")},
        {m_ui->lineEdit_aw, tr("Water uptake coefficient in kg/(m²·s½), 0 or greater.")},
        {m_ui->lineEdit_sd, tr("Diffusion-equivalent air layer thickness of the foil in m, greater than 0.")}};
    for (const auto &tip : tips) {
        if (auto *field = qobject_cast<QtExt::ValidatingLineEdit *>(tip.first))
            field->setDefaultToolTip(tip.second);
        else
            tip.first->setToolTip(tip.second);
    }
    for (const QLabel *caption : findChildren<QLabel *>()) {
        if (caption->buddy())
            caption->buddy()->setAccessibleName(caption->text());
    }

    const QList<QLineEdit *> fields = {m_ui->lineEdit_name,   m_ui->lineEdit_productId, m_ui->lineEdit_producer,
                                       m_ui->lineEdit_source, m_ui->lineEdit_rho,       m_ui->lineEdit_lambda,
                                       m_ui->lineEdit_mew,    m_ui->lineEdit_w80,       m_ui->lineEdit_wsat,
                                       m_ui->lineEdit_aw,     m_ui->lineEdit_sd};
    for (QLineEdit *field : fields)
        connect(field, &QLineEdit::textChanged, this,
                QOverload<const QString &>::of(&MaterialEditDialog::checkMaterial));
    connect(m_ui->comboBox_category, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int) { checkMaterial(); });
    init();
}

MaterialEditDialog::~MaterialEditDialog() {
    delete m_ui;
}

void MaterialEditDialog::init() {
    m_ui->lineEdit_w80->setValidator(new MoistStorageValidator(nullptr, true, m_ui->lineEdit_wsat));
    m_ui->lineEdit_wsat->setValidator(new MoistStorageValidator(nullptr, false, m_ui->lineEdit_w80));
    m_ui->lineEdit_name->setText(m_material.name());
    m_ui->lineEdit_productId->setText(m_material.productName());
    m_ui->lineEdit_producer->setText(m_material.producer());
    m_ui->lineEdit_source->setText(m_material.dataSource());
    m_ui->plainTextEdit_notes->setPlainText(m_material.notes());
    m_ui->lineEdit_rho->setValue(m_material.rho());
    m_ui->lineEdit_lambda->setValue(m_material.effectiveLambda(NO_WIDTH, HORIZONTAL_HEAT_FLOW));
    m_ui->lineEdit_mew->setValue(m_material.effectiveMu(NO_WIDTH));
    m_ui->lineEdit_w80->setValue(m_material.w_80());
    m_ui->lineEdit_wsat->setValue(m_material.w_sat());
    m_ui->lineEdit_aw->setValue(m_material.Aw());
    m_ui->lineEdit_sd->setValue(m_material.sd_value());
    m_ui->comboBox_category->setCurrentIndex(
        m_ui->comboBox_category->findData(Material::categoryName(m_material.category())));
    m_color = m_material.color();
    showColor();

    int type = StandardType;
    if (m_material.isFoil())
        type = FoilType;
    else if (m_material.isWoodbased())
        type = WoodBasedType;
    else if (m_material.isWood())
        type = WoodType;
    m_ui->comboBoxType->setCurrentIndex(type);
    setSdVisible(type == FoilType);

    if (m_material.isAir()) {
        m_ui->groupBoxProperties->setEnabled(false);
        m_ui->plainTextEdit_notes->appendPlainText(tr("Air layer is not editable!"));
    }
    checkMaterial();
}

Material MaterialEditDialog::material() const {
    Material material = m_material;
    material.setName(m_ui->lineEdit_name->text());
    material.setProductName(m_ui->lineEdit_productId->text());
    material.setProducer(m_ui->lineEdit_producer->text());
    material.setDataSource(m_ui->lineEdit_source->text());
    material.setNotes(m_ui->plainTextEdit_notes->toPlainText());
    material.setCategory(Material::categoryFromName(m_ui->comboBox_category->currentText()));
    material.setColor(m_color);
    if (material.isAir())
        return material;
    material.setRho(m_ui->lineEdit_rho->value());
    material.setLambda(m_ui->lineEdit_lambda->value());
    material.setMu(m_ui->lineEdit_mew->value());
    material.setW_80(m_ui->lineEdit_w80->value());
    material.setW_sat(m_ui->lineEdit_wsat->value());
    material.setAw(m_ui->lineEdit_aw->value(), true);
    const int type = m_ui->comboBoxType->currentIndex();
    material.setFlags(false, type == WoodType, type == WoodBasedType, type == FoilType);
    material.setSd_value(type == FoilType ? m_ui->lineEdit_sd->value() : 0);
    return material;
}

void MaterialEditDialog::on_pushButtonColor_clicked() {
    const QColor color = QColorDialog::getColor(m_color, this, tr("Select Layer Color"));
    if (!color.isValid())
        return;
    m_color = color;
    showColor();
}

void MaterialEditDialog::on_pushButton_InfoMatProps_clicked() {
    emit helpRequested();
}

void MaterialEditDialog::onActionHelp_triggered() {
    emit helpRequested();
}

void MaterialEditDialog::checkMaterial(const QString &) {
    checkMaterial();
}

void MaterialEditDialog::checkMaterial() {
    const bool valid = fieldsValid() && material().isValid();
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(valid);
}

void MaterialEditDialog::doubleEditingFinished() {
    checkMaterial();
}

void MaterialEditDialog::setSdVisible(bool hasSd) {
    m_ui->label_sd->setVisible(hasSd);
    m_ui->lineEdit_sd->setVisible(hasSd);
    m_ui->label_sdUnit->setVisible(hasSd);
}

void MaterialEditDialog::on_comboBoxType_currentIndexChanged(int index) {
    setSdVisible(index == FoilType);
    checkMaterial();
}

void MaterialEditDialog::showColor() {
    m_ui->pushButtonColor->setStyleSheet(QString("background-color: %1;").arg(m_color.name()));
}

bool MaterialEditDialog::fieldsValid() {
    if (m_material.isAir())
        return true;
    for (QtExt::ValidatingLineEdit *field : {m_ui->lineEdit_rho, m_ui->lineEdit_lambda, m_ui->lineEdit_mew,
                                             m_ui->lineEdit_w80, m_ui->lineEdit_wsat, m_ui->lineEdit_aw}) {
        if (!field->isValid())
            return false;
    }
    // The sd-value counts only for a foil, the one type given by it.
    return m_ui->comboBoxType->currentIndex() != FoilType || m_ui->lineEdit_sd->isValid();
}
