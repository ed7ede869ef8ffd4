#include "QtExt_ConstructionView.h"

#include "QtExt_ConstructionGraphicsScene.h"
#include "QtExt_GraphicsRectItemWithHatch.h"

#include <QMouseEvent>

#include <cstdlib>

namespace QtExt {

ConstructionView::ConstructionView(QWidget *parent)
    : QGraphicsView(parent), m_scene(new ConstructionGraphicsScene(true, this, this)) {
    setScene(m_scene);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHint(QPainter::Antialiasing);
    connect(m_scene, &QGraphicsScene::selectionChanged, this, &ConstructionView::sceneSelectionChanged);
}

void ConstructionView::setData(QPaintDevice *device, const QVector<ConstructionLayer> &layers, double res,
                               const QString &leftText, const QString &rightText) {
    Q_ASSERT_X(device, "ConstructionView::setData", "m_device");
    m_device = device;
    m_layers = layers;
    m_res = res;
    m_leftText = leftText;
    m_rightText = rightText;
    redraw();
    show();
}

void ConstructionView::redraw() {
    if (!m_device)
        return;
    const QRect frame = rect().adjusted(m_margin, m_margin, -m_margin, -m_margin);
    m_scene->setup(frame, m_device, m_res, m_layers, m_leftText, m_rightText);
    m_drawnSize = size();
}

void ConstructionView::resizeEvent(QResizeEvent *event) {
    QGraphicsView::resizeEvent(event);
    if (std::abs(width() - m_drawnSize.width()) >= m_margin || std::abs(height() - m_drawnSize.height()) >= m_margin)
        redraw();
}

void ConstructionView::clearSelection() {
    for (QGraphicsItem *item : m_scene->selectedItems()) {
        item->setZValue(0);
        item->setSelected(false);
    }
}

bool ConstructionView::selectItemAt(const QPoint &pos) {
    // The layer's name lies over its rectangle: look through it.
    GraphicsRectItemWithHatch *item = nullptr;
    for (QGraphicsItem *candidate : items(pos)) {
        item = dynamic_cast<GraphicsRectItemWithHatch *>(candidate);
        if (item)
            break;
    }
    if (!item)
        return false;
    if (!item->isSelected()) {
        clearSelection();
        item->setZValue(1);
        item->setSelected(true);
    }
    return true;
}

void ConstructionView::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        selectItemAt(event->pos());
    QGraphicsView::mousePressEvent(event);
}

void ConstructionView::mouseDoubleClickEvent(QMouseEvent *event) {
    const bool onLayer = selectItemAt(event->pos());
    emit layerSelected(m_selectedIndex);
    QGraphicsView::mouseDoubleClickEvent(event);
    if (onLayer)
        sceneDoubleClicked();
}

int ConstructionView::selectedIndexOfScene() const {
    const QList<QGraphicsItem *> selected = m_scene->selectedItems();
    return selected.size() == 1 ? selected.first()->data(0).toInt() : -1;
}

void ConstructionView::sceneSelectionChanged() {
    m_selectedIndex = selectedIndexOfScene();
    emit layerSelected(m_selectedIndex);
}

void ConstructionView::sceneDoubleClicked() {
    const int index = selectedIndexOfScene();
    if (index != -1)
        emit layerDoubleClicked(index);
}

void ConstructionView::selectLayer(int index) {
    clearSelection();
    for (QGraphicsItem *item : m_scene->items()) {
        if (dynamic_cast<GraphicsRectItemWithHatch *>(item) && item->data(0).toInt() == index) {
            item->setZValue(1);
            item->setSelected(true);
        }
    }
}

} // namespace QtExt
