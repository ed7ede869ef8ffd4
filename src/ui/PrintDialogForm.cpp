// The print dialog's form: the option tool box on the left, the preview with its zoom tools on the right,
// the output buttons below.

#include "PrintDialog.h"

#include "DINCriteriaSettings.h"
#include "DryingReserveSettings.h"
#include "HTMLTextFormatWidget.h"
#include "ReportOptionControls.h"
#include "TextEditWidget.h"
#include "UserLogoSettingsWidget.h"

#include <app/Settings.h>
#include <calculation/DINCriteria.h>
#include <model/ReportSettings.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <vector>

namespace {

const int MinimumFontSize = 6;
const int MaximumFontSize = 16;

QWidget *page(const QList<QWidget *> &widgets) {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    for (QWidget *w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return page;
}

QPushButton *pushButton(QWidget *parent, const char *name, const QString &text) {
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QToolButton *toolButton(QWidget *parent, const char *name, const QString &text, const QString &toolTip) {
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    return button;
}

} // namespace

void PrintDialog::buildForm() {
    auto *splitter = new QSplitter(this);
    splitter->addWidget(buildOptions());
    splitter->addWidget(buildPreviewArea());
    splitter->setStretchFactor(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(pushButton(this, "pushButtonPrint", tr("Print...")));
    buttons->addWidget(pushButton(this, "pushButtonWritePdf", tr("Write pdf")));
    buttons->addWidget(pushButton(this, "pushButtonPageSetup", tr("Page Setup...")));
    buttons->addStretch();
    buttons->addWidget(pushButton(this, "pushButtonClose", tr("&Close")));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
}

QWidget *PrintDialog::buildOptions() {
    m_toolBox = new QToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("toolBox"));
    m_toolBox->addItem(generalAppearancePage(), tr("General Appearance"));
    m_toolBox->addItem(inputDataPage(), tr("Input Data"));
    m_toolBox->addItem(diagramsPage(), tr("Diagrams"));
    m_toolBox->addItem(resultsPage(), tr("Results"));
    m_toolBox->addItem(finalRemarksPage(), tr("Final Remarks"));
    ReportOptionControls::fitWidthToPages(m_toolBox);
    return m_toolBox;
}

QWidget *PrintDialog::buildPreviewArea() {
    auto *area = new QWidget(this);
    m_zoomOptions = new QComboBox(area);
    m_zoomOptions->setObjectName(QStringLiteral("comboBoxZoomOptions"));
    m_zoomOptions->setAccessibleName(tr("Zoom"));
    m_zoomOptions->addItems({tr("Fit Page in View"), tr("Fit to Page Width"), tr("Custom Zoom")});
    auto *tools = new QHBoxLayout;
    tools->addWidget(m_zoomOptions);
    tools->addWidget(toolButton(area, "toolButtonZoomIn", tr("+"), tr("Zoom in")));
    tools->addWidget(toolButton(area, "toolButtonZoomOut", tr("-"), tr("Zoom out")));
    tools->addWidget(toolButton(area, "toolButtonUpdatePreview", tr("Update"), tr("Update report")));
    tools->addWidget(toolButton(area, "toolButtonExportPage", tr("Export page..."), tr("Export current page to file")));
    tools->addStretch();

    m_preview = new QPrintPreviewWidget(m_printer.get(), area);
    m_preview->setObjectName(QStringLiteral("printPreviewWidget"));
    auto *layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(tools, 0, 0);
    layout->addWidget(m_preview, 1, 0);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);
    return area;
}

QList<QWidget *> PrintDialog::frameCheckBoxes(const QVector<int> &frameIds) {
    QList<QWidget *> boxes;
    for (int frameId : frameIds) {
        QCheckBox *box = ReportOptionControls::frameCheckBox(frameId, QString(), this);
        m_frameCheckBoxes.insert(box, frameId);
        boxes << box;
    }
    return boxes;
}

QWidget *PrintDialog::generalAppearancePage() {
    m_pageNumbers = ReportOptionControls::pageNumbersCheckBox(QString(), this);
    m_projectInfoFormat = new HTMLTextFormatWidget(this);
    m_projectInfoFormat->setObjectName(QStringLiteral("widgetProjectinfoTextFormat"));
    m_font = new QFontComboBox(this);
    m_font->setObjectName(QStringLiteral("fontComboBoxDefault"));
    m_font->setAccessibleName(tr("Report font"));
    m_fontSize = new QSpinBox(this);
    m_fontSize->setObjectName(QStringLiteral("spinBoxFontSize"));
    m_fontSize->setRange(MinimumFontSize, MaximumFontSize);
    m_fontSize->setSuffix(tr(" pt"));
    m_fontSize->setAccessibleName(tr("Report font size"));
    m_userLogo = new UserLogoSettingsWidget(this);
    m_userLogo->setObjectName(QStringLiteral("widgetUserLogo"));

    auto *fonts = new QGroupBox(tr("Report font"), this);
    auto *fontLayout = new QHBoxLayout(fonts);
    fontLayout->addWidget(m_font, 1);
    fontLayout->addWidget(m_fontSize);
    auto *logo = new QGroupBox(tr("User logo"), this);
    (new QVBoxLayout(logo))->addWidget(m_userLogo);
    QList<QWidget *> frames = frameCheckBoxes(ReportOptionControls::generalFrames());
    // Page numbers belong to the footer.
    frames.insert(2, m_pageNumbers);
    return page(frames + QList<QWidget *>{new QLabel(tr("Text format of the project information:"), this),
                                          m_projectInfoFormat, fonts, logo});
}

QWidget *PrintDialog::inputDataPage() {
    return page(frameCheckBoxes(ReportOptionControls::inputDataFrames()));
}

QWidget *PrintDialog::diagramsPage() {
    return page(frameCheckBoxes(ReportOptionControls::diagramFrames()));
}

QWidget *PrintDialog::resultsPage() {
    m_frsiCheck = new QCheckBox(
        tr("Frsi check with inner surface resistance of %L1 m2K/W").arg(DINCriteria::FrsiInnerSurfaceResistance), this);
    m_frsiCheck->setObjectName(QStringLiteral("checkBoxFrsi"));
    m_minHeatResVersion = ReportOptionControls::minimumResistanceVersionCombo(this);
    m_minHeatRes = ReportOptionControls::minimumResistanceKindCombo(this);
    m_criteriaSettings = new DINCriteriaSettings(this);
    m_criteriaSettings->setObjectName(QStringLiteral("widgetDIN4108Settings"));
    m_dryingReserve = new DryingReserveSettings(this);
    m_dryingReserve->setObjectName(QStringLiteral("widget_dryingReserveSettings"));
    return page(frameCheckBoxes(ReportOptionControls::resultFrames()) +
                QList<QWidget *>{m_frsiCheck, new QLabel(ReportOptionControls::minimumResistanceCaption(), this),
                                 m_minHeatResVersion, m_minHeatRes, m_criteriaSettings, m_dryingReserve});
}

QWidget *PrintDialog::finalRemarksPage() {
    m_finalRemarks = new TextEditWidget(this);
    m_finalRemarks->setObjectName(QStringLiteral("widgetTextEdit"));
    QWidget *remarks =
        page(frameCheckBoxes({ReportOptionControls::finalRemarksFrame()}) + QList<QWidget *>{m_finalRemarks});
    // The editor takes the room, not the stretch below it.
    auto *layout = static_cast<QVBoxLayout *>(remarks->layout());
    layout->setStretch(layout->count() - 2, 1);
    layout->setStretch(layout->count() - 1, 0);
    return remarks;
}

void PrintDialog::showSettings() {
    const ReportSettings &report = m_settings.m_reportSettings;
    for (auto it = m_frameCheckBoxes.cbegin(); it != m_frameCheckBoxes.cend(); ++it)
        it.key()->setChecked(report.m_frames.contains(it.value()));
    m_pageNumbers->setChecked(report.m_pageNumbersVisible);
    showAssessment();
    m_font->setCurrentFont(QFont(m_settings.m_fontFamily));
    m_fontSize->setValue(m_settings.m_reportFontPointSize);
    m_userLogo->setSettings(report.m_userLogo);
    m_projectInfoFormat->setFormat(m_projectInfoTextFormat);
}

void PrintDialog::showAssessment() {
    const AssessmentChoices choices = assessmentInForce();
    const QList<QWidget *> controls = {m_frsiCheck, m_minHeatResVersion, m_minHeatRes, m_criteriaSettings,
                                       m_dryingReserve};
    std::vector<QSignalBlocker> blockers(controls.cbegin(), controls.cend());
    m_frsiCheck->setChecked(choices.m_frsiCheck);
    m_minHeatResVersion->setCurrentIndex(qMax(0, m_minHeatResVersion->findData(choices.m_minimumHeatResVersion)));
    ReportOptionControls::fillMinimumResistanceKinds(m_minHeatResVersion, m_minHeatRes);
    m_minHeatRes->setCurrentIndex(qMax(0, m_minHeatRes->findData(choices.m_minimumHeatResConstruction)));
    m_criteriaSettings->setSettings(choices);
    m_dryingReserve->setDryingReserve(choices.m_dryingReserve * 1000);
}

void PrintDialog::connectControls() {
    for (QCheckBox *box : m_frameCheckBoxes.keys())
        connect(box, &QCheckBox::stateChanged, this, &PrintDialog::checkBoxStateChanged);
    connect(m_pageNumbers, &QCheckBox::stateChanged, this, &PrintDialog::pageNumbersEnabled);
    connect(m_frsiCheck, &QCheckBox::stateChanged, this, &PrintDialog::frsiCheckEnabled);
    connect(m_userLogo, &UserLogoSettingsWidget::changed, this, &PrintDialog::userLogoChanged);
    connect(m_projectInfoFormat, &HTMLTextFormatWidget::changed, this, &PrintDialog::projectInfoTextChanged);
    connect(m_finalRemarks, &TextEditWidget::textChanged, this, &PrintDialog::textEdit_textChanged);
    connect(m_dryingReserve, &DryingReserveSettings::dryingReserveChanged, this,
            &PrintDialog::dryingReserveSettingsChanged);
    connect(m_criteriaSettings, &DINCriteriaSettings::DINCriteriaSettingsChanged, this,
            &PrintDialog::DINCriteriaSettingsChanged);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &PrintDialog::printReport);
    QMetaObject::connectSlotsByName(this);
}
