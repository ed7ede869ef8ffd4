#include "DiagramView.h"

#include "DiagramScene.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
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

bool DiagramView::exportSvg(QIODevice *out) const {
    return DiagramExport::writeSvg(out, DiagramExport::exportSize(size()), content(), m_projectFile);
}

void DiagramView::print(QPrinter *printer) const {
    DiagramExport::print(printer, size(), content());
}

QString DiagramView::svgFileSuggestion(const QString &lastExportFile, const QString &projectFile,
                                       DiagramScene::DiagramType type) {
    QString directory = QDir::homePath();
    if (!lastExportFile.isEmpty())
        directory = QFileInfo(lastExportFile).absolutePath();
    else if (!projectFile.isEmpty())
        directory = QFileInfo(projectFile).absolutePath();
    QString name = projectFile.isEmpty() ? QString("unamedProject") : QFileInfo(projectFile).completeBaseName();
    if (type == DiagramScene::DiagramType::VapourPressure)
        name += "_tp";
    else if (type == DiagramScene::DiagramType::MoistureContent)
        name += "_tw";
    else if (type == DiagramScene::DiagramType::Glaser)
        name += "_glaser";
    return directory + "/" + name + ".svg";
}

void DiagramView::saveSvg() {
    const QString suggestion = svgFileSuggestion(m_lastExportFile, m_projectFile, m_type);
    const QString fileName = QFileDialog::getSaveFileName(this, tr("Save SVG"), suggestion, tr("SVG files (*.svg)"));
    if (fileName.isEmpty())
        return;
    m_lastExportFile = fileName;
    emit svgSaved(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !exportSvg(&file))
        QMessageBox::critical(this, tr("Save SVG"),
                              tr("Could not write '%1'.").arg(QDir::toNativeSeparators(fileName)));
}
