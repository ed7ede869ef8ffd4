#include "SceneFrame.h"

#include "Report.h"

#include <visualisation/DiagramStyle.h>

#include <QPainter>

SceneFrame::SceneFrame(Report *report, QTextDocument *textDocument) : ReportFrameBase(report, textDocument) {}

SceneFrame::~SceneFrame() = default;

void SceneFrame::placeScene(DiagramScene::DiagramType diagramType, double height) {
    placeScene(diagramType, height, m_report->results(), m_report->inputData());
}

void SceneFrame::placeScene(DiagramScene::DiagramType diagramType, double height, const CalculationResults &results,
                            const InputData &input) {
    m_sceneRect = QRectF(0, 0, width(), height);
    if (!m_scene) {
        DiagramFontSettings fonts;
        fonts.family = m_report->fontFamily();
        m_scene = std::make_unique<DiagramScene>(false, device(), fonts);
    }
    m_scene->setup(m_sceneRect, device(), m_report->pixelsPerMM(), results, input, diagramType);
    m_sceneRect.moveTop(cursor());
    m_placed = true;
}

void SceneFrame::draw(QPainter *painter, const QRectF &frame) {
    painter->fillRect(frame, Qt::white);
    ReportFrameBase::draw(painter, frame);
    if (m_placed)
        m_scene->renderInto(painter, m_sceneRect.translated(frame.topLeft()));
}
