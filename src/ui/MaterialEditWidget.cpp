#include "MaterialEditWidget.h"
#include "ui_MaterialEditWidget.h"

#include "ConstructionTableWidget.h"

#include "MaterialValueFormatter.h"
#include "MoistStorageValidator.h"
#include "V2_UndoLayerCommands.h"
#include "V2_UndoMaterialCommands.h"

#include <calculation/PhysicalProperties.h>
#include <model/Project.h>

#include <QColorDialog>
#include <QUndoStack>

#include <limits>
#include <memory>

namespace {
const double MAX_DOUBLE = std::numeric_limits<double>::max();
} // namespace

MaterialEditWidget::MaterialEditWidget(Project &project, QUndoStack &undoStack, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::MaterialEditWidget), m_project(&project), m_undoStack(undoStack) {
    m_ui->setupUi(this);
    m_ui->labelW80->setText(tr("Moisture content at 80% RH [m%1/m%1]:").arg(QChar(0xB3)));
    m_ui->labelWSat->setText(tr("Moisture content at saturation [m%1/m%1]:").arg(QChar(0xB3)));

    m_ui->lineEditWidth->setup(0, MAX_DOUBLE, tr("The layer width must be > 0."), false, false);
    m_ui->lineEditLambda->setup(0, MAX_DOUBLE, tr("The thermal conductivity must be > 0."), false, false);
    m_ui->lineEditMu->setup(0, MAX_DOUBLE, tr("The vapour resistance factor must be > 0."), false, false);
    m_ui->lineEditAw->setup(0, MAX_DOUBLE, tr("The water uptake coefficient must be > 0."), true, false);
    m_ui->lineEditW80->setup(0, 1.0,
                             tr("The moisture content at 80% humidity must be > 0 and lower than the saturation "
                                "moisture content."),
                             true, true);
    m_ui->lineEditWSat->setup(0, 1.0,
                              tr("The moisture content at saturation must be larger than the moisture content at "
                                 "80% humidity and lower equal than 1.0."),
                              true, true);
    m_ui->lineEdit_sdValue->setup(0, MAX_DOUBLE, tr("The sd-value must be > 0."), true, false);
    // The sd-value follows from width and diffusion resistance factor, or fixes the width: it is only shown.
    m_ui->lineEdit_sdValue->setReadOnly(true);
    for (QtExt::ValidatingLineEdit *field : {m_ui->lineEditLambda, m_ui->lineEditMu, m_ui->lineEditW80,
                                             m_ui->lineEditWSat, m_ui->lineEditAw, m_ui->lineEdit_sdValue})
        field->setFormatter(new MaterialValueFormatter);

    m_ui->lineEditMaterialName->setToolTip(tr("The name of the material of the selected layer."));
    m_ui->lineEditMaterialName->setAccessibleName(tr("Material name"));
    m_ui->pushButtonColor->setToolTip(tr("Colour of the layer in the table, the sketch and the report."));
    m_ui->pushButtonColor->setAccessibleName(tr("Layer colour"));
    m_ui->lineEditWidth->setAccessibleName(tr("Layer width"));
    m_ui->lineEditLambda->setAccessibleName(tr("Thermal conductivity"));
    m_ui->lineEditLambda->setDefaultToolTip(tr("Thermal conductivity in W/(m·K), greater than 0."));
    m_ui->lineEditMu->setAccessibleName(tr("Vapour diffusion resistance factor"));
    m_ui->lineEditMu->setDefaultToolTip(tr("Vapour diffusion resistance factor (no unit), greater than 0."));
    m_ui->lineEditW80->setAccessibleName(tr("Moisture content at 80% RH"));
    m_ui->lineEditW80->setDefaultToolTip(tr("Moisture content at 80% RH in m³/m³, greater than 0; at 95% RH "
                                            "(w80 · 0.95 / 0.8) it must stay below the saturation content."));
    m_ui->lineEditWSat->setAccessibleName(tr("Moisture content at saturation"));
    m_ui->lineEditWSat->setDefaultToolTip(tr("Moisture content at saturation in m³/m³, above the content at 95% RH "
                                             "and less than 1."));
    m_ui->lineEditAw->setAccessibleName(tr("Water absorption coefficient"));
    m_ui->lineEdit_sdValue->setAccessibleName(tr("sd-value"));
    m_ui->lineEdit_sdValue->setDefaultToolTip(
        tr("Diffusion-equivalent air layer thickness in m: width times vapour "
           "diffusion resistance factor, or the product's value, which then fixes "
           "the width."));

    for (QtExt::ValidatingLineEdit *field : {m_ui->lineEditWidth, m_ui->lineEditLambda, m_ui->lineEditMu,
                                             m_ui->lineEditW80, m_ui->lineEditWSat, m_ui->lineEditAw})
        connect(field, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
                &MaterialEditWidget::doubleEditingFinished);
    showUnits();
    // Every change of the project, an undo included, shows here.
    connect(&project, &Project::modified, this, [this] { setLayer(m_layerIndex); });
}

void MaterialEditWidget::setLayerTable(QTableWidget *table) {
    m_table = table;
}

MaterialEditWidget::~MaterialEditWidget() {
    delete m_ui;
}

void MaterialEditWidget::setDisplayUnits(int widthUnit, bool awInSeconds) {
    m_widthUnit = widthUnit;
    m_awInSeconds = awInSeconds;
    showUnits();
}

void MaterialEditWidget::setLayer(int index) {
    m_layerIndex = index;
    showUnits();
    const MaterialLayer *shown = layer();
    setEnabled(shown != nullptr);
    if (!shown) {
        m_shownText.clear();
        return;
    }
    showLayer(*shown);
}

void MaterialEditWidget::showLayer(const MaterialLayer &layer) {
    m_ui->lineEditW80->setValidator(new MoistStorageValidator(&layer, true));
    m_ui->lineEditWSat->setValidator(new MoistStorageValidator(&layer, false));
    m_ui->lineEditMaterialName->setText(layer.name());
    // A long name is wider than the field: its beginning says more than its end.
    m_ui->lineEditMaterialName->setCursorPosition(0);
    m_shownText.insert(m_ui->lineEditMaterialName, layer.name());

    // Air spaces take their values from the width: only the width can be edited.
    const bool editable = !layer.isAir();
    for (QtExt::ValidatingLineEdit *field : {m_ui->lineEditLambda, m_ui->lineEditMu, m_ui->lineEditW80,
                                             m_ui->lineEditWSat, m_ui->lineEditAw, m_ui->lineEdit_sdValue})
        field->setEnabled(editable);

    for (int kind :
         {V2_UndoMaterialParameters::Mu, V2_UndoMaterialParameters::W80, V2_UndoMaterialParameters::Wsat,
          V2_UndoMaterialParameters::Lambda, V2_UndoMaterialParameters::Aw, V2_UndoMaterialParameters::Width}) {
        const double value = shownValue(layer, kind);
        QLineEdit *field = nullptr;
        switch (kind) {
        case V2_UndoMaterialParameters::Mu: field = m_ui->lineEditMu; break;
        case V2_UndoMaterialParameters::W80: field = m_ui->lineEditW80; break;
        case V2_UndoMaterialParameters::Wsat: field = m_ui->lineEditWSat; break;
        case V2_UndoMaterialParameters::Lambda: field = m_ui->lineEditLambda; break;
        case V2_UndoMaterialParameters::Aw: field = m_ui->lineEditAw; break;
        default: field = m_ui->lineEditWidth; break;
        }
        showValue(field, value);
    }
    showColor(layer.color());

    // A product sd-value fixes the width; otherwise the sd-value follows from the width.
    const bool widthFree = layer.sd_value() == 0;
    m_ui->lineEditWidth->setEnabled(widthFree);
    m_ui->lineEdit_sdValue->setValue(widthFree ? layer.width() * layer.mu() : layer.sd_value());
}

double MaterialEditWidget::shownValue(const MaterialLayer &layer, int kind) const {
    switch (kind) {
    case V2_UndoMaterialParameters::Mu: return layer.mu();
    case V2_UndoMaterialParameters::W80: return layer.w_80();
    case V2_UndoMaterialParameters::Wsat: return layer.w_sat();
    case V2_UndoMaterialParameters::Lambda: return layer.lambda(heatFlowDirection());
    case V2_UndoMaterialParameters::Aw: return m_awInSeconds ? layer.Aw() : awPerRootHour(layer.Aw());
    default: return layer.width(m_widthUnit);
    }
}

double MaterialEditWidget::modelValue(int kind, double value) const {
    if (kind == V2_UndoMaterialParameters::Aw)
        return m_awInSeconds ? value : awPerRootSecond(value);
    if (kind != V2_UndoMaterialParameters::Width)
        return value;
    MaterialLayer converted;
    converted.setWidth(value, m_widthUnit);
    return converted.width();
}

void MaterialEditWidget::showValue(QLineEdit *field, double value) {
    static_cast<QtExt::ValidatingLineEdit *>(field)->setValue(value);
    m_shownText.insert(field, field->text());
}

void MaterialEditWidget::showUnits() {
    QString unit = "mm";
    switch (m_widthUnit) {
    case 1: unit = "m"; break;
    case 10: unit = "dm"; break;
    case 100: unit = "cm"; break;
    default: break;
    }
    m_ui->labelWidth->setText(tr("Layer width/height [%1]:").arg(unit));
    m_ui->lineEditWidth->setDefaultToolTip(tr("This filed changes the width of a material layer.") + "\n" +
                                           tr("Width in %1, greater than 0. The unit can be configured in settings "
                                              "dialogue.")
                                               .arg(unit));
    const QChar squared(0xB2), half(0xBD);
    if (m_awInSeconds) {
        m_ui->labelAw->setText(tr("Water absorption coefficient [kg/m%1s%2]:").arg(squared).arg(half));
        m_ui->lineEditAw->setDefaultToolTip(tr("Water absorption coefficient in kg/(m²·s½), 0 or greater."));
    }
    else {
        m_ui->labelAw->setText(tr("Water absorption coefficient [kg/m%1h%2]:").arg(squared).arg(half));
        m_ui->lineEditAw->setDefaultToolTip(tr("Water absorption coefficient in kg/(m²·h½), 0 or greater."));
    }
}

void MaterialEditWidget::showColor(const QColor &color) {
    m_ui->pushButtonColor->setStyleSheet(QString("background-color: %1;").arg(color.name()));
}

const MaterialLayer *MaterialEditWidget::layer() const {
    if (!m_project || !m_project->hasDocument())
        return nullptr;
    const QVector<MaterialLayer> &layers = m_project->document()->inputData().layers();
    if (m_layerIndex < 0 || m_layerIndex >= layers.size())
        return nullptr;
    return &layers[m_layerIndex];
}

HeatFlowDirection MaterialEditWidget::heatFlowDirection() const {
    if (!m_project || !m_project->hasDocument())
        return HeatFlowDirection::Horizontal;
    return m_project->document()->projectInformation().m_heatFlowDirection;
}

int MaterialEditWidget::kindOf(const QObject *field) const {
    if (field == m_ui->lineEditWidth)
        return V2_UndoMaterialParameters::Width;
    if (field == m_ui->lineEditLambda)
        return V2_UndoMaterialParameters::Lambda;
    if (field == m_ui->lineEditMu)
        return V2_UndoMaterialParameters::Mu;
    if (field == m_ui->lineEditW80)
        return V2_UndoMaterialParameters::W80;
    if (field == m_ui->lineEditWSat)
        return V2_UndoMaterialParameters::Wsat;
    if (field == m_ui->lineEditAw)
        return V2_UndoMaterialParameters::Aw;
    return -1;
}

void MaterialEditWidget::doubleEditingFinished() {
    auto *field = qobject_cast<QtExt::ValidatingLineEdit *>(sender());
    const int kind = kindOf(field);
    const MaterialLayer *shown = layer();
    if (kind < 0 || !shown || field->text() == m_shownText.value(field))
        return;
    if (!field->isValid()) {
        showLayer(*shown);
        return;
    }
    auto command = std::make_unique<V2_UndoMaterialParameters>(*m_project, undoText(kind), m_table, kind, m_layerIndex,
                                                               modelValue(kind, field->value()));
    if (command->isValidChange())
        m_undoStack.push(command.release());
    if (kind == V2_UndoMaterialParameters::Width) {
        if (auto *table = qobject_cast<ConstructionTableWidget *>(m_table))
            table->updateColumnWidths();
    }
    setLayer(m_layerIndex);
}

void MaterialEditWidget::on_lineEditMaterialName_editingFinished() {
    const MaterialLayer *shown = layer();
    const QString name = m_ui->lineEditMaterialName->text();
    if (!shown || name == shown->name())
        return;
    auto command = std::make_unique<V2_UndoMaterialName>(
        *m_project, tr("Undo change of material name at layer No. %1").arg(m_layerIndex + 1), m_table, m_layerIndex,
        name);
    if (command->isValidChange())
        m_undoStack.push(command.release());
}

void MaterialEditWidget::on_pushButtonColor_clicked() {
    const MaterialLayer *shown = layer();
    if (!shown)
        return;
    const QColor color = QColorDialog::getColor(shown->color(), this, tr("Select Layer Color"));
    if (!color.isValid() || color == shown->color())
        return;
    m_undoStack.push(new V2_UndoLayerColor(*m_project, m_table, m_layerIndex, color));
}

QString MaterialEditWidget::undoText(int kind) const {
    const int number = m_layerIndex + 1;
    switch (kind) {
    case V2_UndoMaterialParameters::Width: return tr("Undo layer width change at layer No. %1").arg(number);
    case V2_UndoMaterialParameters::Lambda: return tr("Undo lambda change at layer No. %1").arg(number);
    case V2_UndoMaterialParameters::Mu:
        return tr("Undo %L1-value change at layer No. %2").arg(QChar(0x3BC)).arg(number);
    case V2_UndoMaterialParameters::W80: return tr("Undo w_80 change at layer No. %1").arg(number);
    case V2_UndoMaterialParameters::Wsat: return tr("Undo w_sat change at layer No. %1").arg(number);
    default: return tr("Undo Aw change at layer No. %1").arg(number);
    }
}
