#include "ResistanceFrame.h"

#include "Report.h"

#include <calculation/CalculationResults.h>
#include <model/InputData.h>

#include <QtExt_Table.h>

#include <algorithm>

namespace {

// Liquid transport resistances of non-capillary layers are practically infinite.
const double MaximumLiquidResistance = 1e30;

/*! Three significant digits, always in scientific notation so that a column reads one way; the practically
    infinite liquid resistance of a non-capillary layer as the infinity sign. */
QString significant(double value) {
    if (value >= MaximumLiquidResistance)
        return QString(QChar(0x221E));
    return QStringLiteral("%L1").arg(value, 0, 'e', 2);
}

double valueAt(const std::vector<double> &values, int i) {
    return i < int(values.size()) ? values[i] : 0.0;
}

} // namespace

QRectF ResistanceFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    // The title stands above the tables it names.
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Thermal, Vapour Diffusion and Liquid Transport Resistances")));
    addSpacing(m_textMetrics.spacing());
    if (addMissingResultsNotice(false))
        return endLayout();

    const QVector<MaterialLayer> &layers = m_report->inputData().layers();
    const CalculationResults &results = m_report->results();
    const int n = layers.size();
    auto table = createTable(5, n + 2);
    table->setCellText(1, 0, QStringLiteral("<h4>%1</h4>").arg(tr("Layer / Material")));
    table->setCellText(2, 0, QStringLiteral("<h4>R<br/>[m<sup>2</sup>K/W]</h4>"));
    table->setCellText(3, 0, QStringLiteral("<h4>r<sub>v</sub><br/>[m/s]</h4>"));
    table->setCellText(4, 0, QStringLiteral("<h4>r<sub>w</sub><br/>[m<sup>2</sup>s/kg]</h4>"));
    for (int col = 1; col < 5; ++col)
        table->setCellAlignment(col, 0, (col == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom);
    double sumR = 0, sumZ = 0;
    for (int i = 0; i < n; ++i) {
        const double R = valueAt(results.R_moist, i);
        const double Z = valueAt(results.Z_moist, i);
        sumR += R;
        sumZ += Z;
        table->setCellText(0, i + 1, QString::number(i + 1));
        table->setCellText(1, i + 1, layers[i].name().toHtmlEscaped());
        table->setCellText(2, i + 1, fixed(R, 3));
        table->setCellText(3, i + 1, significant(Z));
        table->setCellText(4, i + 1, significant(std::min(valueAt(results.R_liquid, i), MaximumLiquidResistance)));
    }
    table->setCellText(0, n + 1, QStringLiteral("<h4>%1</h4>").arg(tr("Sum of resistances (moisture dependent)")));
    table->setCellJoined(0, n + 1, 2, 1);
    table->setCellText(2, n + 1, QStringLiteral("<h4>%1</h4>").arg(fixed(sumR, 3)));
    table->setCellText(3, n + 1, QStringLiteral("<h4>%1</h4>").arg(significant(sumZ)));
    for (int row = 1; row <= n + 1; ++row)
        for (int col = 2; col < 5; ++col)
            table->setCellAlignment(col, row, Qt::AlignRight | Qt::AlignTop);
    addSplittableTable(std::move(table), 1);
    addSpacing(m_textMetrics.spacing());

    auto totals = createTable(3, 2);
    totals->setCellText(0, 0,
                        QStringLiteral("<h4>%1</h4>").arg(tr("Thermal transmission resistance (moisture dependent):")));
    totals->setCellText(1, 0, QStringLiteral("R<sub>T</sub>"));
    totals->setCellText(2, 0, QStringLiteral("= %L1 m<sup>2</sup>K/W").arg(results.R_total_moist, 0, 'f', 3));
    totals->setCellText(
        0, 1, QStringLiteral("<h4>%1</h4>").arg(tr("Thermal transmission coefficient (moisture dependent):")));
    totals->setCellText(1, 1, QStringLiteral("U  "));
    totals->setCellText(2, 1, QStringLiteral("= %L1 W/(m<sup>2</sup>K)").arg(results.U_moist, 0, 'f', 3));
    addTable(std::move(totals));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
