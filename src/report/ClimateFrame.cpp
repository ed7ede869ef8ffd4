#include "ClimateFrame.h"

#include "Report.h"

#include <model/InputData.h>

#include <QtExt_Table.h>

namespace {

const QChar DegreeSign(0x00B0);

} // namespace

QRectF ClimateFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Climate Data")));
    addSpacing(m_textMetrics.spacing());
    const AssessmentConditions &conditions = m_report->inputData().conditions();
    const double padding = 2;

    const auto climateTable = [&](const QString &title, const ClimateRecord &warm, const ClimateRecord &cold) {
        auto table = createTable(5, 4);
        table->setSpacing(padding);
        table->setCellText(0, 0, QStringLiteral("<h3>%1</h3>").arg(title));
        table->setCellJoined(0, 0, 5, 1);
        table->setCellText(0, 1, QStringLiteral("<h4>%1</h4>").arg(tr("Climate at warm side")));
        table->setCellJoined(0, 1, 2, 1);
        table->setCellText(3, 1, QStringLiteral("<h4>%1</h4>").arg(tr("Climate at cold side")));
        table->setCellJoined(3, 1, 2, 1);
        table->setColumnMinimumWidth(2, m_textMetrics.height(ReportTextMetrics::Body) * 2);
        const ClimateRecord *sides[] = {&warm, &cold};
        for (int side = 0; side < 2; ++side) {
            const int col = side * 3;
            table->setCellText(col, 2, tr("Temperature"));
            table->setCellText(col, 3, tr("Relative Humidity"));
            table->setCellText(col + 1, 2, QStringLiteral("%L1 %2C").arg(sides[side]->T, 0, 'f', 1).arg(DegreeSign));
            table->setCellText(col + 1, 3, QStringLiteral("%L1 %").arg(sides[side]->rh, 0, 'f', 0));
            table->setCellAlignment(col + 1, 2, Qt::AlignRight | Qt::AlignTop);
            table->setCellAlignment(col + 1, 3, Qt::AlignRight | Qt::AlignTop);
        }
        addTable(std::move(table));
    };

    climateTable(tr("Winter Climate"), conditions.interiorWinter(), conditions.exteriorWinter());
    addText(QStringLiteral("<h4>%1:       \t%2 %3</h4>")
                .arg(tr("Duration of Condensation Period (winter)"))
                .arg(conditions.tT())
                .arg(tr("days")));
    addSpacing(m_textMetrics.spacing());
    climateTable(tr("Summer Climate"), conditions.interiorSummer(), conditions.exteriorSummer());
    addText(QStringLiteral("<h4>%1:      %2 %3</h4>")
                .arg(tr("Duration of Drying Period (summer)"))
                .arg(conditions.tT_summer())
                .arg(tr("days")));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
