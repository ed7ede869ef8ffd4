// The main window's pictures, printing, help, language and the small dialogs it opens.

#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include <ZOT_MessageHandler.h>
#include <ZOT_MessageStream.h>
#include <app/Globals.h>
#include <app/Settings.h>
#include <model/ProgramInfo.h>
#include <model/Project.h>

#include "AboutDialog.h"
#include "FileOutput.h"
#include "PrintDialog.h"
#include "VariantStudyDialog.h"
#include "ShowLogfile.h"

namespace {

const char *const ExportFilters[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Jpg image (*.jpg)"), QT_TRANSLATE_NOOP("MainWindow", "Svg file (*.svg)"),
    QT_TRANSLATE_NOOP("MainWindow", "Pdf file (*.pdf)"), QT_TRANSLATE_NOOP("MainWindow", "Png file (*.png)")};
const char *const ExportSuffixes[] = {"jpg", "svg", "pdf", "png"};

int filterIndex(const QString &filter) {
    for (int i = 0; i < 4; ++i) {
        if (filter == MainWindow::tr(ExportFilters[i]))
            return i;
    }
    return -1;
}

} // namespace

QString MainWindow::withSuffix(const QString &fileName, const QString &suffix) {
    const QFileInfo info(fileName);
    const QString base =
        info.suffix().isEmpty() ? fileName : fileName.left(fileName.length() - info.suffix().length() - 1);
    return base + "." + suffix;
}

void MainWindow::fileDialogFilterSelected(QString filter) {
    const int index = filterIndex(filter);
    if (index < 0 || index == 2)
        return;
    const QString suffix = QString::fromLatin1(ExportSuffixes[index]);
    m_exportDialog->setDefaultSuffix(suffix);
    m_exportDialog->setDirectory(QStringLiteral("./*.") + suffix);
}

QString MainWindow::exportFileName() {
    const Settings &settings = Settings::instance();
    if (!m_exportDialog) {
        // Made on first use: a file dialog takes long to build, and the window should appear fast.
        m_exportDialog = new QFileDialog(this, tr("Export file"));
        m_exportDialog->setAcceptMode(QFileDialog::AcceptSave);
        connect(m_exportDialog, &QFileDialog::filterSelected, this, &MainWindow::fileDialogFilterSelected);
    }
    QStringList filters;
    for (const char *filter : ExportFilters)
        filters << tr(filter);
    m_exportDialog->setNameFilters(filters);
    m_exportDialog->selectFile(FileOutput::startPath(settings.m_lastExportFile, settings.m_lastProjectFile));
    if (m_exportDialog->exec() != QDialog::Accepted || m_exportDialog->selectedFiles().isEmpty())
        return QString();
    const QString file = m_exportDialog->selectedFiles().first();
    const int index = filterIndex(m_exportDialog->selectedNameFilter());
    if (file.isEmpty() || index < 0)
        return QString();
    const QString target = withSuffix(file, QString::fromLatin1(ExportSuffixes[index]));
    Settings::instance().m_lastExportFile = target;
    return target;
}

void MainWindow::exportPicture(bool chart) {
    const QString fileName = exportFileName();
    if (fileName.isEmpty())
        return;
    QString errorText;
    const bool written = chart
                             ? m_ui->diagramView->exportToFile(fileName, &errorText)
                             : m_ui->tableWidgetConstruction->exportSketch(fileName, m_project.fileName(), &errorText);
    if (!written)
        FileOutput::showWriteError(this, tr("Export failed"), errorText);
}

QPixmap MainWindow::chartPixmap() const {
    return m_ui->diagramView->exportImage();
}

QPixmap MainWindow::sketchPixmap() const {
    return m_ui->tableWidgetConstruction->sketchPixmap();
}

void MainWindow::on_actionExportChart_triggered() {
    exportPicture(true);
}

void MainWindow::on_actionExportSketch_triggered() {
    exportPicture(false);
}

void MainWindow::on_actionCopyChart_triggered() {
    QApplication::clipboard()->setPixmap(chartPixmap());
}

void MainWindow::on_actionCopySketch_triggered() {
    QApplication::clipboard()->setPixmap(sketchPixmap());
}

QString MainWindow::helpFilePath(const QString &resourcesDir, const QString &language) {
    const auto path = [&resourcesDir](const QString &id) {
        return QStringLiteral("%1/DB_help/%2_%3.pdf").arg(resourcesDir, QStringLiteral("Hygrolux2_Documentation"), id);
    };
    const QString translated = path(language);
    const QString english = path(QStringLiteral("en"));
    return !QFileInfo::exists(translated) && QFileInfo::exists(english) ? english : translated;
}

void MainWindow::showHelp(int) {
    QString language = Settings::instance().m_languageID;
    if (language.isEmpty())
        language = QLocale::system().name().section('_', 0, 0);
    const QString path = helpFilePath(Globals::resourcesDir(), language);
    // The desktop may report success for a file that is not there, so a missing file is caught first.
    if (!QFileInfo::exists(path))
        QMessageBox::warning(this, tr("Help file missing"),
                             tr("The help file cannot be found on location:\n%1").arg(path));
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        showHelpPathMessage(path);
}

void MainWindow::showHelpPathMessage(const QString &path) {
    QMessageBox box(QMessageBox::Information, tr("Help cannot be shown"), tr("No program to show PDF files was found"),
                    QMessageBox::Close, this);
    box.setInformativeText(tr("The manual is here:\n%1").arg(QDir::toNativeSeparators(path)));
    QPushButton *copy = box.addButton(tr("Copy Path"), QMessageBox::ActionRole);
    box.exec();
    if (box.clickedButton() == copy)
        QApplication::clipboard()->setText(QDir::toNativeSeparators(path));
}

void MainWindow::on_actionHelp_triggered() {
    showHelp(0);
}

void MainWindow::on_actionHelpHeatFlowDirections_triggered() {
    showHelp(7);
}

void MainWindow::addLanguageAction(const QString &name, const QString &languageId) {
    const QString file =
        QStringLiteral("%1/%2_%3.qm").arg(Globals::resourcesDir() + "/translations", "Hygrolux2", languageId);
    if (languageId != QLatin1String("en") && !QFileInfo::exists(file)) {
        ZOT::MessageStream log("MainWindow::addLanguageAction", ZOT::MSG_WARNING, -1);
        log << "Language file '" << file.toStdString() << "' missing.";
        log.flush();
        return;
    }
    QAction *action = m_ui->menuLanguage->addAction(name);
    action->setData(languageId);
    connect(action, &QAction::triggered, this, &MainWindow::actionLanguange_triggered);
}

void MainWindow::actionLanguange_triggered() {
    const auto *action = qobject_cast<const QAction *>(sender());
    if (!action)
        return;
    Settings::instance().m_languageID = action->data().toString();
    QMessageBox::information(this, tr("Languange changed"),
                             tr("Please restart the software to activate the new language!"));
}

void MainWindow::on_actionQtConfig_triggered() {
    if (!QProcess::startDetached(QStringLiteral("qtconfig"), QStringList()))
        QMessageBox::critical(this, tr("Could not launch external program"),
                              tr("Couldn't start the <b>qtconfig</b> application. Make sure it is in your "
                                 "application search path!"));
}

void MainWindow::on_actionKesslauWebpage_triggered() {}

void MainWindow::on_actionAbout_triggered() {
    AboutDialog(this).exec();
}

void MainWindow::on_actionAboutQt_triggered() {
    QMessageBox::aboutQt(this);
}

void MainWindow::on_actionShow_Logfile_triggered() {
    ShowLogfile(this).exec();
}

void MainWindow::on_actionReport_triggered() {
    // Laid out before it is shown, so that the first show does not lay out again.
    PrintDialog *dialog = printDialog();
    dialog->updatePreview();
    dialog->show();
}

void MainWindow::on_actionVariantStudy_triggered() {
    if (!m_variantStudy)
        m_variantStudy = new VariantStudyDialog(m_project, m_undoStack, Settings::instance().m_reportSettings, this);
    m_variantStudy->setLayer(std::max(0, currentLayerIndex()));
    m_variantStudy->show();
    m_variantStudy->raise();
}

void MainWindow::on_actionPrint_triggered() {
    printDialog()->print();
}

PrintDialog *MainWindow::printDialog() {
    if (!m_printPreview) {
        m_printPreview = new PrintDialog(m_project, m_undoStack, Settings::instance(), this);
        connect(m_printPreview, &PrintDialog::progress, this, &MainWindow::setProgress);
    }
    return m_printPreview;
}
