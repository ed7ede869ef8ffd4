#include "GlaserFrame.h"

#include "Report.h"

#include <calculation/CalculationResults.h>
#include <calculation/PhysicalProperties.h>
#include <model/InputData.h>

#include <QtExt_Table.h>

namespace {

const QChar DegreeSign(0x00B0);

QString climateText(double T, double rh) {
    return QStringLiteral("%L1 %3C / %L2 %").arg(T, 0, 'f', 1).arg(rh, 0, 'f', 0).arg(DegreeSign);
}

} // namespace

QRectF GlaserFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Results according DIN 4108-3 (Glaser Scheme)")));
    addSpacing(m_textMetrics.spacing());
    if (addMissingResultsNotice(true))
        return endLayout();

    const AssessmentConditions &c = m_report->inputData().conditions();
    const CalculationResults &r = m_report->results();
    auto table = createTable(6, 10);
    table->setCellText(0, 0, QStringLiteral("<h3>%1</h3>").arg(tr("Condensation Period (Winter)")));
    table->setCellJoined(0, 0, 6, 1);
    table->setCellText(0, 5, QStringLiteral("<h3>%1</h3>").arg(tr("Drying Period (Summer)")));
    table->setCellJoined(0, 5, 6, 1);

    const auto period = [&](int row, double days, const ClimateRecord &inside, const ClimateRecord &outside) {
        table->setCellText(0, row, tr("Period"));
        table->setCellText(1, row, QStringLiteral("%L1 %2").arg(days).arg(tr("days")));
        table->setCellText(0, row + 1, tr("Interior climate (left)"));
        table->setCellText(1, row + 1, climateText(inside.T, inside.rh));
        table->setCellText(0, row + 2, tr("Outdoor climate (right)"));
        table->setCellText(1, row + 2, climateText(outside.T, outside.rh));
    };
    period(1, c.tT(), c.interiorWinter(), c.exteriorWinter());
    period(6, c.tT_summer(), c.interiorSummer(), c.exteriorSummer());
    // During drying the condensate sits at the interior summer temperature, saturated.
    const double zoneRelativeHumidity = 1.0;
    table->setCellText(0, 9, tr("Condensation zone"));
    table->setCellText(1, 9, climateText(c.T_i_summer(), zoneRelativeHumidity * 100));

    table->setCellText(4, 1, tr("Condensation mass (according to Glaser)"));
    table->setCellText(5, 1, QStringLiteral("w<sub>T</sub> = %L1 kg/m<sup>2</sup>").arg(r.glaserMc, 0, 'f', 3));
    table->setCellText(4, 6, tr("Potential drying mass"));
    table->setCellText(5, 6, QStringLiteral("w<sub>V</sub> = %L1 kg/m<sup>2</sup>").arg(r.glaserDryingMass, 0, 'f', 3));
    table->setCellText(4, 7, tr("Duration of drying (according to Glaser)"));
    table->setCellText(
        5, 7,
        QStringLiteral("t<sub>ev</sub> = %L1 %2").arg(daysFromSeconds(r.glaserDryingTime), 0, 'f', 1).arg(tr("days")));
    for (int row = 1; row < 10; ++row)
        for (int col : {1, 5})
            table->setCellAlignment(col, row, Qt::AlignRight | Qt::AlignTop);
    table->setColumnMinimumWidth(2, m_textMetrics.height(ReportTextMetrics::Body));
    addTable(std::move(table));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
