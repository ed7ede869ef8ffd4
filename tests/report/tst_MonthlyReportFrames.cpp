// Frames of a report of the monthly method, read from their tables: the months in computed order with the worst
// one marked, and the surface check with its design month.

#include <calculation/MonthlyAssessment.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>
#include <model/ReportSettings.h>
#include <report/MonthlySurfaceFrame.h>
#include <report/MonthlyTableFrame.h>
#include <report/Report.h>

#include <QtExt_Table.h>

#include <QBuffer>
#include <QFontDatabase>
#include <QImage>
#include <QPdfWriter>
#include <QTextDocument>
#include <QtTest>

namespace {

/*! Plasterboard, insulation and a tight outer board: condensate from November, most in March, dry by June. */
InputData wall() {
    InputData input;
    const double layers[][3] = {{0.0125, 0.25, 8}, {0.16, 0.04, 1}, {0.015, 0.13, 100}};
    for (const auto &l : layers) {
        const Material m(QStringLiteral("M"), Material::BuildingBoards, QString(), QString(), QString(), QString(), 500,
                         l[1], l[2], 0.01, 0.5, 0.1, 1);
        input.layers().append(MaterialLayer(m, l[0]));
    }
    input.check();
    return input;
}

/*! Lays out a frame of type F of a monthly report and hands its first table to \a check. */
template <typename F, typename Check> void layOutFrame(Check check) {
    const InputData input = wall();
    const ProjectInformation information;
    const ReportSettings settings;
    const MonthlyAssessment assessment = MonthlyAssessment::evaluate(
        input, HeatFlowDirection::Horizontal, MonthlyClimate::potsdam(), MonthlyInterior(), 0.001);
    const QFontDatabase database;
    Report report(database.families().value(0));
    report.setSettings(&input, nullptr, &information, &settings);
    report.setMonthly(&assessment);
    QTextDocument document;
    F frame(&report, &document);
    QImage image(640, 960, QImage::Format_ARGB32);
    frame.frameRect(&image, image.width());
    const QtExt::Table *table = frame.table(0);
    QVERIFY(table != nullptr);
    check(*table);
}

} // namespace

class tst_MonthlyReportFrames : public QObject {
    Q_OBJECT
private slots:
    void monthsInComputedOrder() {
        layOutFrame<MonthlyTableFrame>([](const QtExt::Table &table) {
            QCOMPARE(table.cellText(0, 1), QStringLiteral("Nov"));
            QCOMPARE(table.cellText(0, 5), QStringLiteral("<b>Mar</b>"));
            QCOMPARE(table.cellText(0, 12), QStringLiteral("Oct"));
            QCOMPARE(table.cellText(5, 12), QStringLiteral("0.000"));
        });
    }

    void designMonthMarked() {
        layOutFrame<MonthlySurfaceFrame>([](const QtExt::Table &table) {
            QCOMPARE(table.cellText(1, 0), QStringLiteral("<b>Jan</b>"));
            QCOMPARE(table.cellText(1, 3), QStringLiteral("<b>0.62</b>"));
            QCOMPARE(table.cellText(7, 0), QStringLiteral("Jul"));
        });
    }

    // Invalid input: every monthly frame is printed without values, the conclusions name the fault.
    void invalidInputPrints() {
        InputData input = wall();
        input.layers()[1].setWidth(0);
        input.check();
        const ProjectInformation information;
        ReportSettings settings;
        settings.m_frames = {0, 1, 5, 8, 9, 10, 11, 12};
        const MonthlyAssessment assessment = MonthlyAssessment::evaluate(
            input, HeatFlowDirection::Horizontal, MonthlyClimate::potsdam(), MonthlyInterior(), 0.001);
        QVERIFY(!assessment.results.valid);
        Report report(QFontDatabase().families().value(0));
        report.setSettings(&input, nullptr, &information, &settings);
        report.setMonthly(&assessment);
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QVERIFY(report.printPages(&writer, 0, 0));
        QCOMPARE(report.pageCount(), 1);
    }
};

QTEST_MAIN(tst_MonthlyReportFrames)
#include "tst_MonthlyReportFrames.moc"
