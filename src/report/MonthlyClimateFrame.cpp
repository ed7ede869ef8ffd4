#include "MonthlyClimateFrame.h"

#include "Report.h"

#include <calculation/MonthlyAssessment.h>
#include <calculation/MonthlyMethod.h>
#include <calculation/MonthlySummary.h>
#include <model/ProjectInformation.h>

#include <QtExt_Table.h>

QRectF MonthlyClimateFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Climate Data of the Monthly Method (DIN EN ISO 13788)")));
    addSpacing(m_textMetrics.spacing());
    const MonthlyAssessment &a = m_report->monthly();
    if (!a.results.valid)
        return endLayout();
    const double R_si = MonthlyMethod::interiorSurfaceResistance(m_report->projectInformation().m_heatFlowDirection);
    auto table = createTable(2, 3);
    table->setSpacing(2);
    table->setCellText(0, 0, tr("Exterior climate (monthly means)"));
    table->setCellText(1, 0, MonthlySummary::climateText(a.climate));
    table->setCellText(0, 1, tr("Interior climate"));
    table->setCellText(1, 1, MonthlySummary::interiorText(a.interior));
    table->setCellText(0, 2, tr("Surface resistances"));
    table->setCellText(1, 2,
                       tr("R<sub>si</sub> = %L1 m<sup>2</sup>K/W (condensation), %L2 m<sup>2</sup>K/W (surface "
                          "check), R<sub>se</sub> = %L3 m<sup>2</sup>K/W")
                           .arg(R_si, 0, 'f', 2)
                           .arg(MonthlyMethod::RsiSurface, 0, 'f', 2)
                           .arg(MonthlyMethod::Rse, 0, 'f', 2));
    addTable(std::move(table));
    addText(QStringLiteral("<small>%1</small>")
                .arg(tr("The project's own climates and surface resistances are not used by the monthly method.")));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
