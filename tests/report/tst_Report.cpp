// The report on a paint device: page count with header and footer only, the frames chosen by
// "ActivatedFrames", printed page ranges, failures to open a painter and missing fonts, progress, and the
// sizes of frames whose height follows a rule.

#include "ReportTestProjects.h"

#include <MessageCapture.h>

#include <calculation/CalculationResults.h>
#include <model/ReportSettings.h>
#include <report/Report.h>
#include <report/SketchFrame.h>

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

/*! An A4 page of 170 x 257 mm (20 mm margins) at 96 dpi. */
QImage pageImage() {
    const double dotsPerMM = 96 / 25.4;
    QImage image(qRound(170 * dotsPerMM), qRound(257 * dotsPerMM), QImage::Format_ARGB32);
    image.setDotsPerMeterX(qRound(dotsPerMM * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMM * 1000));
    image.fill(Qt::white);
    return image;
}

QString installedFamily() {
    const QFontDatabase database;
    return database.hasFamily(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans")
                                                             : database.families().value(0);
}

/*! Number of pages written into a PDF file. */
int pdfPageCount(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray content = file.readAll();
    return content.count("/Type /Page") - content.count("/Type /Pages");
}

} // namespace

class tst_Report : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void onlyHeaderAndFooterGiveOnePage();
    void activatedFramesReadFromSettings();
    void printedPageRange_data();
    void printedPageRange();
    void painterFailureIsLoggedAndReported();
    void missingFontFamilyIsLogged();
    void installedFontFamilyIsNotLogged();
    void progressOfLayoutAndPainting();
    void sketchHeight_data();
    void sketchHeight();
    void emptyProjectInformationTakesNoSpace();
    void projectFileNameStandsInForMissingName();
    void layerTableGrowsWithTheLayers();
    void projectWithoutLayersPaintsEveryFrame();
    void userLogo_data();
    void userLogo();

private:
    void prepare(Report &report, const Document &document, const ReportSettings &settings) const;
    Document m_twelveLayers;
    Document m_noCondensation;
};

void tst_Report::initTestCase() {
    ReportTest::useProgramLocale();
    QVERIFY(ReportTest::loadProject(QStringLiteral("report_twelve_layers"), m_twelveLayers));
    QVERIFY(ReportTest::loadProject(QStringLiteral("report_no_condensation"), m_noCondensation));
}

void tst_Report::prepare(Report &report, const Document &document, const ReportSettings &settings) const {
    report.setSettings(&document.inputData(), &document.calculation().results(), &document.projectInformation(),
                       &settings);
}

void tst_Report::onlyHeaderAndFooterGiveOnePage() {
    ReportSettings settings;
    settings.m_frames = {ReportSettings::HeaderFrameId, ReportSettings::FooterFrameId};
    Report report(installedFamily());
    prepare(report, m_twelveLayers, settings);
    QImage image = pageImage();
    report.paintPage(&image, 1);
    QCOMPARE(report.pageCount(), 1);
    QVERIFY(report.pageLayout().frameRect(0).height() > 0);
    QVERIFY(report.pageLayout().frameRect(1).height() > 0);
    QCOMPARE(report.pageLayout().frameRect(1).bottom(), double(image.height()));
}

void tst_Report::activatedFramesReadFromSettings() {
    QTemporaryDir dir;
    QSettings ini(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    ini.setValue(QStringLiteral("ReportSettings/ActivatedFrames"), QStringLiteral("0 0 1"));
    ReportSettings settings;
    settings.m_frames.remove(ReportSettings::ProjectInfoFrameId);
    settings.read(ini);

    Report report(installedFamily());
    prepare(report, m_noCondensation, settings);
    QImage image = pageImage();
    report.paintPage(&image, 1);
    const ReportPageLayout &layout = report.pageLayout();
    QVERIFY(layout.frameRect(ReportSettings::HeaderFrameId).isEmpty());
    QCOMPARE(layout.frameRect(ReportSettings::FooterFrameId).height(), 0.0);
    QCOMPARE(layout.frameRect(ReportSettings::FooterFrameId).top(), double(image.height()));
    // Without a header the project information starts at the top of the page.
    QCOMPARE(layout.framePage(ReportSettings::ProjectInfoFrameId), 1);
    QCOMPARE(layout.frameRect(ReportSettings::ProjectInfoFrameId).top(), 0.0);
    // The frames the value does not name keep their state: the sketch stays on, the surface resistances off.
    QCOMPARE(layout.framePage(ReportSettings::SketchFrameId), 1);
    QCOMPARE(layout.framePage(ReportSettings::SurfaceResistanceFrameId), 0);
}

void tst_Report::printedPageRange_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("expectedPages"); // -1: all pages
    QTest::newRow("range 0 to 0 prints all pages") << 0 << 0 << -1;
    QTest::newRow("range 2 to 3 prints two pages") << 2 << 3 << 2;
    QTest::newRow("range 3 to 3 prints one page") << 3 << 3 << 1;
}

void tst_Report::printedPageRange() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, expectedPages);
    ReportSettings settings;
    for (int id = 0; id < ReportSettings::NumFrames; ++id)
        settings.m_frames.insert(id);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFromTo(from, to);
    Report report(installedFamily());
    prepare(report, m_twelveLayers, settings);
    QVERIFY(report.print(&printer));
    QVERIFY2(report.pageCount() >= 3, "the twelve-layer project with all frames needs at least three pages");
    QCOMPARE(pdfPageCount(fileName), expectedPages < 0 ? report.pageCount() : expectedPages);
}

void tst_Report::painterFailureIsLoggedAndReported() {
    ReportSettings settings;
    Report report(installedFamily());
    prepare(report, m_noCondensation, settings);
    QPdfWriter writer(QStringLiteral("/nonexistent-directory-of-the-report-test/report.pdf"));
    MessageCapture capture;
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!report.printPages(&writer, 0, 0));
    QCOMPARE(capture.count(ZOT::MSG_ERROR), 1);
    QVERIFY(capture.contains("Cannot open painter with current printer."));
    // The report stays usable.
    QImage image = pageImage();
    report.paintPage(&image, 1);
    QVERIFY(report.pageCount() >= 1);
}

void tst_Report::missingFontFamilyIsLogged() {
    MessageCapture capture;
    const QString missing = QStringLiteral("No Such Font Family 4711");
    Report report(missing);
    QCOMPARE(capture.count(ZOT::MSG_ERROR), 1);
    QVERIFY(capture.contains("Font family for default font doesn't exist. 'No Such Font Family 4711', using '"));
    // Once per change of the family, not at every layout.
    report.setFont(missing, 10);
    report.setFont(missing, 11);
    QCOMPARE(capture.count(ZOT::MSG_ERROR), 1);
    report.setFont(installedFamily(), 10);
    report.setFont(missing, 10);
    QCOMPARE(capture.count(ZOT::MSG_ERROR), 2);
}

void tst_Report::installedFontFamilyIsNotLogged() {
    MessageCapture capture;
    Report report(installedFamily());
    QCOMPARE(capture.count(ZOT::MSG_ERROR), 0);
}

void tst_Report::progressOfLayoutAndPainting() {
    ReportSettings settings;
    Report report(installedFamily());
    prepare(report, m_noCondensation, settings);
    QSignalSpy spy(&report, &Report::progress);
    QImage image = pageImage();
    report.paintPage(&image, 1);
    QList<int> steps;
    for (const QList<QVariant> &arguments : spy)
        steps << arguments.first().toInt();
    // Layout: one step per body frame, id + 1.
    QCOMPARE(steps.mid(0, 12), (QList<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    // Painting: header and footer first, then the frames of page 1, each id + 15.
    QVERIFY(steps.size() > 14);
    QCOMPARE(steps.at(12), 15);
    QCOMPARE(steps.at(13), 16);
    for (int i = 14; i < steps.size(); ++i)
        QVERIFY(steps.at(i) > steps.at(i - 1));
}

void tst_Report::sketchHeight_data() {
    QTest::addColumn<double>("pageHeightMM");
    QTest::addColumn<double>("expectedMM");
    QTest::newRow("400 mm page: a quarter") << 400.0 << 100.0;
    QTest::newRow("150 mm page: at least 50 mm") << 150.0 << 50.0;
    QTest::newRow("200 mm page: both rules meet") << 200.0 << 50.0;
}

void tst_Report::sketchHeight() {
    QFETCH(double, pageHeightMM);
    QFETCH(double, expectedMM);
    const double pixelsPerMM = 600 / 25.4;
    QCOMPARE(SketchFrame::sketchHeight(pixelsPerMM, pageHeightMM * pixelsPerMM), expectedMM * pixelsPerMM);
}

void tst_Report::emptyProjectInformationTakesNoSpace() {
    Document document = m_noCondensation;
    ReportSettings settings;
    Report report(installedFamily());
    prepare(report, document, settings);
    QImage image = pageImage();
    report.paintPage(&image, 1);
    const double withInformation = report.pageLayout().frameRect(ReportSettings::ProjectInfoFrameId).height();
    // without project information only the verdict block is left: no empty rows above it
    document.projectInformation() = ProjectInformation();
    prepare(report, document, settings);
    report.paintPage(&image, 1);
    const ReportPageLayout &layout = report.pageLayout();
    const QRectF info = layout.frameRect(ReportSettings::ProjectInfoFrameId);
    QCOMPARE(info.top(), layout.bodyRect().top());
    QVERIFY(info.height() > 0);
    QVERIFY(info.height() < withInformation);
    QCOMPARE(layout.frameRect(ReportSettings::SketchFrameId).top(), info.bottom());
}

void tst_Report::projectFileNameStandsInForMissingName() {
    Document document = m_noCondensation;
    document.projectInformation() = ProjectInformation();
    ReportSettings settings;
    Report report(installedFamily());
    prepare(report, document, settings);
    report.setProjectFileName(QStringLiteral("/some/where/wall.v2p"));
    QImage image = pageImage();
    report.paintPage(&image, 1);
    QVERIFY(report.pageLayout().frameRect(ReportSettings::ProjectInfoFrameId).height() > 0);
}

void tst_Report::layerTableGrowsWithTheLayers() {
    ReportSettings settings;
    settings.m_frames = {ReportSettings::ConstructionLayerFrameId};
    Report report(installedFamily());
    QImage image = pageImage();
    prepare(report, m_noCondensation, settings);
    report.paintPage(&image, 1);
    const double fourLayers = report.pageLayout().frameRect(ReportSettings::ConstructionLayerFrameId).height();
    prepare(report, m_twelveLayers, settings);
    report.paintPage(&image, 1);
    const double twelveLayers = report.pageLayout().frameRect(ReportSettings::ConstructionLayerFrameId).height();
    // Eight more rows of one line each.
    QVERIFY2(twelveLayers > fourLayers * 1.3, qPrintable(QStringLiteral("%1 vs %2").arg(twelveLayers).arg(fourLayers)));
}

void tst_Report::projectWithoutLayersPaintsEveryFrame() {
    const InputData input;
    CalculationResults results;
    results.resultCode = ResultCode::NoLayers;
    const ProjectInformation information;
    ReportSettings settings;
    for (int id = 0; id < ReportSettings::NumFrames; ++id)
        settings.m_frames.insert(id);
    Report report(installedFamily());
    report.setSettings(&input, &results, &information, &settings);
    QImage image = pageImage();
    report.paintPage(&image, 1);
    QVERIFY(report.pageCount() >= 1);
    for (int page = 2; page <= report.pageCount(); ++page)
        report.paintPage(&image, page);
    // Layer table and results table keep their header rows.
    QVERIFY(report.pageLayout().frameRect(ReportSettings::ConstructionLayerFrameId).height() > 0);
    QVERIFY(report.pageLayout().frameRect(ReportSettings::ResultsTableFrameId).height() > 0);
}

void tst_Report::userLogo_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("frameId");
    QTest::addColumn<bool>("existingFile");
    QTest::newRow("logo in the page header")
        << int(UserLogoSettings::LogoInHeader) << int(ReportSettings::HeaderFrameId) << true;
    QTest::newRow("logo beside the project information")
        << int(UserLogoSettings::LogoBesideProjectInfo) << int(ReportSettings::ProjectInfoFrameId) << true;
    QTest::newRow("missing logo file") << int(UserLogoSettings::LogoBesideProjectInfo)
                                       << int(ReportSettings::ProjectInfoFrameId) << false;
}

void tst_Report::userLogo() {
    QFETCH(int, position);
    QFETCH(int, frameId);
    QFETCH(bool, existingFile);
    QTemporaryDir dir;
    const QString logoFile = dir.filePath(QStringLiteral("logo.png"));
    if (existingFile) {
        QImage logo(100, 50, QImage::Format_RGB32);
        logo.fill(Qt::red);
        QVERIFY(logo.save(logoFile));
    }
    ReportSettings settings;
    Report report(installedFamily());
    prepare(report, m_noCondensation, settings);
    QImage withoutLogo = pageImage();
    report.paintPage(&withoutLogo, 1);
    const double plainHeight = report.pageLayout().frameRect(frameId).height();

    // Scaled to 300 screen pixels wide: 150 high on the screen, 150 * image dpi / screen dpi on the page.
    report.setUserLogo(position, logoFile, true, 300);
    QImage page = pageImage();
    report.paintPage(&page, 1);
    const QRectF frame = report.pageLayout().frameRect(frameId);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double logoHeight = 150 * page.logicalDpiY() / screen->logicalDotsPerInchX();
    if (!existingFile) {
        QCOMPARE(frame.height(), plainHeight);
        return;
    }
    QVERIFY(frame.height() >= logoHeight);
    // Drawn at the right edge, at the top of its frame.
    QCOMPARE(page.pixelColor(page.width() - 3, int(frame.top()) + 3), QColor(Qt::red));
    QCOMPARE(withoutLogo.pixelColor(page.width() - 3, int(frame.top()) + 3), QColor(Qt::white));
}

QTEST_MAIN(tst_Report)
#include "tst_Report.moc"
