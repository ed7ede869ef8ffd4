#include "AssessmentTypeWidget.h"
#include "ui_AssessmentTypeWidget.h"

#include "ClimateEditWidget.h"
#include "V2_UndoClimateCommands.h"

#include <model/Project.h>

#include <QUndoStack>

#include <memory>

AssessmentTypeWidget::AssessmentTypeWidget(Project &project, QUndoStack &undoStack, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::AssessmentTypeWidget), m_project(&project), m_undoStack(undoStack) {
    const bool previous = setChangeHandling(false);
    m_ui->setupUi(this);
    for (int type : {AT_Custom, AT_DIN4108_2001, AT_DIN4108_2014})
        m_ui->comboBoxAssessmentType->addItem(AssessmentConditions::typeName(type), type);
    m_ui->lineEditCondensationTime->setup(0.1, 300, tr("The condensation time must be > 0d and < 300d."), false, false);
    m_ui->lineEditDryingTime->setup(0.1, 300, tr("The drying time must be > 0d and < 300d."), false, false);

    m_ui->comboBoxAssessmentType->setAccessibleName(tr("Assessment type"));
    m_ui->lineEditCondensationTime->setAccessibleName(tr("Condensation time"));
    m_ui->lineEditDryingTime->setAccessibleName(tr("Drying time"));
    m_ui->comboBoxAssessmentType->setToolTip(tr("Custom conditions or the climates and periods of DIN 4108-3."));
    m_ui->lineEditCondensationTime->setDefaultToolTip(tr("Length of the condensation period in days, greater than 0.1 "
                                                         "and less than 300."));
    m_ui->lineEditDryingTime->setDefaultToolTip(tr("Length of the drying period in days, greater than 0.1 and less "
                                                   "than 300."));

    connect(m_ui->lineEditCondensationTime, &QLineEdit::editingFinished, this,
            &AssessmentTypeWidget::doubleEditingFinished);
    connect(m_ui->lineEditDryingTime, &QLineEdit::editingFinished, this, &AssessmentTypeWidget::doubleEditingFinished);
    // Every change of the project, an undo included, shows here and in the climate editor.
    connect(&project, &Project::modified, this, &AssessmentTypeWidget::updateFromProject);
    setChangeHandling(previous);
}

AssessmentTypeWidget::~AssessmentTypeWidget() {
    delete m_ui;
}

void AssessmentTypeWidget::updateFromProject() {
    if (!m_project || !m_project->hasDocument())
        return;
    const bool previous = setChangeHandling(false);
    const AssessmentConditions &conditions = m_project->document()->inputData().conditions();
    if (m_customChoice && *m_customChoice != conditions)
        m_customChoice.reset();
    const int type = shownType();
    m_ui->comboBoxAssessmentType->setCurrentIndex(m_ui->comboBoxAssessmentType->findData(type));
    m_ui->lineEditCondensationTime->setValue(conditions.tT());
    m_ui->lineEditDryingTime->setValue(conditions.tT_summer());
    for (const QLineEdit *field : {m_ui->lineEditCondensationTime, m_ui->lineEditDryingTime})
        m_shownText.insert(field, field->text());
    m_ui->lineEditCondensationTime->setEnabled(type == AT_Custom);
    m_ui->lineEditDryingTime->setEnabled(type == AT_Custom);
    if (m_climateEditor)
        m_climateEditor->setAssessmentType(type, true);
    setChangeHandling(previous);
}

bool AssessmentTypeWidget::setChangeHandling(bool on) {
    const bool previous = m_changeHandling;
    m_changeHandling = on;
    return previous;
}

int AssessmentTypeWidget::captionWidth() const {
    return qMax(m_ui->labelCondensationTime->sizeHint().width(), m_ui->labelDryingTime->sizeHint().width());
}

void AssessmentTypeWidget::setCaptionWidth(int width) {
    m_ui->gridLayout->setColumnMinimumWidth(0, width);
}

void AssessmentTypeWidget::doubleEditingFinished() {
    // The last valid value of a field left invalid is some text typed on the way (30 on the way to 300): an
    // invalid field keeps its message and changes nothing.
    auto *field = qobject_cast<QtExt::ValidatingLineEdit *>(sender());
    if (!editable() || !field || !field->isValid() || field->text() == m_shownText.value(field))
        return;
    if (sender() == m_ui->lineEditCondensationTime)
        pushType(shownType(), tr("Undo change of condensation time."));
    else if (sender() == m_ui->lineEditDryingTime)
        pushType(shownType(), tr("Undo change of evaporation time"));
}

void AssessmentTypeWidget::on_comboBoxAssessmentType_currentIndexChanged(int index) {
    if (!editable() || index < 0)
        return;
    const int type = m_ui->comboBoxAssessmentType->itemData(index).toInt();
    m_ui->lineEditCondensationTime->setEnabled(type == AT_Custom);
    m_ui->lineEditDryingTime->setEnabled(type == AT_Custom);
    const AssessmentConditions &conditions = m_project->document()->inputData().conditions();
    // Values of a standard type stay standard until one of them is edited: remember the choice meanwhile.
    if (type == AT_Custom && conditions.type() != AT_Custom)
        m_customChoice = conditions;
    else
        m_customChoice.reset();
    if (type != conditions.type())
        pushType(type, tr("Undo change of assessment type."));
    if (m_climateEditor)
        m_climateEditor->setAssessmentType(type, true);
}

bool AssessmentTypeWidget::editable() const {
    return m_changeHandling && m_project && m_project->hasDocument();
}

int AssessmentTypeWidget::shownType() const {
    if (m_customChoice)
        return AT_Custom;
    return m_project->document()->inputData().conditions().type();
}

void AssessmentTypeWidget::pushType(int type, const QString &text) {
    auto command = std::make_unique<V2_UndoAssessmentType>(
        *m_project, text, type, m_ui->lineEditCondensationTime->value(), m_ui->lineEditDryingTime->value());
    if (command->isValidChange())
        m_undoStack.push(command.release());
}
