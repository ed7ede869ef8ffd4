#include "DiagramFrame.h"

#include "Report.h"

#include <algorithm>
#include <cmath>

DiagramFrame::DiagramFrame(Report *report, QTextDocument *textDocument, DiagramScene::DiagramType diagramType)
    : SceneFrame(report, textDocument), m_diagramType(diagramType) {}

QString DiagramFrame::title(DiagramScene::DiagramType diagramType) {
    switch (diagramType) {
    case DiagramScene::DiagramType::VapourPressure: return tr("Temperature and Vapour Pressure Profile");
    case DiagramScene::DiagramType::MoistureContent: return tr("Temperature and Moisture Profile");
    default: return tr("Other Diagram");
    }
}

QString DiagramFrame::caption(DiagramScene::DiagramType diagramType) {
    if (diagramType == DiagramScene::DiagramType::MoistureContent)
        return tr("Moisture contents and temperatures of the moisture-dependent method. Condensate "
                  "(overhygroscopic moisture content) violet blue, hygroscopic moisture light blue.");
    return tr("Temperatures and vapour pressures of the Glaser method of DIN 4108-3.");
}

QRectF DiagramFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(title(m_diagramType)));
    addSpacing(m_textMetrics.spacing());
    // two diagrams share a page when the page is tall enough for them at two thirds of their width
    const double captions = 2 * m_textMetrics.height(ReportTextMetrics::Small) + m_textMetrics.spacing();
    const double halfPage = m_report->bodyHeight() / 2 - cursor() - captions;
    const double height = halfPage >= width / 2.2 ? std::min(width / 1.5, halfPage) : width / 1.5;
    const double diagramHeight = std::floor(height);
    placeScene(m_diagramType, diagramHeight);
    addSpacing(diagramHeight);
    addText(QStringLiteral("<small>%1</small>").arg(caption(m_diagramType)));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
