#include "ConfigPrintDefaults.h"

#include "DINCriteriaSettings.h"
#include "DryingReserveSettings.h"
#include "ReportOptionControls.h"
#include "TextEditWidget.h"
#include "UserLogoSettingsWidget.h"

#include <app/Settings.h>
#include <model/ReportSettings.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QToolBox>
#include <QVBoxLayout>

namespace {

// The preview dialog's controls carry these names without the suffix.
const QString NameSuffix = QStringLiteral("_2");
const double GramsPerKilogram = 1000;

QWidget *page(const char *name, const QList<QWidget *> &widgets, bool stretch = true) {
    auto *page = new QWidget;
    page->setObjectName(QLatin1String(name));
    auto *layout = new QVBoxLayout(page);
    for (QWidget *w : widgets)
        layout->addWidget(w);
    if (stretch)
        layout->addStretch();
    return page;
}

} // namespace

ConfigPrintDefaults::ConfigPrintDefaults(QWidget *parent) : QWidget(parent) {
    m_toolBox = new QToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("toolBoxDefaults"));
    m_toolBox->addItem(generalAppearancePage(), tr("General Appearance"));
    m_toolBox->addItem(inputDataPage(), tr("Input Data"));
    m_toolBox->addItem(resultsPage(), tr("Results"));
    m_toolBox->addItem(diagramsPage(), tr("Diagrams"));
    m_toolBox->addItem(finalRemarksPage(), tr("Final Remarks"));
    ReportOptionControls::fitWidthToPages(m_toolBox);
    // High enough for the first page.
    for (QScrollArea *area : m_toolBox->findChildren<QScrollArea *>())
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int headers = m_toolBox->count() * fontMetrics().height() * 2;
    m_toolBox->setMinimumHeight(m_toolBox->widget(0)->sizeHint().height() + headers);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBox);
    QMetaObject::connectSlotsByName(this);
}

QList<QWidget *> ConfigPrintDefaults::frameCheckBoxes(const QVector<int> &frameIds) {
    QList<QWidget *> boxes;
    for (int frameId : frameIds) {
        const bool finalRemarks = frameId == ReportOptionControls::finalRemarksFrame();
        QCheckBox *box = ReportOptionControls::frameCheckBox(frameId, finalRemarks ? QString() : NameSuffix, this);
        m_frameCheckBoxes.insert(box, frameId);
        boxes << box;
    }
    return boxes;
}

QWidget *ConfigPrintDefaults::generalAppearancePage() {
    m_pageNumbers = ReportOptionControls::pageNumbersCheckBox(NameSuffix, this);
    m_userLogo = new UserLogoSettingsWidget(this);
    m_userLogo->setObjectName(QStringLiteral("widgetUserLogo"));
    auto *logo = new QGroupBox(tr("User logo"), this);
    logo->setObjectName(QStringLiteral("groupBoxUserLogo"));
    (new QVBoxLayout(logo))->addWidget(m_userLogo);
    QList<QWidget *> widgets = frameCheckBoxes(ReportOptionControls::generalFrames());
    // Page numbers belong to the footer.
    widgets.insert(2, m_pageNumbers);
    return page("pageGeneralAppearance", widgets << logo);
}

QWidget *ConfigPrintDefaults::inputDataPage() {
    return page("pageInputData", frameCheckBoxes(ReportOptionControls::inputDataFrames()));
}

QWidget *ConfigPrintDefaults::resultsPage() {
    m_minHeatResVersion = ReportOptionControls::minimumResistanceVersionCombo(this);
    m_minHeatRes = ReportOptionControls::minimumResistanceKindCombo(this);
    m_criteriaSettings = new DINCriteriaSettings(this);
    m_criteriaSettings->setObjectName(QStringLiteral("widgetDINCriteriaSettings"));
    m_dryingReserve = new DryingReserveSettings(this);
    m_dryingReserve->setObjectName(QStringLiteral("widget_dryingReserveSettings"));
    return page("pageResults", frameCheckBoxes(ReportOptionControls::resultFrames())
                                   << new QLabel(ReportOptionControls::minimumResistanceCaption(), this)
                                   << m_minHeatResVersion << m_minHeatRes << m_criteriaSettings << m_dryingReserve);
}

QWidget *ConfigPrintDefaults::diagramsPage() {
    return page("pageDiagrams", frameCheckBoxes(ReportOptionControls::diagramFrames()));
}

QWidget *ConfigPrintDefaults::finalRemarksPage() {
    m_finalRemarks = new TextEditWidget(this);
    m_finalRemarks->setObjectName(QStringLiteral("textEditMainText"));
    m_finalRemarks->setToolTip(tr("Printed in reports of projects without final remarks of their own."));
    return page("pageDisclaimer", frameCheckBoxes({ReportOptionControls::finalRemarksFrame()}) << m_finalRemarks,
                false);
}

void ConfigPrintDefaults::fill(const Settings &settings) {
    const ReportSettings &report = settings.m_reportSettings;
    for (auto it = m_frameCheckBoxes.cbegin(); it != m_frameCheckBoxes.cend(); ++it)
        it.key()->setChecked(report.m_frames.contains(it.value()));
    m_pageNumbers->setChecked(report.m_pageNumbersVisible);
    m_userLogo->setSettings(report.m_userLogo);
    {
        const QSignalBlocker blocker(m_minHeatResVersion);
        m_minHeatResVersion->setCurrentIndex(qMax(0, m_minHeatResVersion->findData(report.m_minimumHeatResVersion)));
    }
    ReportOptionControls::fillMinimumResistanceKinds(m_minHeatResVersion, m_minHeatRes);
    m_minHeatRes->setCurrentIndex(qMax(0, m_minHeatRes->findData(report.m_minimumHeatResConstruction)));
    m_criteriaSettings->setSettings(report);
    m_dryingReserve->setDryingReserve(report.m_dryingReserve * GramsPerKilogram);
    m_finalRemarks->setHtml(report.m_disclaimerText);
}

bool ConfigPrintDefaults::store(Settings &settings) {
    ReportSettings &report = settings.m_reportSettings;
    for (auto it = m_frameCheckBoxes.cbegin(); it != m_frameCheckBoxes.cend(); ++it) {
        if (it.key()->isChecked())
            report.m_frames.insert(it.value());
        else
            report.m_frames.remove(it.value());
    }
    // The default final remarks stand in for a project without remarks when the frame is printed.
    report.m_printDisclaimer = report.m_frames.contains(ReportOptionControls::finalRemarksFrame());
    report.m_disclaimerText = m_finalRemarks->html();
    report.m_pageNumbersVisible = m_pageNumbers->isChecked();
    report.m_userLogo = m_userLogo->settings();
    report.m_minimumHeatResVersion = m_minHeatResVersion->currentData().toInt();
    report.m_minimumHeatResConstruction = m_minHeatRes->currentData().toInt();
    m_criteriaSettings->getSettings(report);
    report.m_dryingReserve = m_dryingReserve->dryingReserve();
    // The older defaults of new reports follow, so that both stored sets agree.
    settings.m_defaultFrames = report.m_frames;
    settings.m_pageNumbersVisible = report.m_pageNumbersVisible;
    settings.m_defaultUserLogo = report.m_userLogo;
    return true;
}

void ConfigPrintDefaults::on_comboBoxMinHeatResVersion_currentIndexChanged(int) {
    // Keep the construction kind where the other edition has it too.
    const QVariant kind = m_minHeatRes->currentData();
    ReportOptionControls::fillMinimumResistanceKinds(m_minHeatResVersion, m_minHeatRes);
    m_minHeatRes->setCurrentIndex(qMax(0, m_minHeatRes->findData(kind)));
}
