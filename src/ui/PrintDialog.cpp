#include "PrintDialog.h"

#include "DINCriteriaSettings.h"
#include "DryingReserveSettings.h"
#include "FileOutput.h"
#include "HTMLTextFormatWidget.h"
#include "MainWindow.h"
#include "ReportOptionControls.h"
#include "TextEditWidget.h"
#include "UserLogoSettingsWidget.h"
#include "V2_UndoAssessmentCommands.h"
#include "V2_UndoProjectCommands.h"

#include <app/Settings.h>
#include <model/ProgramInfo.h>
#include <model/Project.h>
#include <model/SafeFileWriter.h>
#include <report/Report.h>
#include <report/ReportPdf.h>

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QTimer>
#include <QUndoStack>

#include <vector>

namespace {

const double PageMarginMM = 20;
// Share of the screen the dialog opens with.
const double ScreenShare = 0.8;
// Resolution of an exported page picture: sharp in print, a few megabytes in memory.
const int PageExportDpi = 300;
const double MillimetresPerInch = 25.4;

} // namespace

PrintDialog::PrintDialog(Project &project, QUndoStack *undoStack, Settings &settings, QWidget *parent)
    : QDialog(parent), m_project(project), m_undoStack(undoStack), m_settings(settings),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_report(std::make_unique<Report>(settings.m_fontFamily, settings.m_reportFontPointSize)),
      m_projectInfoTextFormat(Report::FormatNormal) {
    setWindowTitle(tr("Report Preview Dialog"));
    m_remarksBurst = new QTimer(this);
    m_remarksBurst->setSingleShot(true);
    m_remarksBurst->setInterval(RemarksBurstPause);
    connect(m_remarksBurst, &QTimer::timeout, this, &PrintDialog::pushFinalRemarks);
    m_printer->setPageMargins(QMarginsF(PageMarginMM, PageMarginMM, PageMarginMM, PageMarginMM),
                              QPageLayout::Millimeter);
    buildForm();
    showSettings();
    m_zoomOptions->setCurrentIndex(1);
    if (m_project.hasDocument())
        m_finalRemarks->setHtml(m_project.document()->projectInformation().m_disclaimerText);
    connectControls();
    m_preview->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(m_report.get(), &Report::progress, this, &PrintDialog::progress);
    connect(&m_project, &Project::modified, this, &PrintDialog::projectModified);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &PrintDialog::actionHelp_triggered);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * ScreenShare);
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::settingsChanged() {
    // Showing the settings must not write them back; one layout follows.
    QList<QObject *> controls = {m_pageNumbers, m_frsiCheck, m_minHeatResVersion, m_minHeatRes,   m_font,
                                 m_fontSize,    m_userLogo,  m_criteriaSettings,  m_dryingReserve};
    for (QCheckBox *box : m_frameCheckBoxes.keys())
        controls << box;
    std::vector<QSignalBlocker> blockers;
    for (QObject *control : controls)
        blockers.emplace_back(control);
    showSettings();
    blockers.clear();
    updatePreview();
}

void PrintDialog::updatePreview() {
    m_preview->updatePreview();
}

void PrintDialog::printReport(QPrinter *printer) {
    printOnto(printer);
}

bool PrintDialog::printOnto(QPrinter *printer) {
    if (!m_notPrinting)
        return true;
    m_notPrinting = false;
    prepareReport();
    const bool printed = m_report->print(printer);
    m_notPrinting = true;
    return printed;
}

void PrintDialog::prepareReport() {
    const ReportSettings &settings = m_settings.m_reportSettings;
    const Document *document = m_project.document();
    if (document)
        m_report->setSettings(&document->inputData(), &document->calculation().results(),
                              &document->projectInformation(), &settings);
    else
        m_report->setSettings(nullptr, nullptr, nullptr, &settings);
    m_report->setProjectFileName(m_project.fileName());
    m_report->setPageNumbersVisible(settings.m_pageNumbersVisible);
    const UserLogoSettings &logo = settings.m_userLogo;
    m_report->setUserLogo(logo.m_position, logo.m_path, logo.m_widthSetting, logo.m_size);
    m_report->setAwInSeconds(m_settings.m_awInSeconds);
    m_report->setProjectInfoTextFormat(m_projectInfoTextFormat);
    m_report->setFont(m_settings.m_fontFamily, m_settings.m_reportFontPointSize);
}

void PrintDialog::showPrintError() {
    QMessageBox::critical(this, tr("Cannot print report."), tr("Creating paint device failed."));
}

bool PrintDialog::writePdf(const QString &fileName, QString *errorText) {
    commitFinalRemarks();
    const QString target = QFileInfo(fileName).suffix().isEmpty() ? fileName + QStringLiteral(".pdf") : fileName;
    // Made in memory and written only when complete, so that a failure leaves no partial file.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    prepareReport();
    if (!ReportPdf::write(*m_report, &buffer, ProgramInfo::productName())) {
        if (errorText)
            *errorText = tr("Cannot write file '%1': creating the paint device failed.").arg(target);
        return false;
    }
    return SafeFileWriter::write(target, pdf, errorText);
}

bool PrintDialog::exportPage(int page, const QString &fileName, PageFormat format, QString *errorText) {
    commitFinalRemarks();
    prepareReport();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == PdfPage) {
        if (!ReportPdf::write(*m_report, &buffer, ProgramInfo::productName(), page, page)) {
            if (errorText)
                *errorText = tr("Cannot write file '%1': creating the paint device failed.").arg(fileName);
            return false;
        }
        return SafeFileWriter::write(fileName, bytes, errorText);
    }
    // The printable area of an A4 page with the report's margins, at the export resolution.
    const QSizeF pageMM = ReportPdf::pageLayout().paintRect(QPageLayout::Millimeter).size();
    const QSize size = (pageMM * PageExportDpi / MillimetresPerInch).toSize();
    if (format == SvgPage) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(PageExportDpi);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(tr("Report"));
        m_report->paintPage(&generator, page);
        return SafeFileWriter::write(fileName, bytes, errorText);
    }
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(PageExportDpi * 1000 / MillimetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    m_report->paintPage(&image, page);
    if (!image.save(&buffer, format == JpgPage ? "JPG" : "PNG")) {
        if (errorText)
            *errorText = tr("Cannot write file '%1': the picture cannot be encoded.").arg(fileName);
        return false;
    }
    return SafeFileWriter::write(fileName, bytes, errorText);
}

void PrintDialog::print() {
    commitFinalRemarks();
    QPrintDialog dialog(m_printer.get(), this);
    if (dialog.exec() == QDialog::Accepted && !printOnto(m_printer.get()))
        showPrintError();
}

void PrintDialog::on_pushButtonPrint_clicked() {
    print();
}

void PrintDialog::on_pushButtonWritePdf_clicked() {
    const QString fileName =
        QFileDialog::getSaveFileName(this, tr("Export PDF"), exportStartPath(), QStringLiteral("*.pdf"));
    if (fileName.isEmpty())
        return;
    QString errorText;
    if (!writePdf(fileName, &errorText)) {
        FileOutput::showWriteError(this, tr("Export PDF"), errorText);
        return;
    }
    m_settings.m_lastExportFile = fileName;
}

void PrintDialog::on_pushButtonPageSetup_clicked() {
    QPageSetupDialog dialog(m_printer.get(), this);
    if (dialog.exec() == QDialog::Accepted)
        updatePreview();
}

void PrintDialog::on_pushButtonClose_clicked() {
    close();
}

void PrintDialog::on_toolButtonExportPage_clicked() {
    QFileDialog dialog(this, tr("Export current page to file"), exportStartPath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters{tr("Png file (*.png)"), tr("Pdf file (*.pdf)"), tr("Svg file (*.svg)"),
                              tr("Jpg image (*.jpg)")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    m_exportDialog = &dialog;
    connect(&dialog, &QFileDialog::filterSelected, this, &PrintDialog::fileDialogFilterSelected);
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    m_exportDialog = nullptr;
    if (!accepted)
        return;
    const QString fileName = dialog.selectedFiles().first();
    const auto format = PageFormat(qMax(0, filters.indexOf(dialog.selectedNameFilter())));
    QString errorText;
    if (!exportPage(m_preview->currentPage(), fileName, format, &errorText)) {
        FileOutput::showWriteError(this, tr("Export current page to file"), errorText);
        return;
    }
    m_settings.m_lastExportFile = fileName;
}

QString PrintDialog::exportStartPath() const {
    return FileOutput::startPath(m_settings.m_lastExportFile, m_project.fileName());
}

void PrintDialog::fileDialogFilterSelected(const QString &filter) {
    if (!m_exportDialog)
        return;
    for (const char *suffix : {"svg", "png", "jpg", "pdf"}) {
        if (filter.contains(QStringLiteral("*.") + QLatin1String(suffix))) {
            m_exportDialog->setDefaultSuffix(QLatin1String(suffix));
            return;
        }
    }
}

void PrintDialog::on_toolButtonUpdatePreview_clicked() {
    updatePreview();
}

void PrintDialog::on_toolButtonZoomIn_clicked() {
    m_zoomOptions->setCurrentIndex(2);
    m_preview->zoomIn();
}

void PrintDialog::on_toolButtonZoomOut_clicked() {
    m_zoomOptions->setCurrentIndex(2);
    m_preview->zoomOut();
}

void PrintDialog::on_comboBoxZoomOptions_currentIndexChanged(int index) {
    if (index == 0)
        m_preview->setZoomMode(QPrintPreviewWidget::FitInView);
    else if (index == 1)
        m_preview->setZoomMode(QPrintPreviewWidget::FitToWidth);
    // Custom zoom: the zoom buttons set the factor.
}

void PrintDialog::on_comboBoxMinHeatResVersion_currentIndexChanged(int) {
    AssessmentChoices choices = assessmentInForce();
    const QSignalBlocker blocker(m_minHeatRes);
    ReportOptionControls::fillMinimumResistanceKinds(m_minHeatResVersion, m_minHeatRes);
    choices.m_minimumHeatResVersion = m_minHeatResVersion->currentData().toInt();
    // Keep the construction kind where the other edition has it too.
    m_minHeatRes->setCurrentIndex(qMax(0, m_minHeatRes->findData(choices.m_minimumHeatResConstruction)));
    choices.m_minimumHeatResConstruction = m_minHeatRes->currentData().toInt();
    changeAssessment(choices, tr("Undo change of the DIN 4108-2 table."));
}

void PrintDialog::on_comboBoxMinHeatRes_currentIndexChanged(int) {
    AssessmentChoices choices = assessmentInForce();
    choices.m_minimumHeatResConstruction = m_minHeatRes->currentData().toInt();
    changeAssessment(choices, tr("Undo change of the construction kind of DIN 4108-2."));
}

void PrintDialog::on_fontComboBoxDefault_currentFontChanged(const QFont &font) {
    m_settings.m_fontFamily = font.family();
    updatePreview();
}

void PrintDialog::on_spinBoxFontSize_valueChanged(int size) {
    m_settings.m_reportFontPointSize = size;
    updatePreview();
}

void PrintDialog::checkBoxStateChanged(int state) {
    const auto it = m_frameCheckBoxes.constFind(qobject_cast<QCheckBox *>(sender()));
    if (it == m_frameCheckBoxes.cend())
        return;
    QSet<int> &frames = m_settings.m_reportSettings.m_frames;
    if (state == Qt::Checked)
        frames.insert(it.value());
    else
        frames.remove(it.value());
    updatePreview();
}

void PrintDialog::pageNumbersEnabled(int state) {
    m_settings.m_reportSettings.m_pageNumbersVisible = state == Qt::Checked;
    updatePreview();
}

void PrintDialog::frsiCheckEnabled(int state) {
    AssessmentChoices choices = assessmentInForce();
    choices.m_frsiCheck = state == Qt::Checked;
    changeAssessment(choices, tr("Undo change of the f_Rsi check."));
}

void PrintDialog::userLogoChanged() {
    m_settings.m_reportSettings.m_userLogo = m_userLogo->settings();
    updatePreview();
}

void PrintDialog::projectInfoTextChanged() {
    m_projectInfoTextFormat = m_projectInfoFormat->format();
    updatePreview();
}

void PrintDialog::textEdit_textChanged() {
    // Each keystroke would be an undo entry, a window refresh and a report layout: the burst becomes one.
    m_remarksBurst->start();
}

void PrintDialog::commitFinalRemarks() {
    // Only typed text counts: the editor's HTML of untouched remarks need not equal the stored text.
    if (!m_remarksBurst->isActive())
        return;
    m_remarksBurst->stop();
    pushFinalRemarks();
}

void PrintDialog::pushFinalRemarks() {
    if (!m_project.hasDocument() || !m_undoStack)
        return;
    const QString remarks = m_finalRemarks->html();
    // The command changes the project, whose modified signal updates the preview.
    if (remarks != m_project.document()->projectInformation().m_disclaimerText)
        m_undoStack->push(new UndoChangeDisclaimer(m_project, remarks));
}

void PrintDialog::hideEvent(QHideEvent *event) {
    commitFinalRemarks();
    QDialog::hideEvent(event);
}

void PrintDialog::dryingReserveSettingsChanged(double value) {
    AssessmentChoices choices = assessmentInForce();
    choices.m_dryingReserve = value;
    changeAssessment(choices, tr("Undo change of the drying reserve."));
}

void PrintDialog::DINCriteriaSettingsChanged() {
    AssessmentChoices choices = assessmentInForce();
    m_criteriaSettings->getSettings(choices);
    changeAssessment(choices, tr("Undo change of the DIN 4108-3 check."));
}

AssessmentChoices PrintDialog::assessmentInForce() const {
    const ReportSettings &defaults = m_settings.m_reportSettings;
    return m_project.hasDocument() ? m_project.document()->inputData().withAssessment(defaults) : defaults;
}

void PrintDialog::changeAssessment(const AssessmentChoices &choices, const QString &text) {
    // Without a project the panels only show the defaults; the preferences change those.
    if (!m_project.hasDocument() || !m_undoStack || m_project.document()->inputData().assessment() == choices)
        return;
    // The command changes the project, whose modified signal shows the choices and updates the preview.
    m_undoStack->push(new V2_UndoAssessment(m_project, choices, text));
}

void PrintDialog::actionHelp_triggered() {
    if (auto *window = qobject_cast<MainWindow *>(parentWidget()))
        window->showHelp(0);
}

void PrintDialog::projectModified(Project::ModificationType) {
    showAssessment();
    // An undo or redo of the final remarks elsewhere shows in the editor, unless the user is typing there.
    const QString remarks =
        m_project.hasDocument() ? m_project.document()->projectInformation().m_disclaimerText : QString();
    if (!m_remarksBurst->isActive() && remarks != m_finalRemarks->html())
        m_finalRemarks->setHtml(remarks);
    if (isVisible())
        updatePreview();
}
