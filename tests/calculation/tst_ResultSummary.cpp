#include <QtTest>

#include <calculation/ResultSummary.h>
#include <model/Project.h>

// The one list of summary rows over test projects of every kind of result: which figures exist, which ones the
// criteria judge (moisture-dependent or Glaser), their rounding and what stands instead of a figure.
class tst_ResultSummary : public QObject {
    Q_OBJECT
private slots:
    void projects_data();
    void projects();
    void condensateMass_data();
    void condensateMass();
};

namespace {

using Key = ResultSummary::Key;

/*! The keys of the rows that hold a calculated figure, as short names separated by blanks. */
QString availableKeys(const ResultSummary &summary) {
    static const char *names[] = {"d", "R", "U", "U_moist", "U_iso", "verdict", "M_c", "t_ev"};
    QStringList keys;
    for (const ResultSummary::Row &row : summary.rows())
        if (row.available && row.key != Key::Verdict)
            keys << QLatin1String(names[int(row.key)]);
    return keys.join(QLatin1Char(' '));
}

/*! The value as the rows round it, or what stands instead. */
QString shown(const ResultSummary::Row &row) {
    return row.verdict.isEmpty() ? QString::number(row.value, 'f', row.decimals) : row.verdict;
}

} // namespace

void tst_ResultSummary::projects_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("available");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("drying");
    QTest::addColumn<QString>("massCaption");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("condensation in two zones")
        << "report/report_several_zones.v2p"
        << "d R U U_moist U_iso M_c t_ev"
        << "0.255"
        << "1.314"
        << "45.48"
        << "Condensation mass after condensation period (based on VAPRO)"
        << "<font color=\"#0000FF\">Condensation in the plane between layer 2 (Mineral wool 035) and layer 3 (Oriented "
           "strand board (OSB)); in the plane between layer 4 (Mineral wool 035) and layer 5 (Lime-cement "
           "render).</font>";
    QTest::newRow("no stationary solution: Glaser figures judged")
        << "report/report_glaser_basis.v2p"
        << "d R U U_iso M_c t_ev"
        << "0.365"
        << "0.027"
        << "109.70"
        << "Condensation mass after condensation period (Glaser)"
        // the neutral line naming the plane and the basis instead of the method's failure
        << "<font color=\"#0000FF\">Condensation in the plane between layer 2 (EPS insulation 040) and layer 3 "
           "(Polymer-modified bitumen sheet sd 200 m), judged by the Glaser scheme of DIN 4108-3.</font>";
    QTest::newRow("no condensation") << "report/report_no_condensation.v2p"
                                     << "d R U U_moist U_iso"
                                     << "0.390"
                                     << "0.000"
                                     << "0.00"
                                     << "Condensation mass after condensation period (based on VAPRO)"
                                     << "<font color=\"#0000FF\">No condensate emerges!</font>";
    QTest::newRow("invalid input") << "report/report_invalid.v2p"
                                   << ""
                                   << "0.030"
                                   << "Not assessed"
                                   << "Not assessed"
                                   << "Condensation mass after condensation period (based on VAPRO)"
                                   << "<font color=\"#FF0000\">Invalid input!</font>";
}

void tst_ResultSummary::projects() {
    QFETCH(QString, file);
    QFETCH(QString, available);
    QFETCH(QString, thickness);
    QFETCH(QString, mass);
    QFETCH(QString, drying);
    QFETCH(QString, massCaption);
    QFETCH(QString, verdict);
    Project project;
    QString error;
    QVERIFY2(project.read(QStringLiteral(HYGROLUX_TEST_DATA_DIR "/") + file, error), qPrintable(error));
    project.setModified(Project::ModificationType::AllModified);
    const ResultSummary summary(project.document()->inputData(), project.document()->calculation().results());

    QCOMPARE(summary.rows().size(), std::size_t(8));
    for (Key key : {Key::Thickness, Key::ResistanceDry, Key::TransmittanceDry, Key::TransmittanceMoist,
                    Key::TransmittanceIso6946, Key::Verdict, Key::CondensateMass, Key::DryingTime})
        QCOMPARE(int(summary.row(key).key), int(key));
    QCOMPARE(availableKeys(summary), available);
    QCOMPARE(shown(summary.row(Key::Thickness)), thickness);
    QCOMPARE(shown(summary.row(Key::CondensateMass)), mass);
    QCOMPARE(shown(summary.row(Key::DryingTime)), drying);
    QCOMPARE(summary.row(Key::CondensateMass).caption, massCaption);
    // The label names the Glaser basis exactly where the caption does.
    QCOMPARE(summary.row(Key::DryingTime).label.endsWith(QLatin1String(" (Glaser)")),
             massCaption.endsWith(QLatin1String(" (Glaser)")));
    QCOMPARE(summary.row(Key::Verdict).verdict, verdict);
}

void tst_ResultSummary::condensateMass_data() {
    QTest::addColumn<double>("kgPerSquareMetre");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a trace in grams") << 0.000054 << "0.054 g/m<sup>2</sup>";
    QTest::newRow("just below 0.01 kg") << 0.00999 << "9.990 g/m<sup>2</sup>";
    QTest::newRow("0.01 kg and above in kg") << 0.01 << "0.010 kg/m<sup>2</sup>";
    QTest::newRow("a large mass") << 1.234 << "1.234 kg/m<sup>2</sup>";
}

void tst_ResultSummary::condensateMass() {
    QFETCH(double, kgPerSquareMetre);
    QFETCH(QString, shown);
    const ResultSummary::Mass mass = ResultSummary::condensateMass(kgPerSquareMetre);
    QCOMPARE(QString::number(mass.value, 'f', mass.decimals) + ' ' + mass.unit, shown);
}

QTEST_GUILESS_MAIN(tst_ResultSummary)
#include "tst_ResultSummary.moc"
