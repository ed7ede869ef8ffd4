#include "DINCriteriaSettings.h"
#include "ui_DINCriteriaSettings.h"

#include <calculation/PhysicalProperties.h>
#include <model/AssessmentChoices.h>

#include <limits>

DINCriteriaSettings::DINCriteriaSettings(QWidget *parent) : QWidget(parent), m_ui(new Ui::DINCriteriaSettings) {
    m_ui->setupUi(this);
    const QString unit = QString("kg/m%1h%2").arg(QChar(0xB2)).arg(QChar(0xBD));
    m_ui->labelNonCapillarUnit->setText(unit);
    m_ui->labelCapillarActiveUnit->setText(unit);
    for (QtExt::ValidatingLineEdit *field : {m_ui->lineEditNonCapillar, m_ui->lineEditCapillarActive}) {
        field->setup(0, std::numeric_limits<double>::max(), tr("The Aw value cannot be < 0."), true, false);
        field->setDefaultToolTip(tr("Water absorption coefficient in kg/(m²·h½), 0 or greater."));
        connect(field, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully, this,
                &DINCriteriaSettings::valueChanged);
    }
    m_ui->lineEditNonCapillar->setAccessibleName(tr("Aw value for non capillar material"));
    m_ui->lineEditCapillarActive->setAccessibleName(tr("Aw value for capillar active material"));
    setSettings(AssessmentChoices());
}

DINCriteriaSettings::~DINCriteriaSettings() {
    delete m_ui;
}

// Limits are kept per s^0.5 and shown per h^0.5.
void DINCriteriaSettings::setSettings(const AssessmentChoices &settings) {
    const int edition = settings.m_DIN4108_3Accordance_Type;
    switch (edition) {
    case AssessmentChoices::DIN4108_3_2001: m_ui->radioButtonDIN4108_3_2001->setChecked(true); break;
    case AssessmentChoices::DIN4108_3_2014: m_ui->radioButtonDIN4108_3_2014->setChecked(true); break;
    case AssessmentChoices::DIN4108_3_UserDefined: m_ui->radioButtonUserDefined->setChecked(true); break;
    default: m_ui->radioButtonDIN4108_3_2018->setChecked(true); break;
    }
    if (settings.m_capillaryCheckOneSide)
        m_ui->radioButtonOnSide->setChecked(true);
    else
        m_ui->radioButtonTwoSide->setChecked(true);
    const bool userDefined = edition == AssessmentChoices::DIN4108_3_UserDefined;
    m_userDefinedAw = awPerRootHour(settings.m_nonCapillarAw);
    m_ui->lineEditNonCapillar->setReadOnly(!userDefined);
    // A standard edition shows the limit it applies, whatever the record keeps for the user-defined one.
    AssessmentChoices shown;
    getSettings(shown);
    m_ui->lineEditNonCapillar->setValue(
        userDefined ? m_userDefinedAw : AssessmentChoices::awLimitForEdition(shown.m_DIN4108_3Accordance_Type));
    m_ui->lineEditCapillarActive->setValue(awPerRootHour(settings.m_capillarActiveAw));
}

void DINCriteriaSettings::getSettings(AssessmentChoices &settings) const {
    if (m_ui->radioButtonUserDefined->isChecked()) {
        settings.m_DIN4108_3Accordance_Type = AssessmentChoices::DIN4108_3_UserDefined;
        settings.m_nonCapillarAw = awPerRootSecond(m_ui->lineEditNonCapillar->value());
    }
    else if (m_ui->radioButtonDIN4108_3_2001->isChecked())
        settings.m_DIN4108_3Accordance_Type = AssessmentChoices::DIN4108_3_2001;
    else if (m_ui->radioButtonDIN4108_3_2014->isChecked())
        settings.m_DIN4108_3Accordance_Type = AssessmentChoices::DIN4108_3_2014;
    else
        settings.m_DIN4108_3Accordance_Type = AssessmentChoices::DIN4108_3_2018;
    settings.m_capillaryCheckOneSide = m_ui->radioButtonOnSide->isChecked();
    settings.m_capillarActiveAw = awPerRootSecond(m_ui->lineEditCapillarActive->value());
}

void DINCriteriaSettings::on_radioButtonUserDefined_clicked() {
    m_ui->lineEditNonCapillar->setReadOnly(false);
    m_ui->lineEditNonCapillar->setValue(m_userDefinedAw);
    emit DINCriteriaSettingsChanged();
}

void DINCriteriaSettings::on_radioButtonDIN4108_3_2001_clicked() {
    chooseStandardEdition(AssessmentChoices::DIN4108_3_2001);
}

void DINCriteriaSettings::on_radioButtonDIN4108_3_2014_clicked() {
    chooseStandardEdition(AssessmentChoices::DIN4108_3_2014);
}

void DINCriteriaSettings::on_radioButtonDIN4108_3_2018_clicked() {
    chooseStandardEdition(AssessmentChoices::DIN4108_3_2018);
}

void DINCriteriaSettings::valueChanged() {
    if (!m_ui->lineEditNonCapillar->isReadOnly())
        m_userDefinedAw = m_ui->lineEditNonCapillar->value();
    emit DINCriteriaSettingsChanged();
}

void DINCriteriaSettings::chooseStandardEdition(int edition) {
    m_ui->lineEditNonCapillar->setReadOnly(true);
    m_ui->lineEditNonCapillar->setValue(AssessmentChoices::awLimitForEdition(edition));
    emit DINCriteriaSettingsChanged();
}
