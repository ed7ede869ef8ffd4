#include "ClimateEditWidget.h"
#include "ui_ClimateEditWidget.h"

#include "V2_UndoClimateCommands.h"
#include "WinterTemperatureValidator.h"

#include <model/Project.h>

#include <QTableWidget>
#include <QUndoStack>

#include <limits>
#include <memory>

namespace {
const double MAX_DOUBLE = std::numeric_limits<double>::max();
} // namespace

ClimateEditWidget::ClimateEditWidget(Project &project, QUndoStack &undoStack, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::ClimateEditWidget), m_project(&project), m_undoStack(undoStack) {
    m_ui->setupUi(this);
    m_ui->lineEditClimateT->setup(-40, 80, tr("The temperature must be > -40%1C and < 80%1C.").arg(QChar(0xB0)), false,
                                  false);
    m_ui->lineEditClimateRH->setup(0, 100, tr("The relative humidity must be > 0% and < 100%."), false, false);
    m_ui->lineEditClimateRT->setup(0, MAX_DOUBLE, tr("The surface resistance must be >= 0."), false, false);

    m_ui->comboBoxClimatePresets->setAccessibleName(tr("Climate data preset"));
    m_ui->lineEditClimateT->setAccessibleName(tr("Temperature"));
    m_ui->lineEditClimateRH->setAccessibleName(tr("Relative humidity"));
    m_ui->lineEditClimateRT->setAccessibleName(tr("Surface transfer resistance"));
    m_ui->comboBoxClimatePresets->setToolTip(tr("Standard climates of the chosen assessment type for this side."));
    m_ui->lineEditClimateT->setDefaultToolTip(tr("Temperature in °C, greater than -40 and less than 80."));
    m_ui->lineEditClimateRH->setDefaultToolTip(tr("Relative humidity in %, greater than 0 and less than 100."));
    m_ui->lineEditClimateRT->setDefaultToolTip(tr("Surface transfer resistance in m²K/W, greater than 0."));

    connect(m_ui->lineEditClimateT, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
            &ClimateEditWidget::doubleEditingFinishedTemperature);
    connect(m_ui->lineEditClimateRH, &QLineEdit::editingFinished, this, &ClimateEditWidget::doubleEditingFinished);
    connect(m_ui->lineEditClimateRT, &QLineEdit::editingFinished, this, &ClimateEditWidget::doubleEditingFinished);
    connect(m_ui->comboBoxClimatePresets, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ClimateEditWidget::comboBoxClimatePresetsCurrentIndexChanged);
    connect(m_ui->radioButtonWinter, &QRadioButton::clicked, this, &ClimateEditWidget::radioButtonPeriod_clicked);
    connect(m_ui->radioButtonSummer, &QRadioButton::clicked, this, &ClimateEditWidget::radioButtonPeriod_clicked);
    // Every change of the project, an undo included, shows here.
    connect(&project, &Project::modified, this, &ClimateEditWidget::updateFields);
}

void ClimateEditWidget::setLayerTable(QTableWidget *table) {
    m_table = table;
}

ClimateEditWidget::~ClimateEditWidget() {
    delete m_ui;
}

void ClimateEditWidget::init(bool warmSide) {
    const bool sideChanged = warmSide != m_warmSide;
    m_warmSide = warmSide;
    if (m_project && m_project->hasDocument())
        setAssessmentType(m_project->document()->inputData().conditions().type(), sideChanged);
}

void ClimateEditWidget::setAssessmentType(int type, bool force) {
    const bool previous = setChangeHandling(false);
    if (force || type != m_assessmentType) {
        m_assessmentType = type;
        rebuildPresets();
        updateFields();
    }
    const bool custom = type == AT_Custom;
    m_ui->lineEditClimateT->setEnabled(custom);
    m_ui->lineEditClimateRH->setEnabled(custom);
    m_ui->lineEditClimateRT->setEnabled(custom);
    setChangeHandling(previous);
}

void ClimateEditWidget::setPeriod(bool condensation) {
    QRadioButton *button = condensation ? m_ui->radioButtonWinter : m_ui->radioButtonSummer;
    if (!button->isChecked())
        button->setChecked(true);
    updateFields();
}

void ClimateEditWidget::updateFields() {
    if (!m_project || !m_project->hasDocument())
        return;
    const bool previous = setChangeHandling(false);
    const ClimateRecord &climate = record();
    m_ui->lineEditClimateT->setValue(climate.T);
    m_ui->lineEditClimateRH->setValue(climate.rh);
    m_ui->lineEditClimateRT->setValue(climate.Rs);
    for (const QLineEdit *field : {m_ui->lineEditClimateT, m_ui->lineEditClimateRH, m_ui->lineEditClimateRT})
        m_shownText.insert(field, field->text());
    if (condensationPeriod())
        m_ui->lineEditClimateT->setValidator(new WinterTemperatureValidator(m_project, m_warmSide));
    else
        m_ui->lineEditClimateT->setValidator(nullptr);

    m_ui->comboBoxClimatePresets->setEnabled(condensationPeriod());
    if (condensationPeriod()) {
        const int index =
            m_ui->comboBoxClimatePresets->findData(ClimatePresets::findPresetId(climate.T, climate.rh, climate.Rs));
        m_ui->comboBoxClimatePresets->setCurrentIndex(qMax(index, 0));
    }
    setChangeHandling(previous);
}

bool ClimateEditWidget::setChangeHandling(bool on) {
    const bool previous = m_changeHandling;
    m_changeHandling = on;
    return previous;
}

int ClimateEditWidget::captionWidth() const {
    int width = 0;
    const QList<const QWidget *> captions = {m_ui->labelClimateT, m_ui->labelClimateRH, m_ui->labelClimateRT,
                                             m_ui->radioButtonWinter};
    for (const QWidget *caption : captions)
        width = qMax(width, caption->sizeHint().width());
    return width;
}

void ClimateEditWidget::setCaptionWidth(int width) {
    m_ui->gridLayout->setColumnMinimumWidth(0, width);
}

void ClimateEditWidget::doubleEditingFinishedTemperature() {
    if (!editable() || unchanged(m_ui->lineEditClimateT))
        return;
    if (!m_ui->lineEditClimateT->isValid()) {
        m_ui->lineEditClimateT->setValue(record().T);
        return;
    }
    const int kind = condensationPeriod() ? V2_UndoClimate::WinterTemperature : V2_UndoClimate::SummerTemperature;
    pushClimate(kind, tr("Undo change of temperature (condensation) at %1").arg(sideText()), m_ui->lineEditClimateT);
}

void ClimateEditWidget::doubleEditingFinished() {
    if (!editable() || unchanged(qobject_cast<const QLineEdit *>(sender())))
        return;
    if (sender() == m_ui->lineEditClimateRH) {
        const int kind = condensationPeriod() ? V2_UndoClimate::WinterHumidity : V2_UndoClimate::SummerHumidity;
        pushClimate(kind, tr("Undo change of relative humidity (condensation) at %1").arg(sideText()),
                    m_ui->lineEditClimateRH);
    }
    else if (sender() == m_ui->lineEditClimateRT) {
        pushClimate(V2_UndoClimate::SurfaceResistance, tr("Undo change of surface resistance at %1").arg(sideText()),
                    m_ui->lineEditClimateRT);
    }
}

void ClimateEditWidget::comboBoxClimatePresetsCurrentIndexChanged(int index) {
    if (!m_changeHandling || !m_project || !m_project->hasDocument() || index < 0)
        return;
    const auto presets = ClimatePresets::presets();
    const auto preset = presets.constFind(m_ui->comboBoxClimatePresets->itemText(index));
    if (preset == presets.constEnd())
        return;
    QSignalBlocker blocker(m_ui->comboBoxClimatePresets);
    auto command = std::make_unique<V2_UndoClimateAll>(
        *m_project, tr("Undo change climate data set at %1").arg(sideText()), m_table, m_warmSide, preset->id);
    if (command->isValidChange())
        m_undoStack.push(command.release());
}

void ClimateEditWidget::radioButtonPeriod_clicked() {
    updateFields();
}

bool ClimateEditWidget::condensationPeriod() const {
    return m_ui->radioButtonWinter->isChecked();
}

QString ClimateEditWidget::sideText() const {
    return m_warmSide ? tr("warm side") : tr("cold side");
}

const ClimateRecord &ClimateEditWidget::record() const {
    const AssessmentConditions &conditions = m_project->document()->inputData().conditions();
    if (condensationPeriod())
        return m_warmSide ? conditions.interiorWinter() : conditions.exteriorWinter();
    return m_warmSide ? conditions.interiorSummer() : conditions.exteriorSummer();
}

void ClimateEditWidget::rebuildPresets() {
    QComboBox *combo = m_ui->comboBoxClimatePresets;
    combo->clear();
    const bool outdoor = !m_warmSide;
    const QVector<int> ids = ClimatePresets::presetIds(m_assessmentType, outdoor);
    const auto presets = ClimatePresets::presets();
    for (const ClimatePreset &preset : presets) {
        // Id 0 names one custom row per side.
        if (ids.contains(preset.id) && preset.climate.outdoor == outdoor)
            combo->addItem(preset.name, preset.id);
    }
}

void ClimateEditWidget::pushClimate(int kind, const QString &text, QtExt::ValidatingLineEdit *field) {
    if (!field->isValid()) {
        field->setFocus();
        return;
    }
    auto command = std::make_unique<V2_UndoClimate>(*m_project, text, m_table, kind, m_warmSide, field->value());
    if (command->isValidChange())
        m_undoStack.push(command.release());
}

bool ClimateEditWidget::editable() const {
    return m_changeHandling && m_project && m_project->hasDocument();
}

bool ClimateEditWidget::unchanged(const QLineEdit *field) const {
    return field && field->text() == m_shownText.value(field);
}
