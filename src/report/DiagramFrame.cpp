#include "DiagramFrame.h"

#include "Report.h"

#include <visualisation/DiagramScene.h>
#include <visualisation/DiagramStyle.h>

#include <QPainter>

DiagramFrame::DiagramFrame(Report *report, QTextDocument *textDocument, int diagramType)
    : ReportFrameBase(report, textDocument), m_diagramType(diagramType) {}

DiagramFrame::~DiagramFrame() = default;

QString DiagramFrame::title(int diagramType) {
    switch (diagramType) {
    case VapourPressureDiagram: return tr("Temperature and Vapour Pressure Profile");
    case MoistureContentDiagram: return tr("Temperature and Moisture Profile");
    default: return tr("Other Diagram");
    }
}

QRectF DiagramFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(title(m_diagramType)));
    addSpacing(m_textMetrics.spacing());
    m_diagramRect = QRectF(0, 0, width, width / 1.5);
    if (!m_scene) {
        DiagramFontSettings fonts;
        fonts.family = m_report->fontFamily();
        m_scene = std::make_unique<DiagramScene>(false, device, fonts);
    }
    m_scene->setup(m_diagramRect, device, m_report->pixelsPerMM(), m_report->results(), m_report->inputData(),
                   m_diagramType);
    m_diagramRect.moveTop(cursor());
    addSpacing(m_diagramRect.height());
    if (m_diagramType == MoistureContentDiagram)
        addText(
            QStringLiteral("<small>%1</small>").arg(tr("Condensate (overhygroscopic moisture content) dark blue.")));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}

void DiagramFrame::draw(QPainter *painter, const QRectF &frame) {
    painter->fillRect(frame, Qt::white);
    ReportFrameBase::draw(painter, frame);
    m_scene->renderInto(painter, m_diagramRect.translated(frame.topLeft()));
}
