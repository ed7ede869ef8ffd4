// The text of generated PDF reports: captions, layer names, formatted values, verdicts and page numbers of
// projects without condensation, with one zone, with several zones, with wood and a drying reserve, with
// invalid input and with twelve layers. Needs pdftotext; skipped without it.

#include "ReportTestProjects.h"

#include <calculation/CalculationResults.h>
#include <calculation/DINCriteria.h>
#include <model/ReportSettings.h>
#include <report/GlaserFrame.h>
#include <report/Report.h>

#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class tst_ReportPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void reportText_data();
    void reportText();
    void everyCriterionRowIsPrinted_data();
    void everyCriterionRowIsPrinted();
    void longTablesContinueOnTheNextPage();

private:
    /*! Writes the report of \a document with all frames and page numbers and returns its text. */
    QString reportText(const Document &document, const ReportSettings &settings, int &pageCount);
    QTemporaryDir m_dir;
};

void tst_ReportPdf::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ReportTest::useProgramLocale();
    QVERIFY(m_dir.isValid());
}

QString tst_ReportPdf::reportText(const Document &document, const ReportSettings &settings, int &pageCount) {
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                         QPageLayout::Millimeter));
        const QFontDatabase database;
        Report report(database.hasFamily(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans")
                                                                        : database.families().value(0));
        report.setSettings(&document.inputData(), &document.calculation().results(), &document.projectInformation(),
                           &settings);
        report.setPageNumbersVisible(true);
        if (!report.printPages(&writer, 0, 0))
            return QString();
        pageCount = report.pageCount();
    }
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return QString();
    // No normalisation: words with "fi" or "fl" must be found as they are written.
    return QString::fromUtf8(process.readAllStandardOutput());
}

void tst_ReportPdf::reportText_data() {
    QTest::addColumn<QString>("project");
    QTest::addColumn<double>("dryingReserve");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("no condensation") << "report_no_condensation" << 0.0
                                     << QStringList{"No condensation.",
                                                    "Brick wall with external insulation",
                                                    "Consulting Engineers Ltd.",
                                                    "Solid brick",
                                                    "240.0",
                                                    "1800"}
                                     << QStringList{"(based on VAPRO)", "Not applicable", "No drying"};
    QTest::newRow("one zone") << "report_wood" << 0.0
                              << QStringList{"Condensation mass after condensation period (based on VAPRO)",
                                             "Wood based material", "Softwood (spruce)"}
                              << QStringList{"No condensation.", "Check for drying reserve"};
    QTest::newRow("wood with drying reserve")
        << "report_wood" << 0.25
        << QStringList{"Check for drying reserve of 250 g/m",
                       "These results apply to the stated boundary conditions only."}
        << QStringList{};
    QTest::newRow("several zones") << "report_several_zones" << 0.0
                                   << QStringList{"(based on VAPRO)", "Oriented strand board (OSB)", "22.0"}
                                   << QStringList{"No condensation.", "Unspecific error.", "(Glaser)",
                                                  "Glaser scheme of"};
    QTest::newRow("invalid input") << "report_invalid" << 0.0
                                   << QStringList{"Wall with a layer of zero width",
                                                  "Not assessed: Invalid width 0 of layer #2.",
                                                  "No results: Invalid width 0 of layer #2.", "No results to draw."}
                                   << QStringList{"(based on VAPRO)", "Requirement", "(Glaser)", "Unspecific error.",
                                                  "Thermal transmission coefficient"};
    QTest::newRow("no stationary solution, Glaser plane")
        << "report_glaser_basis" << 0.0
        << QStringList{"Condensation mass after condensation period (Glaser)", "Drying time (Glaser)",
                       "90 days (Glaser)", "The moisture criteria are judged by the Glaser scheme of DIN 4108-3."}
        << QStringList{"(based on VAPRO)", "Unspecific error.", "Not assessed"};
    QTest::newRow("twelve layers") << "report_twelve_layers" << 0.0
                                   << QStringList{"Lime plaster",        "Gypsum plasterboard",   "Solid brick",
                                                  "Lime-cement render",  "Air layer (warm side)", "Surface (warm side)",
                                                  "Surface (cold side)", "Air layer (cold side)"}
                                   << QStringList{};
}

void tst_ReportPdf::reportText() {
    QFETCH(QString, project);
    QFETCH(double, dryingReserve);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    Document document;
    QVERIFY(ReportTest::loadProject(project, document));
    ReportSettings settings;
    settings.m_dryingReserve = dryingReserve;
    for (int id = 0; id < ReportSettings::NumFrames; ++id)
        settings.m_frames.insert(id);
    int pageCount = 0;
    const QString text = reportText(document, settings, pageCount);
    QVERIFY(!text.isEmpty());

    const QStringList captions = {"Construction Sketch",
                                  "Material Properties",
                                  "Climate Data",
                                  "Surface Resistances",
                                  "Temperatures, Vapour Pressures and Moisture Contents",
                                  "Temperature and Moisture Profile",
                                  "Temperature and Vapour Pressure Profile",
                                  "Summary of Results",
                                  "Results according DIN 4108-3 (Glaser Scheme)",
                                  "Duration of Condensation Period (winter)",
                                  QStringLiteral("Page %1 of %1").arg(pageCount)};
    // Wrapped lines join with one space, so that a sentence is found wherever the layout breaks it.
    const QString flowing = text.simplified();
    for (const QString &part : captions + present)
        QVERIFY2(flowing.contains(part), qPrintable(QStringLiteral("missing: ") + part));
    for (const QString &part : absent)
        QVERIFY2(!flowing.contains(part), qPrintable(QStringLiteral("unexpected: ") + part));

    const CalculationResults &r = document.calculation().results();
    if (r.resultCode == ResultCode::InvalidInput)
        return; // no values: the notices stand for them
    // without Glaser condensate the Glaser frame says so instead of printing zeros
    const QString glaserMc =
        r.glaserMc > 0 ? QStringLiteral("= %L1 kg/m").arg(r.glaserMc, 0, 'f', 3) : GlaserFrame::noCondensateText();
    const QStringList values = {QStringLiteral("%L1").arg(r.U, 0, 'f', 3),
                                QStringLiteral("%L1").arg(r.R_layers, 0, 'f', 3), glaserMc};
    for (const QString &value : values)
        QVERIFY2(text.contains(value), qPrintable(QStringLiteral("missing value: ") + value));
    if (r.resultCode >= ResultCode::OnePlane) {
        const QString mc = QStringLiteral("%L1").arg(r.Mc, 0, 'f', 3);
        QVERIFY2(text.contains(mc), qPrintable(QStringLiteral("missing Mc: ") + mc));
    }
}

void tst_ReportPdf::everyCriterionRowIsPrinted_data() {
    QTest::addColumn<QString>("project");
    QTest::newRow("one zone with wood") << "report_wood";
    QTest::newRow("several zones") << "report_several_zones";
    QTest::newRow("no condensation") << "report_no_condensation";
}

void tst_ReportPdf::everyCriterionRowIsPrinted() {
    QFETCH(QString, project);
    Document document;
    QVERIFY(ReportTest::loadProject(project, document));
    ReportSettings settings;
    settings.m_frames = {ReportSettings::ConclusionsFrameId};
    settings.m_frsiCheck = true;
    settings.m_dryingReserve = 0.1;
    int pageCount = 0;
    const QString text = reportText(document, settings, pageCount);
    const std::vector<DINCriterion> criteria =
        DINCriteria::evaluate(document.inputData(), document.projectInformation().m_heatFlowDirection,
                              document.calculation().results(), settings);
    int fulfilled = 0;
    for (const DINCriterion &criterion : criteria)
        fulfilled += criterion.fulfilled ? 1 : 0;
    QCOMPARE(text.count(QStringLiteral("Requirement fulfilled")), fulfilled);
    QCOMPARE(text.count(QStringLiteral("Requirement not fulfilled")), int(criteria.size()) - fulfilled);
    QVERIFY(text.contains(QStringLiteral("Check for minimal")));
}

void tst_ReportPdf::longTablesContinueOnTheNextPage() {
    Document document;
    QVERIFY(ReportTest::loadProject(QStringLiteral("report_31_layers"), document));
    ReportSettings settings;
    for (int id = 0; id < ReportSettings::NumFrames; ++id)
        settings.m_frames.insert(id);
    int pageCount = 0;
    const QString text = reportText(document, settings, pageCount);
    // Every layer stands in the layer, resistance and results tables.
    for (int layer = 1; layer <= 31; ++layer) {
        const QString name = QStringLiteral("(%1)").arg(layer, 2, 10, QLatin1Char('0'));
        QVERIFY2(text.count(name) >= 3,
                 qPrintable(QStringLiteral("layer %1 printed %2 times").arg(name).arg(text.count(name))));
    }
    for (const QString &part : {QStringLiteral("Air layer (cold side)"), QStringLiteral("condensation mass"),
                                QStringLiteral("Sum of resistances")})
        QVERIFY2(text.contains(part), qPrintable(QStringLiteral("missing: ") + part));
    // The condensate of the zone near the cold side is printed.
    const CalculationResults &r = document.calculation().results();
    QVERIFY(r.resultCode >= ResultCode::OnePlane);
    QVERIFY2(text.contains(QStringLiteral("%L1").arg(r.Mc, 0, 'f', 3)), "missing Mc");
    // The header rows of the split tables are repeated on the continuation pages.
    QVERIFY2(text.count(QStringLiteral("Layer / Material")) > 2, qPrintable(text));
}

QTEST_MAIN(tst_ReportPdf)
#include "tst_ReportPdf.moc"
