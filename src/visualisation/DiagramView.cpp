#include "DiagramView.h"

#include "DiagramScene.h"

#include <QPixmap>
#include <QResizeEvent>

#include <cstdlib>

DiagramView::DiagramView(const DiagramFontSettings &fonts, QWidget *parent) : QGraphicsView(parent), m_fonts(fonts) {
    m_scene = new DiagramScene(true, this, m_fonts, this);
    setScene(m_scene);
    setInteractive(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCacheMode(QGraphicsView::CacheBackground);
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    setOptimizationFlags(QGraphicsView::DontAdjustForAntialiasing | QGraphicsView::DontSavePainterState |
                         QGraphicsView::IndirectPainting);
    setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
    setRenderHint(QPainter::Antialiasing);
}

void DiagramView::setFonts(const DiagramFontSettings &fonts) {
    m_fonts = fonts;
    DiagramScene *old = m_scene;
    m_scene = new DiagramScene(true, this, m_fonts, this);
    setScene(m_scene);
    delete old;
    if (m_device)
        setData(m_device, m_input, m_results, m_scale);
}

QRect DiagramView::drawingRect() const {
    return rect().adjusted(Margin, Margin, -Margin, -Margin);
}

void DiagramView::setData(QPaintDevice *device, const InputData &input, const CalculationResults &results,
                          double scale) {
    m_device = device;
    m_input = input;
    m_results = results;
    m_scale = scale;
    m_drawnSize = size();
    m_scene->setSceneRect(drawingRect());
    m_scene->setup(drawingRect(), m_device, m_scale, m_results, m_input, m_type);
    show();
}

void DiagramView::setDiagramType(DiagramScene::DiagramType type) {
    m_type = type;
    if (m_device)
        setData(m_device, m_input, m_results, m_scale);
}

void DiagramView::resizeEvent(QResizeEvent *event) {
    QGraphicsView::resizeEvent(event);
    if (!m_device)
        return;
    const QSize newSize = event->size();
    if (std::abs(newSize.width() - m_drawnSize.width()) > Margin - 1 ||
        std::abs(newSize.height() - m_drawnSize.height()) > Margin - 1) {
        m_drawnSize = newSize;
        m_scene->setup(drawingRect(), m_device, m_scale, m_results, m_input, m_type);
    }
}

DiagramExport::Content DiagramView::content() const {
    DiagramExport::Content c;
    c.input = m_input;
    c.results = m_results;
    c.type = m_type;
    c.fonts = m_fonts;
    return c;
}

QPixmap DiagramView::exportImage() const {
    return DiagramExport::pixmap(DiagramExport::exportSize(size()), content());
}

bool DiagramView::exportToFile(const QString &fileName, QString *errorText) const {
    return DiagramExport::exportWidgetPicture(fileName, size(), content(), m_projectFile, errorText);
}
