#include "MonthlyTableFrame.h"

#include "Report.h"

#include <calculation/MonthlyAssessment.h>
#include <calculation/PhysicalProperties.h>

#include <QtExt_Table.h>

namespace {

/*! Sum of the month's values at the interfaces with condensate, kg/m2. */
double sum(const std::vector<double> &values, const std::vector<int> &interfaces) {
    double total = 0;
    for (int k : interfaces)
        total += values[std::size_t(k)];
    return total;
}

} // namespace

QRectF MonthlyTableFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Condensation and Drying Month by Month")));
    addSpacing(m_textMetrics.spacing());
    const MonthlyResults &r = m_report->monthly().results;
    if (!r.valid)
        return endLayout();
    const QString headers[] = {tr("Month"),
                               tr("<i>&theta;</i><sub>e</sub> [&deg;C]"),
                               tr("<i>&phi;</i><sub>e</sub> [%]"),
                               tr("<i>p</i><sub>i</sub> [Pa]"),
                               tr("condensed (+) / evaporated (&minus;) [kg/m<sup>2</sup>]"),
                               tr("accumulated <i>M</i><sub>a</sub> [kg/m<sup>2</sup>]")};
    const int cols = 6;
    auto table = createTable(cols, int(r.months.size()) + 1);
    table->setSpacing(4);
    for (int col = 0; col < 4; ++col)
        table->setColumnMinimumWidth(col, 4 * m_textMetrics.height(ReportTextMetrics::Body));
    for (int col = 0; col < cols; ++col) {
        table->setCellText(col, 0, QStringLiteral("<b>%1</b>").arg(headers[col]));
        if (col > 0)
            table->setCellAlignment(col, 0, Qt::AlignRight | Qt::AlignBottom);
    }
    for (int i = 0; i < int(r.months.size()); ++i) {
        const MonthlyMonthResult &m = r.months[std::size_t(i)];
        const int row = i + 1;
        const QString name = MonthlyClimate::monthName(m.month);
        table->setCellText(0, row, m.month == r.maxMonth ? QStringLiteral("<b>%1</b>").arg(name) : name);
        table->setCellText(1, row, fixed(m.thetaE, 1));
        table->setCellText(2, row, fixed(100 * m.pE / saturationPressureMagnus(m.thetaE), 0));
        table->setCellText(3, row, fixed(m.pI, 0));
        table->setCellText(4, row, fixed(sum(m.condensed, r.condensateInterfaces), 3));
        table->setCellText(5, row, fixed(m.total, 3));
        for (int col = 1; col < cols; ++col)
            table->setCellAlignment(col, row, Qt::AlignRight | Qt::AlignTop);
    }
    addTable(std::move(table));
    QStringList interfaces;
    for (int k : r.condensateInterfaces)
        interfaces << tr("%1 (between layers %1 and %2)").arg(k).arg(k + 1);
    addText(QStringLiteral("<small>%1</small>")
                .arg(interfaces.isEmpty()
                         ? tr("No interstitial condensation in any month; the months run from January.")
                         : tr("The year starts in the first month with condensation. Condensate at interface %1; "
                              "the worst month in bold.")
                               .arg(interfaces.join(QStringLiteral(", ")))));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
