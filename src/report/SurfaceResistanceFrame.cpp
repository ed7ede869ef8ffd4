#include "SurfaceResistanceFrame.h"

#include "Report.h"

#include <model/InputData.h>

#include <QtExt_Table.h>

QRectF SurfaceResistanceFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Surface Resistances")));
    addSpacing(m_textMetrics.spacing());
    const AssessmentConditions &conditions = m_report->inputData().conditions();
    auto table = createTable(3, 2);
    const QString value = QStringLiteral("= %L1 m<sup>2</sup>K/W");
    table->setCellText(0, 0, QStringLiteral("<h4>%1</h4>").arg(tr("Warm side:")));
    table->setCellText(1, 0, QStringLiteral("R<sub>si</sub>"));
    table->setCellText(2, 0, value.arg(conditions.Rsi(), 0, 'f', 3));
    table->setCellText(0, 1, QStringLiteral("<h4>%1</h4>").arg(tr("Cold side:")));
    table->setCellText(1, 1, QStringLiteral("R<sub>se</sub>"));
    table->setCellText(2, 1, value.arg(conditions.Rse(), 0, 'f', 3));
    addTable(std::move(table), width / 2);
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
