#include "DryingReserveSettings.h"
#include "ui_DryingReserveSettings.h"

#include <limits>

namespace {
const double TOLERANCE = 1e-10;
/*! The two standard reserves in g/(m²a). */
const double WALLS_RESERVE = 100;
const double ROOFS_RESERVE = 250;
const double GRAMS_PER_KILOGRAM = 1000;

/*! Bounds compared as doubles, so that 100.0000000001 lies within 1e-10 of 100. */
bool near(double value, double target) {
    return value >= target - TOLERANCE && value <= target + TOLERANCE;
}
} // namespace

DryingReserveSettings::DryingReserveSettings(QWidget *parent) : QWidget(parent), m_ui(new Ui::DryingReserveSettings) {
    m_ui->setupUi(this);
    m_ui->lineEdit_dryingReserve->setup(0, std::numeric_limits<double>::max(), tr("The drying reserve cannot be < 0."),
                                        true, false);
    m_ui->lineEdit_dryingReserve->setAccessibleName(tr("Custom drying reserve"));
    m_ui->lineEdit_dryingReserve->setDefaultToolTip(tr("Drying reserve in g/(m²a), 0 or greater."));
    m_ui->label_MessageNoCondensate->hide();
    for (QRadioButton *button : {m_ui->radioButton_NoDryingReserve, m_ui->radioButton_100DryingReserve,
                                 m_ui->radioButton_250DryingReserve, m_ui->radioButton_CustomDryingReserve})
        connect(button, &QRadioButton::clicked, this, &DryingReserveSettings::radioButtonClicked);
    m_ui->lineEdit_dryingReserve->setValue(0);
    updateState();
}

DryingReserveSettings::~DryingReserveSettings() {
    delete m_ui;
}

void DryingReserveSettings::setDryingReserve(double value) {
    if (value <= TOLERANCE) {
        m_ui->lineEdit_dryingReserve->setValue(0);
        m_ui->radioButton_NoDryingReserve->setChecked(true);
    }
    else if (near(value, WALLS_RESERVE)) {
        m_ui->lineEdit_dryingReserve->setValue(WALLS_RESERVE);
        m_ui->radioButton_100DryingReserve->setChecked(true);
    }
    else if (near(value, ROOFS_RESERVE)) {
        m_ui->lineEdit_dryingReserve->setValue(ROOFS_RESERVE);
        m_ui->radioButton_250DryingReserve->setChecked(true);
    }
    else {
        m_ui->lineEdit_dryingReserve->setValue(value);
        m_ui->radioButton_CustomDryingReserve->setChecked(true);
    }
    updateState();
}

double DryingReserveSettings::dryingReserve() const {
    if (m_ui->radioButton_100DryingReserve->isChecked())
        return WALLS_RESERVE / GRAMS_PER_KILOGRAM;
    if (m_ui->radioButton_250DryingReserve->isChecked())
        return ROOFS_RESERVE / GRAMS_PER_KILOGRAM;
    if (m_ui->radioButton_CustomDryingReserve->isChecked())
        return m_ui->lineEdit_dryingReserve->value() / GRAMS_PER_KILOGRAM;
    return 0;
}

void DryingReserveSettings::setNoCondensation(bool noCondensation) {
    if (noCondensation)
        m_ui->radioButton_NoDryingReserve->setChecked(true);
    const QList<QWidget *> controls = {m_ui->radioButton_100DryingReserve,    m_ui->radioButton_250DryingReserve,
                                       m_ui->radioButton_CustomDryingReserve, m_ui->lineEdit_dryingReserve,
                                       m_ui->label_100DryingReserve,          m_ui->label_250DryingReserve};
    for (QWidget *control : controls)
        control->setEnabled(!noCondensation);
    m_ui->label_MessageNoCondensate->setVisible(noCondensation);
    updateState();
}

void DryingReserveSettings::radioButtonClicked() {
    updateState();
    emit dryingReserveChanged(dryingReserve());
}

void DryingReserveSettings::on_pushButtonUpdate_clicked() {
    emit dryingReserveChanged(dryingReserve());
}

void DryingReserveSettings::updateState() {
    const bool none = m_ui->radioButton_NoDryingReserve->isChecked();
    m_ui->lineEdit_dryingReserve->setVisible(!none);
    m_ui->label_dryingReserveUnit->setVisible(!none);
    const bool custom = m_ui->radioButton_CustomDryingReserve->isChecked();
    m_ui->lineEdit_dryingReserve->setEnabled(custom && m_ui->radioButton_CustomDryingReserve->isEnabled());
    if (m_ui->radioButton_100DryingReserve->isChecked())
        m_ui->lineEdit_dryingReserve->setValue(WALLS_RESERVE);
    else if (m_ui->radioButton_250DryingReserve->isChecked())
        m_ui->lineEdit_dryingReserve->setValue(ROOFS_RESERVE);
}
