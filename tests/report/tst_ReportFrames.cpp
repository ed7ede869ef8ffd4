// Contents of single report frames, read from their tables: rows and bold zone values of the results table,
// the notes on the drying time in the conclusions, and the unit of the water uptake coefficient.

#include "ReportTestProjects.h"

#include <calculation/CalculationResults.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>
#include <model/ReportSettings.h>
#include <report/ConclusionsFrame.h>
#include <report/ConstructionLayerFrame.h>
#include <report/Report.h>
#include <report/ResultsTableFrame.h>

#include <QtExt_Table.h>

#include <QFontDatabase>
#include <QImage>
#include <QTextDocument>
#include <QtTest>

#include <CoreEnums.h>

namespace {

using Zones = std::vector<std::pair<int, int>>;

QString installedFamily() {
    const QFontDatabase database;
    return database.hasFamily(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans")
                                                             : database.families().value(0);
}

/*! \a n layers of 100 mm with A_w = 0.05 kg/(m2 s^0.5). */
InputData layeredInput(int n) {
    InputData input;
    for (int i = 0; i < n; ++i) {
        Material material;
        material.setName(QStringLiteral("Layer %1").arg(i + 1));
        material.setAw(0.05, true);
        input.layers().append(MaterialLayer(material, 0.1));
    }
    return input;
}

/*! Profiles of a moisture-dependent calculation with values telling their place: interface k has
    T = 10 + k, p_sat = 1000 + k, p = 500 + k; layer j has w = 0.1 + j / 100 left and 0.5 + j / 100 right. */
CalculationResults profileResults(int n, const Zones &zones) {
    CalculationResults results;
    results.resultCode = zones.empty() ? ResultCode::NoCondensation : ResultCode::OneZone;
    results.resize(n);
    for (int k = 0; k <= n; ++k) {
        results.T_moist[k] = 10 + k;
        results.p_sat_moist[k] = 1000 + k;
        results.p_moist[k] = 500 + k;
    }
    for (int j = 0; j < n; ++j) {
        results.w_left[j] = 0.1 + j / 100.0;
        results.w_right[j] = 0.5 + j / 100.0;
        results.sk_Cond[j] = 0.002;
        results.mc[j] = 0.3;
    }
    results.condensationZones = zones;
    return results;
}

bool inZone(const Zones &zones, int layer) {
    for (const auto &zone : zones)
        if (zone.first <= layer && layer <= zone.second)
            return true;
    return false;
}

bool tableContains(const QtExt::Table &table, const QString &text) {
    for (int row = 0; row < table.rowCount(); ++row)
        for (int col = 0; col < table.columnCount(); ++col)
            if (table.cellText(col, row).contains(text))
                return true;
    return false;
}

/*! Lays out a frame of type F for the given data on an A4-wide image and hands its first table to \a check. */
template <typename F, typename Check>
void layOutFrame(const InputData &input, const CalculationResults &results, bool awInSeconds, Check check) {
    const ProjectInformation information;
    const ReportSettings settings;
    Report report(installedFamily());
    report.setSettings(&input, &results, &information, &settings);
    report.setAwInSeconds(awInSeconds);
    QTextDocument document;
    F frame(&report, &document);
    QImage image(640, 960, QImage::Format_ARGB32);
    frame.frameRect(&image, image.width());
    const QtExt::Table *table = frame.table(0);
    QVERIFY(table != nullptr);
    check(*table);
}

} // namespace

Q_DECLARE_METATYPE(Zones)

class tst_ReportFrames : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void resultsTable_data();
    void resultsTable();
    void condensateMassesAddUpToTheTotal();
    void dryingTimeNote_data();
    void dryingTimeNote();
    void waterUptakeUnit_data();
    void waterUptakeUnit();
};

void tst_ReportFrames::initTestCase() {
    ReportTest::useProgramLocale();
}

void tst_ReportFrames::resultsTable_data() {
    QTest::addColumn<int>("layers");
    QTest::addColumn<Zones>("zones");
    QTest::newRow("one layer, no zone") << 1 << Zones{};
    QTest::newRow("one layer in a zone") << 1 << Zones{{0, 0}};
    QTest::newRow("three layers, zone in the middle") << 3 << Zones{{1, 1}};
    QTest::newRow("three layers, zone over the last two") << 3 << Zones{{1, 2}};
    QTest::newRow("three layers, two zones") << 3 << Zones{{0, 0}, {2, 2}};
}

void tst_ReportFrames::resultsTable() {
    QFETCH(int, layers);
    QFETCH(Zones, zones);
    const InputData input = layeredInput(layers);
    const CalculationResults results = profileResults(layers, zones);
    layOutFrame<ResultsTableFrame>(input, results, false, [&](const QtExt::Table &table) {
        // Header, warm air, warm surface, two rows per layer, cold surface, cold air.
        QCOMPARE(table.rowCount(), 2 * layers + 5);
        const QStringList labels{"Air layer (warm side)", "Surface (warm side)", "Surface (cold side)",
                                 "Air layer (cold side)"};
        const QVector<int> labelRows{1, 2, 2 * layers + 3, 2 * layers + 4};
        for (int k = 0; k < labels.size(); ++k)
            QVERIFY2(table.cellText(1, labelRows[k]).contains(labels[k]), qPrintable(labels[k]));
        // The surfaces in their rows, interface k between layers on the first row of layer k.
        for (int k = 0; k <= layers; ++k) {
            const int row = k == 0 ? 2 : k < layers ? 3 + 2 * k : 2 * layers + 3;
            QVERIFY2(
                table.cellText(2, row).contains(QStringLiteral(">%1.0<").arg(10 + k)),
                qPrintable(QStringLiteral("interface %1, row %2: %3").arg(k).arg(row).arg(table.cellText(2, row))));
            QVERIFY(table.cellText(3, row).contains(QStringLiteral(">%1.0<").arg(1000 + k)));
            QVERIFY(table.cellText(4, row).contains(QStringLiteral(">%1.0<").arg(500 + k)));
        }
        // The first row of the first layer and the second row of each layer hold no interface values.
        QVector<int> empty{3};
        for (int j = 0; j < layers; ++j)
            empty << 4 + 2 * j;
        for (int row : empty)
            for (int col = 2; col < 5; ++col)
                QCOMPARE(table.cellText(col, row), QString());
        // A surface of a layer in a zone is bold as the layer's other values.
        for (int col = 3; col < 5; ++col) {
            QCOMPARE(table.cellText(col, 2).contains(QStringLiteral("<b>")), inZone(zones, 0));
            QCOMPARE(table.cellText(col, 2 * layers + 3).contains(QStringLiteral("<b>")), inZone(zones, layers - 1));
        }
        for (int j = 0; j < layers; ++j) {
            const int first = 3 + 2 * j;
            const bool zone = inZone(zones, j);
            QVERIFY(table.cellText(5, first).contains(QStringLiteral("%1").arg(0.1 + j / 100.0, 0, 'f', 3)));
            QVERIFY(table.cellText(5, first + 1).contains(QStringLiteral("%1").arg(0.5 + j / 100.0, 0, 'f', 3)));
            // Pressures and moisture contents in a zone are bold, temperatures never.
            for (int row = first; row <= first + 1; ++row) {
                QVERIFY(!table.cellText(2, row).contains(QStringLiteral("<b>")));
                for (int col = 3; col < 6; ++col) {
                    const QString text = table.cellText(col, row);
                    if (!text.isEmpty())
                        QVERIFY2(text.contains(QStringLiteral("<b>")) == zone,
                                 qPrintable(
                                     QStringLiteral("layer %1, cell (%2, %3): %4").arg(j).arg(col).arg(row).arg(text)));
                }
            }
            // Condensation thickness and mass only for layers in a zone.
            QCOMPARE(table.cellText(6, first).contains(QStringLiteral(">2.0<")), zone);
            QCOMPARE(table.cellText(7, first).contains(QStringLiteral(">0.300<")), zone);
        }
        for (int row : {1, 2 * layers + 4})
            for (int col = 2; col < 5; ++col)
                QVERIFY(!table.cellText(col, row).contains(QStringLiteral("<b>")));
    });
}

void tst_ReportFrames::condensateMassesAddUpToTheTotal() {
    const InputData input = layeredInput(3);
    CalculationResults results = profileResults(3, {{0, 2}});
    // each rounds down to 0.123, the total 0.3702 to 0.370: one layer shows 0.124
    results.mc = {0.1234, 0.1234, 0.1234};
    results.Mc = 0.3702;
    layOutFrame<ResultsTableFrame>(input, results, false, [&](const QtExt::Table &table) {
        double sum = 0;
        for (int j = 0; j < 3; ++j) {
            QTextDocument cell;
            cell.setHtml(table.cellText(7, 3 + 2 * j));
            sum += cell.toPlainText().toDouble();
        }
        QCOMPARE(QString::number(sum, 'f', 3), QStringLiteral("0.370"));
    });
}

void tst_ReportFrames::dryingTimeNote_data() {
    QTest::addColumn<ResultCode>("resultCode");
    QTest::addColumn<double>("t_hygFactor"); // times the condensation period
    QTest::addColumn<double>("dryingDays");
    QTest::addColumn<QString>("expectedNote");  // empty: neither note
    QTest::addColumn<QString>("expectedValue"); // empty: no drying time value expected
    QTest::newRow("loading time is the whole condensation period")
        << ResultCode::OneZone << 1.0 << 12.0 << QStringLiteral("Not applicable") << QString();
    QTest::newRow("whole condensation period and no drying")
        << ResultCode::OnePlane << 1.0 << -1.0 << QStringLiteral("Not applicable") << QString();
    QTest::newRow("negative drying time")
        << ResultCode::SeveralZones << 0.5 << -1.0 << QStringLiteral("No drying") << QString();
    QTest::newRow("dries out in 12.5 days")
        << ResultCode::OneZone << 0.5 << 12.5 << QString() << QStringLiteral("12.50");
    QTest::newRow("no condensation: no drying time row")
        << ResultCode::NoCondensation << 1.0 << -1.0 << QString() << QString();
}

void tst_ReportFrames::dryingTimeNote() {
    QFETCH(ResultCode, resultCode);
    QFETCH(double, t_hygFactor);
    QFETCH(double, dryingDays);
    QFETCH(QString, expectedNote);
    QFETCH(QString, expectedValue);
    const InputData input = layeredInput(3);
    CalculationResults results = profileResults(3, {{1, 1}});
    results.resultCode = resultCode;
    results.Mc = 0.2;
    results.t_hyg = t_hygFactor * input.conditions().tT(false);
    results.dryingTime = dryingDays * 24 * 3600;
    layOutFrame<ConclusionsFrame>(input, results, false, [&](const QtExt::Table &table) {
        QCOMPARE(tableContains(table, QStringLiteral("Not applicable")), expectedNote == "Not applicable");
        QCOMPARE(tableContains(table, QStringLiteral("No drying")), expectedNote == "No drying");
        // Four value rows, then condensation mass and drying time, or the text of the result code.
        if (resultCode >= ResultCode::OnePlane)
            QCOMPARE(table.cellText(0, 5), QStringLiteral("Drying time"));
        else
            QCOMPARE(table.cellText(0, 4), QStringLiteral("No condensation."));
        if (!expectedValue.isEmpty())
            QVERIFY(tableContains(table, expectedValue));
    });
}

void tst_ReportFrames::waterUptakeUnit_data() {
    QTest::addColumn<bool>("inSeconds");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("value");
    QTest::newRow("per square root of seconds")
        << true << QStringLiteral("kg/m<sup>2</sup>s<sup>&frac12;</sup>") << QStringLiteral("0.0500");
    QTest::newRow("per square root of hours: 60 times the value")
        << false << QStringLiteral("kg/m<sup>2</sup>h<sup>&frac12;</sup>") << QStringLiteral("3.0000");
}

void tst_ReportFrames::waterUptakeUnit() {
    QFETCH(bool, inSeconds);
    QFETCH(QString, unit);
    QFETCH(QString, value);
    const InputData input = layeredInput(2);
    const CalculationResults results;
    layOutFrame<ConstructionLayerFrame>(input, results, inSeconds, [&](const QtExt::Table &table) {
        QVERIFY2(table.cellText(8, 0).contains(unit), qPrintable(table.cellText(8, 0)));
        QCOMPARE(table.cellText(8, 1), value);
        QCOMPARE(table.cellText(8, 2), value);
    });
}

QTEST_MAIN(tst_ReportFrames)
#include "tst_ReportFrames.moc"
