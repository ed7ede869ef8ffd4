#include "ConstructionLayerFrame.h"

#include "Report.h"

#include <calculation/PhysicalProperties.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>

#include <QtExt_Table.h>

QRectF ConstructionLayerFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Material Properties")));
    addSpacing(m_textMetrics.spacing());

    const QVector<MaterialLayer> &layers = m_report->inputData().layers();
    const bool awInSeconds = m_report->awInSeconds();
    // The values the calculation used: air spaces depend on their width and the heat flow direction.
    const HeatFlowDirection heatFlowDirection = m_report->projectInformation().m_heatFlowDirection;
    auto table = createTable(9, layers.size() + 1);
    table->setCellText(1, 0, QStringLiteral("<h4>%1</h4>").arg(tr("Material")));
    table->setCellText(2, 0, QStringLiteral("<h4>d<br/>[mm]</h4>"));
    table->setCellText(3, 0, QStringLiteral("<h4>&rho;<br/>[kg/m<sup>3</sup>]</h4>"));
    table->setCellText(4, 0, QStringLiteral("<h4>&lambda;<br/>[W/(mK)]</h4>"));
    table->setCellText(5, 0, QStringLiteral("<h4>&mu;<br/>[---]</h4>"));
    table->setCellText(6, 0, QStringLiteral("<h4>w<sub>80</sub><br/>[m<sup>3</sup>/m<sup>3</sup>]</h4>"));
    table->setCellText(7, 0, QStringLiteral("<h4>w<sub>sat</sub><br/>[m<sup>3</sup>/m<sup>3</sup>]</h4>"));
    const QString awUnit = awInSeconds ? QStringLiteral("kg/m<sup>2</sup>s<sup>&frac12;</sup>")
                                       : QStringLiteral("kg/m<sup>2</sup>h<sup>&frac12;</sup>");
    table->setCellText(8, 0, QStringLiteral("<h4>A<sub>w</sub><br/>[%1]</h4>").arg(awUnit));
    for (int col = 2; col < 9; ++col)
        table->setCellAlignment(col, 0, Qt::AlignRight | Qt::AlignBottom);
    table->setCellAlignment(1, 0, Qt::AlignLeft | Qt::AlignBottom);

    for (int i = 0; i < layers.size(); ++i) {
        const MaterialLayer &layer = layers[i];
        const int row = i + 1;
        table->setCellText(0, row, QString::number(row));
        table->setCellText(1, row, layer.name().toHtmlEscaped());
        table->setCellText(2, row, fixed(layer.width() * 1000, 1));
        table->setCellText(3, row, fixed(layer.rho(), 0));
        table->setCellText(4, row, fixed(layer.lambda(heatFlowDirection), 4));
        table->setCellText(5, row, fixed(layer.mu(), 1));
        table->setCellText(6, row, fixed(layer.w_80(), 4));
        table->setCellText(7, row, fixed(layer.w_sat(), 4));
        table->setCellText(8, row, fixed(awInSeconds ? layer.Aw() : awPerRootHour(layer.Aw()), 4));
        for (int col = 2; col < 9; ++col)
            table->setCellAlignment(col, row, Qt::AlignRight | Qt::AlignTop);
    }
    addSplittableTable(std::move(table), 1);

    const QString legend =
        QStringList{tr("d - layer thickness,"),
                    tr("&lambda; - design value of thermal conductivity,"),
                    tr("&mu; - vapour diffusion resistance factor,"),
                    tr("w<sub>80</sub>/w<sub>sat</sub> - %1,").arg(tr("moisture content for 80% RH. resp. saturation")),
                    tr("A<sub>w</sub> - %1,").arg(tr("water uptake coefficient")),
                    tr("layers from left to right")}
            .join(QLatin1Char(' '));
    addText(QStringLiteral("<small>%1</small>").arg(legend));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
