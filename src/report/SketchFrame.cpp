#include "SketchFrame.h"

#include "Report.h"

#include <visualisation/DiagramScene.h>
#include <visualisation/DiagramStyle.h>

#include <QPainter>

SketchFrame::SketchFrame(Report *report, QTextDocument *textDocument) : ReportFrameBase(report, textDocument) {}

SketchFrame::~SketchFrame() = default;

double SketchFrame::sketchHeight(double pixelsPerMM, double pageHeight) {
    return qMax(50 * pixelsPerMM, pageHeight / 4);
}

QRectF SketchFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Construction Sketch")));
    addSpacing(m_textMetrics.spacing());
    m_sketchRect = QRectF(0, 0, width, sketchHeight(m_report->pixelsPerMM(), m_report->pageSize().height()));
    if (!m_scene) {
        DiagramFontSettings fonts;
        fonts.family = m_report->fontFamily();
        m_scene = std::make_unique<DiagramScene>(false, device, fonts);
    }
    m_scene->setup(m_sketchRect, device, m_report->pixelsPerMM(), m_report->results(), m_report->inputData(),
                   DiagramScene::ConstructionSketch);
    m_sketchRect.moveTop(cursor());
    addSpacing(m_sketchRect.height() + m_textMetrics.spacing());
    return endLayout();
}

void SketchFrame::draw(QPainter *painter, const QRectF &frame) {
    painter->fillRect(frame, Qt::white);
    ReportFrameBase::draw(painter, frame);
    m_scene->renderInto(painter, m_sketchRect.translated(frame.topLeft()));
}
