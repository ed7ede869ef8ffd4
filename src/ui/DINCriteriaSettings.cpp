#include "DINCriteriaSettings.h"
#include "ui_DINCriteriaSettings.h"

#include <calculation/PhysicalProperties.h>
#include <model/ReportSettings.h>

#include <limits>

namespace {
/*! Limits are kept per s^0.5 and shown per h^0.5. */
} // namespace

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
    connect(m_ui->lineEditNonCapillar, &QLineEdit::textChanged, this, &DINCriteriaSettings::valueTextChanged);
    setSettings(ReportSettings());
}

DINCriteriaSettings::~DINCriteriaSettings() {
    delete m_ui;
}

void DINCriteriaSettings::setSettings(const ReportSettings &settings) {
    switch (settings.m_DIN4108_3Accordance_Type) {
    case ReportSettings::DIN4108_3_2001: m_ui->radioButtonDIN4108_3_2001->setChecked(true); break;
    case ReportSettings::DIN4108_3_2014: m_ui->radioButtonDIN4108_3_2014->setChecked(true); break;
    case ReportSettings::DIN4108_3_UserDefined: m_ui->radioButtonUserDefined->setChecked(true); break;
    default: m_ui->radioButtonDIN4108_3_2018->setChecked(true); break;
    }
    if (settings.m_capillaryCheckOneSide)
        m_ui->radioButtonOnSide->setChecked(true);
    else
        m_ui->radioButtonTwoSide->setChecked(true);
    m_ui->lineEditNonCapillar->setReadOnly(settings.m_DIN4108_3Accordance_Type !=
                                           ReportSettings::DIN4108_3_UserDefined);
    m_ui->lineEditNonCapillar->setValue(awPerRootHour(settings.m_nonCapillarAw));
    m_ui->lineEditCapillarActive->setValue(awPerRootHour(settings.m_capillarActiveAw));
}

void DINCriteriaSettings::getSettings(ReportSettings &settings) const {
    if (m_ui->radioButtonUserDefined->isChecked())
        settings.m_DIN4108_3Accordance_Type = ReportSettings::DIN4108_3_UserDefined;
    else if (m_ui->radioButtonDIN4108_3_2001->isChecked())
        settings.m_DIN4108_3Accordance_Type = ReportSettings::DIN4108_3_2001;
    else if (m_ui->radioButtonDIN4108_3_2014->isChecked())
        settings.m_DIN4108_3Accordance_Type = ReportSettings::DIN4108_3_2014;
    else
        settings.m_DIN4108_3Accordance_Type = ReportSettings::DIN4108_3_2018;
    settings.m_capillaryCheckOneSide = m_ui->radioButtonOnSide->isChecked();
    settings.m_nonCapillarAw = awPerRootSecond(m_ui->lineEditNonCapillar->value());
    settings.m_capillarActiveAw = awPerRootSecond(m_ui->lineEditCapillarActive->value());
}

void DINCriteriaSettings::on_radioButtonUserDefined_clicked() {
    m_ui->lineEditNonCapillar->setReadOnly(false);
    emit DINCriteriaSettingsChanged();
}

void DINCriteriaSettings::on_radioButtonDIN4108_3_2001_clicked() {
    chooseStandardEdition(ReportSettings::DIN4108_3_2001);
}

void DINCriteriaSettings::on_radioButtonDIN4108_3_2014_clicked() {
    chooseStandardEdition(ReportSettings::DIN4108_3_2014);
}

void DINCriteriaSettings::on_radioButtonDIN4108_3_2018_clicked() {
    chooseStandardEdition(ReportSettings::DIN4108_3_2018);
}

void DINCriteriaSettings::valueChanged() {
    emit DINCriteriaSettingsChanged();
}

void DINCriteriaSettings::valueTextChanged(const QString &) {
    if (m_ui->lineEditNonCapillar->isValid())
        emit DINCriteriaSettingsChanged();
}

void DINCriteriaSettings::chooseStandardEdition(int edition) {
    m_ui->lineEditNonCapillar->setReadOnly(true);
    m_ui->lineEditNonCapillar->setValue(ReportSettings::awLimitForEdition(edition));
    emit DINCriteriaSettingsChanged();
}
