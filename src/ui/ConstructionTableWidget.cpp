#include "ConstructionTableWidget.h"

#include "HatchedItemDelegate.h"

#include <model/Project.h>
#include <visualisation/DiagramScene.h>

#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>

#include <cmath>
#include <numeric>

namespace {

/*! Layer column widths for \a scale pixels per metre. */
QVector<int> scaledWidths(const QVector<double> &widths, double scale) {
    QVector<int> pixels;
    pixels.reserve(widths.size());
    for (double width : widths)
        pixels << std::max(ConstructionTableWidget::MinimumLayerWidth, int(std::trunc(width * scale)));
    return pixels;
}

int sum(const QVector<int> &values) {
    return std::accumulate(values.begin(), values.end(), 0);
}

QString unitName(int unit) {
    switch (unit) {
    case 1: return "m";
    case 10: return "dm";
    case 100: return "cm";
    default: return "mm";
    }
}

} // namespace

ConstructionTableWidget::ConstructionTableWidget(QWidget *parent) : QTableWidget(1, 3, parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectColumns);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(2);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    setItemDelegate(new HatchedItemDelegate(this));
}

void ConstructionTableWidget::setProject(const Project *project) {
    m_project = project;
    viewport()->update();
}

void ConstructionTableWidget::setWidthUnit(int unit) {
    m_widthUnit = unit;
}

const QVector<MaterialLayer> *ConstructionTableWidget::shownLayers() const {
    if (m_project && m_project->hasDocument())
        return &m_project->document()->inputData().layers();
    return nullptr;
}

QVector<int> ConstructionTableWidget::layerColumnWidths(const QVector<double> &widths, int tableWidth) {
    const int climate = int(std::trunc(0.1 * tableWidth));
    const int available = tableWidth - 2 * climate;
    double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (widths.isEmpty() || total == 0 || !std::isfinite(total))
        total = 1.0;
    const double scale = available / total;
    QVector<int> pixels = scaledWidths(widths, scale);
    const int budget = int(MaximumLayerShare * tableWidth);
    if (sum(pixels) <= budget)
        return pixels;
    if (MinimumLayerWidth * widths.size() > budget)
        return QVector<int>(widths.size(), std::max(2, budget / int(widths.size())));
    // The widths grow with the scale: find the largest scale whose columns still fit.
    double fits = 0;
    double overflows = scale;
    for (int i = 0; i < 40; ++i) {
        const double middle = 0.5 * (fits + overflows);
        (sum(scaledWidths(widths, middle)) <= budget ? fits : overflows) = middle;
    }
    return scaledWidths(widths, fits);
}

void ConstructionTableWidget::updateColumnWidths() {
    const QVector<MaterialLayer> *layers = shownLayers();
    if (!layers)
        return;
    const int tableWidth = width();
    const int climate = int(std::trunc(0.1 * tableWidth));
    if (layers->isEmpty()) {
        if (columnCount() >= 3) {
            setColumnWidth(1, tableWidth - 2 * climate);
            setColumnWidth(2, climate);
        }
        return;
    }
    if (columnCount() != layers->size() + 2)
        return;
    QVector<double> widths;
    for (const MaterialLayer &layer : *layers)
        widths << layer.width();
    const QVector<int> pixels = layerColumnWidths(widths, tableWidth);
    for (int i = 0; i < pixels.size(); ++i)
        setColumnWidth(i + 1, pixels[i]);
    setColumnWidth(columnCount() - 1, (tableWidth - sum(pixels)) / 2);
}

QSize ConstructionTableWidget::sketchSize() {
    // The width of an A4 page at screen resolution, whatever the table's width.
    const int width = DiagramExport::exportSize(QSize(1000, 1000)).width();
    return QSize(width, int(0.4 * width));
}

DiagramExport::Content ConstructionTableWidget::sketchContent() const {
    DiagramExport::Content content;
    content.type = DiagramScene::DiagramType::ConstructionSketch;
    content.fonts = m_fonts;
    if (m_project && m_project->hasDocument()) {
        content.input = m_project->document()->inputData();
        content.results = m_project->document()->calculation().results();
    }
    return content;
}

QPixmap ConstructionTableWidget::sketchPixmap() const {
    return DiagramExport::pixmap(sketchSize(), sketchContent());
}

bool ConstructionTableWidget::exportSketch(const QString &fileName, const QString &description,
                                           QString *errorText) const {
    return DiagramExport::exportWidgetPicture(fileName, sketchSize(), sketchContent(), description, errorText);
}

void ConstructionTableWidget::resizeEvent(QResizeEvent *event) {
    QTableWidget::resizeEvent(event);
    updateColumnWidths();
}

bool ConstructionTableWidget::viewportEvent(QEvent *event) {
    if (event->type() != QEvent::ToolTip)
        return QTableWidget::viewportEvent(event);
    // A layer's tool tip names its material and its width in the chosen unit.
    const auto *help = static_cast<QHelpEvent *>(event);
    const int layer = columnAt(help->pos().x()) - 1;
    const QVector<MaterialLayer> *layers = shownLayers();
    if (layers && layer >= 0 && layer < layers->size()) {
        const MaterialLayer &l = (*layers)[layer];
        QToolTip::showText(help->globalPos(),
                           QString("%1\n%L2 %3").arg(l.name()).arg(l.width(m_widthUnit)).arg(unitName(m_widthUnit)),
                           viewport());
    }
    else
        QToolTip::hideText();
    return true;
}
