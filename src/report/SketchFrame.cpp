#include "SketchFrame.h"

#include "Report.h"

SketchFrame::SketchFrame(Report *report, QTextDocument *textDocument) : SceneFrame(report, textDocument) {}

double SketchFrame::sketchHeight(double pixelsPerMM, double pageHeight) {
    return qMax(50 * pixelsPerMM, pageHeight / 4);
}

QRectF SketchFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Construction Sketch")));
    addSpacing(m_textMetrics.spacing());
    const double height = sketchHeight(m_report->pixelsPerMM(), m_report->pageSize().height());
    placeScene(DiagramScene::DiagramType::ConstructionSketch, height);
    addSpacing(height + m_textMetrics.spacing());
    return endLayout();
}
