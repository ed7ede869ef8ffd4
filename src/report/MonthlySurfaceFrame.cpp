#include "MonthlySurfaceFrame.h"

#include "Report.h"

#include <calculation/MonthlyAssessment.h>

#include <QtExt_Table.h>

#include <cmath>

QRectF MonthlySurfaceFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Interior Surface against Mould (Monthly Method)")));
    addSpacing(m_textMetrics.spacing());
    const MonthlyResults &r = m_report->monthly().results;
    if (!r.valid)
        return endLayout();
    auto table = createTable(13, 4);
    table->setSpacing(2);
    table->setCellText(0, 0, tr("Month"));
    table->setCellText(0, 1, tr("<i>&theta;</i><sub>e</sub> [&deg;C]"));
    table->setCellText(0, 2, tr("<i>&theta;</i><sub>si,min</sub> [&deg;C]"));
    table->setCellText(0, 3, tr("<i>f</i><sub>Rsi,min</sub>"));
    for (int m = 1; m <= MonthlyClimate::Months; ++m) {
        const std::size_t i = std::size_t(m - 1);
        const bool design = m == r.designMonth;
        const auto bold = [design](const QString &text) {
            return design ? QStringLiteral("<b>%1</b>").arg(text) : text;
        };
        table->setCellText(m, 0, bold(MonthlyClimate::monthName(m)));
        table->setCellText(m, 1, bold(fixed(r.month(m)->thetaE, 1)));
        table->setCellText(m, 2, bold(fixed(r.thetaSiMin[i], 1)));
        table->setCellText(m, 3,
                           std::isfinite(r.fRsiMin[i]) ? bold(fixed(r.fRsiMin[i], 2)) : QStringLiteral("&ndash;"));
        for (int row = 0; row < 4; ++row)
            table->setCellAlignment(m, row, Qt::AlignRight | Qt::AlignTop);
    }
    addTable(std::move(table));
    addSpacing(m_textMetrics.spacing());
    addText(r.designMonth != 0
                ? tr("Design month %1: <i>f</i><sub>Rsi,min</sub> = %L2; the construction has <i>f</i><sub>Rsi</sub> "
                     "= %L3 with R<sub>si</sub> = 0.25 m<sup>2</sup>K/W.")
                      .arg(MonthlyClimate::monthName(r.designMonth))
                      .arg(r.designFRsiMin, 0, 'f', 3)
                      .arg(r.fRsi, 0, 'f', 3)
                : tr("No month is colder outside than inside: no design month."));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
