// The report preview dialog: each frame check box switches its frame in the settings, the PDF and the page
// export write complete files, the assessment choices and the final remarks go through the undo stack (the
// remarks one command per burst of typing) and a paint request that arrives while a print runs is ignored.

#include <app/Settings.h>
#include <model/Project.h>
#include <model/ReportSettings.h>
#include <report/Report.h>
#include <ui/PrintDialog.h>
#include <ui/TextEditWidget.h>

#include <QCheckBox>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUndoStack>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(PrintDialog::PageFormat)

namespace {

/*! True when the picture has a dark pixel anywhere. */
bool hasInk(const QImage &image) {
    const QImage small = image.scaled(400, 600).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            if (qGray(small.pixel(x, y)) < 128)
                return true;
    return false;
}

} // namespace

class tst_PrintDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void frameCheckBoxSwitchesItsFrame_data();
    void frameCheckBoxSwitchesItsFrame();
    void pdfNameWithoutSuffixGetsPdf();
    void exportPage_data();
    void exportPage();
    void finalRemarksAreUndoable();
    void assessmentChangesAreUndoable();
    void paintRequestDuringPrintIsIgnored();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Project> m_project;
    std::unique_ptr<Settings> m_settings;
    QUndoStack m_stack;
    std::unique_ptr<PrintDialog> m_dialog;
};

void tst_PrintDialog::init() {
    QVERIFY(m_dir.isValid());
    m_project = std::make_unique<Project>();
    QString error;
    QVERIFY2(m_project->read(QStringLiteral(HYGROLUX_EXAMPLES_DIR "/timber-frame-wall.v2p"), error), qPrintable(error));
    m_project->setModified(Project::ModificationType::AllModified);
    m_settings = std::make_unique<Settings>();
    m_settings->m_fontFamily = QStringLiteral("DejaVu Sans");
    m_stack.clear();
    m_dialog = std::make_unique<PrintDialog>(*m_project, &m_stack, *m_settings);
}

void tst_PrintDialog::frameCheckBoxSwitchesItsFrame_data() {
    QTest::addColumn<QString>("checkBox");
    QTest::addColumn<int>("frameId");
    const char *const names[] = {
        "checkBoxHeader",     "checkBoxFooter",          "checkBoxProjectInfo",       "checkBoxSketch",
        "checkBoxLayerTable", "checkBoxClimate",         "checkBoxSurfaceResistance", "checkBoxResistances",
        "checkBoxTPWTable",   "checkBoxTWChart",         "checkBoxTPChart",           "checkBoxVAPRO",
        "checkBoxDIN",        "checkBoxEnableDisclaimer"};
    for (int id = 0; id < ReportSettings::NumFrames; ++id)
        QTest::newRow(names[id]) << QString(names[id]) << id;
}

void tst_PrintDialog::frameCheckBoxSwitchesItsFrame() {
    QFETCH(QString, checkBox);
    QFETCH(int, frameId);
    auto *box = m_dialog->findChild<QCheckBox *>(checkBox);
    QVERIFY(box);
    box->setChecked(true);
    QVERIFY(m_settings->m_reportSettings.m_frames.contains(frameId));
    box->setChecked(false);
    const QSet<int> &frames = m_settings->m_reportSettings.m_frames;
    QVERIFY(!frames.contains(frameId));
    // The preview was laid out again without the frame.
    QCOMPARE(m_dialog->report().pageLayout().pieces(frameId).size(), 0);
    if (frameId == ReportSettings::HeaderFrameId)
        QCOMPARE(m_dialog->report().pageLayout().frameRect(frameId).height(), 0.0);
}

// The criteria panels change the project, one command per change, never the settings' defaults.
void tst_PrintDialog::assessmentChangesAreUndoable() {
    const ReportSettings defaults = m_settings->m_reportSettings;
    const InputData &input = m_project->document()->inputData();
    QVERIFY(!input.assessment());
    auto *frsi = m_dialog->findChild<QCheckBox *>("checkBoxFrsi");
    auto *aw = m_dialog->findChild<QLineEdit *>("lineEditNonCapillar");
    QCOMPARE(aw->text(), QString("0.1"));
    frsi->setChecked(true);
    m_dialog->findChild<QRadioButton *>("radioButton_250DryingReserve")->click();
    m_dialog->findChild<QRadioButton *>("radioButtonDIN4108_3_2014")->click();
    QCOMPARE(m_stack.count(), 3);
    QVERIFY(!m_stack.isClean());
    QVERIFY(input.assessment()->m_frsiCheck);
    QCOMPARE(input.assessment()->m_dryingReserve, 0.25);
    QCOMPARE(input.assessment()->m_DIN4108_3Accordance_Type, int(AssessmentChoices::DIN4108_3_2014));
    QCOMPARE(aw->text(), QString("0.5"));
    QVERIFY(m_settings->m_reportSettings == defaults);

    m_stack.undo();
    QCOMPARE(input.assessment()->m_DIN4108_3Accordance_Type, int(AssessmentChoices::DIN4108_3_2018));
    QCOMPARE(aw->text(), QString("0.1"));
    m_stack.undo();
    m_stack.undo();
    QVERIFY(!input.assessment());
    QVERIFY(!frsi->isChecked());
    QCOMPARE(m_stack.count(), 3);
}

void tst_PrintDialog::pdfNameWithoutSuffixGetsPdf() {
    QString error;
    QVERIFY2(m_dialog->writePdf(m_dir.filePath(QStringLiteral("report")), &error), qPrintable(error));
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(QFileInfo::exists(pdf));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("report"))));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(60000));
    QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains(QStringLiteral("Timber-frame wall")));
}

void tst_PrintDialog::exportPage_data() {
    QTest::addColumn<PrintDialog::PageFormat>("format");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("png") << PrintDialog::PngPage << "png";
    QTest::newRow("pdf") << PrintDialog::PdfPage << "pdf";
    QTest::newRow("svg") << PrintDialog::SvgPage << "svg";
    QTest::newRow("jpg") << PrintDialog::JpgPage << "jpg";
}

void tst_PrintDialog::exportPage() {
    QFETCH(PrintDialog::PageFormat, format);
    QFETCH(QString, suffix);
    const QString file = m_dir.filePath(QStringLiteral("page2.") + suffix);
    QString error;
    QVERIFY2(m_dialog->exportPage(2, file, format, &error), qPrintable(error));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray data = written.readAll();
    if (format == PrintDialog::PdfPage) {
        QVERIFY(data.startsWith("%PDF"));
        // The one page, not the whole report.
        QCOMPARE(data.count("/Type /Page") - data.count("/Type /Pages"), 1);
    }
    else if (format == PrintDialog::SvgPage) {
        QVERIFY(data.contains("<svg"));
        QVERIFY(data.contains("<title>Report</title>"));
    }
    else {
        const QImage image = QImage::fromData(data);
        // The printable part of A4 (170 x 257 mm) at 300 dpi, with something drawn on white.
        QCOMPARE(image.width(), 2008);
        QCOMPARE(image.height(), 3035);
        QVERIFY(hasInk(image));
    }
}

void tst_PrintDialog::finalRemarksAreUndoable() {
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    auto *editor = m_dialog->findChild<TextEditWidget *>(QStringLiteral("widgetTextEdit"));
    QVERIFY(editor);
    int layouts = 0;
    const auto counting =
        connect(m_dialog->preview(), &QPrintPreviewWidget::paintRequested, this, [&layouts] { ++layouts; });
    QTest::keyClicks(editor->textEdit(), QStringLiteral("Checked on site."));
    QCOMPARE(m_stack.count(), 0);
    // The burst of typing is one undo entry and one layout.
    QTRY_COMPARE(m_stack.count(), 1);
    disconnect(counting);
    QCOMPARE(layouts, 1);
    QCOMPARE(m_stack.text(0), QString(": Undo change final remarks."));
    const QString remarks = m_project->document()->projectInformation().m_disclaimerText;
    QVERIFY(remarks.contains(QStringLiteral("Checked on site.")));
    m_stack.undo();
    QVERIFY(!m_project->document()->projectInformation().m_disclaimerText.contains(QStringLiteral("Checked")));
    // The editor follows the undo without pushing another command.
    QVERIFY(!editor->textEdit()->toPlainText().contains(QStringLiteral("Checked")));
    QCOMPARE(m_stack.count(), 1);
}

void tst_PrintDialog::paintRequestDuringPrintIsIgnored() {
    QPrinter second(QPrinter::ScreenResolution);
    second.setOutputFormat(QPrinter::PdfFormat);
    const QString secondFile = m_dir.filePath(QStringLiteral("second.pdf"));
    second.setOutputFileName(secondFile);
    int requests = 0;
    connect(m_dialog.get(), &PrintDialog::progress, this, [&] {
        if (requests++ == 0)
            m_dialog->printReport(&second);
    });
    QPrinter first(QPrinter::ScreenResolution);
    first.setOutputFormat(QPrinter::PdfFormat);
    first.setOutputFileName(m_dir.filePath(QStringLiteral("first.pdf")));
    m_dialog->printReport(&first);
    QVERIFY(requests > 1);
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("first.pdf"))).size() > 0);
    QVERIFY(!QFileInfo::exists(secondFile));
}

QTEST_MAIN(tst_PrintDialog)
#include "tst_PrintDialog.moc"
