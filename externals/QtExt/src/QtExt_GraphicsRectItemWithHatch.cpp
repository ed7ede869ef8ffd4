#include "QtExt_GraphicsRectItemWithHatch.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>

namespace QtExt {

namespace {
const double Sqrt2 = std::sqrt(2.0);
const int SelectionWidthFactor = 3;
} // namespace

GraphicsRectItemWithHatch::GraphicsRectItemWithHatch(const QRectF &rect, QGraphicsItem *parent)
    : QGraphicsRectItem(rect, parent), m_hatchPen(Qt::black, 1, Qt::SolidLine) {
    setFlag(QGraphicsItem::ItemIsSelectable);
}

QPainterPath GraphicsRectItemWithHatch::hatchPath() const {
    QPainterPath path;
    if (m_hatchSpacing <= 0)
        return path;
    switch (m_hatchType) {
    case Horizontal: addHorizontal(path); break;
    case Vertical: addVertical(path); break;
    case FallingRight: addFalling(path); break;
    case RisingRight: addRising(path); break;
    case DiagonalCross:
        addFalling(path);
        addRising(path);
        break;
    case SquareGrid:
        addHorizontal(path);
        addVertical(path);
        break;
    case Insulation: addInsulation(path); break;
    default: break;
    }
    return path;
}

void GraphicsRectItemWithHatch::addHorizontal(QPainterPath &path) const {
    const QRectF r = rect();
    const int count = int(r.height() / m_hatchSpacing);
    for (int i = 1; i <= count; ++i) {
        path.moveTo(r.left(), r.top() + i * m_hatchSpacing);
        path.lineTo(r.right(), r.top() + i * m_hatchSpacing);
    }
}

void GraphicsRectItemWithHatch::addVertical(QPainterPath &path) const {
    const QRectF r = rect();
    const int count = int(r.width() / m_hatchSpacing);
    for (int i = 1; i <= count; ++i) {
        path.moveTo(r.left() + i * m_hatchSpacing, r.top());
        path.lineTo(r.left() + i * m_hatchSpacing, r.bottom());
    }
}

void GraphicsRectItemWithHatch::addFalling(QPainterPath &path) const {
    const QRectF r = rect();
    const double w = r.width();
    const double h = r.height();
    const int count = int((w + h) / (m_hatchSpacing * Sqrt2));
    for (int i = 1; i <= count; ++i) {
        const double t = i * m_hatchSpacing * Sqrt2;
        path.moveTo(r.left() + std::max(0.0, w - t), r.top() + std::max(0.0, t - w));
        path.lineTo(r.left() + w - std::max(0.0, t - h), r.top() + std::min(t, h));
    }
}

void GraphicsRectItemWithHatch::addRising(QPainterPath &path) const {
    const QRectF r = rect();
    const double w = r.width();
    const double h = r.height();
    const int count = int((w + h) / (m_hatchSpacing * Sqrt2));
    for (int i = 1; i <= count; ++i) {
        const double t = i * m_hatchSpacing * Sqrt2;
        path.moveTo(r.left() + std::max(0.0, t - h), r.top() + std::min(t, h));
        path.lineTo(r.left() + std::min(t, w), r.top() + std::max(0.0, t - w));
    }
}

void GraphicsRectItemWithHatch::addInsulation(QPainterPath &path) const {
    // Rows of arches 2d wide and d high; every arch is two quarter arcs, and a vertical line of length d joins
    // it to the row below. Odd rows are shifted by d, so that the arches interlock like the fibres of a batt.
    const QRectF r = rect();
    const double d = m_hatchSpacing;
    const int rows = int(r.height() / (2 * d)) + 1;
    for (int row = 0; row < rows; ++row) {
        const double base = r.top() + (row + 1) * 2 * d;
        for (double x = r.left() - (row % 2 ? d : 2 * d); x < r.right(); x += 2 * d) {
            const QRectF circle(x, base - d, 2 * d, 2 * d);
            path.moveTo(x, base);
            path.arcTo(circle, 180, -90);
            path.arcTo(circle, 90, -90);
            path.lineTo(x + 2 * d, base + d);
        }
    }
}

void GraphicsRectItemWithHatch::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) {
    // The fill comes first: drawn after the hatch, the solid layer colour would cover it.
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~QStyle::State_Selected;
    QGraphicsRectItem::paint(painter, &plain, widget);
    const QPainterPath path = hatchPath();
    if (!path.isEmpty()) {
        painter->save();
        painter->setClipRect(rect(), Qt::IntersectClip);
        painter->setPen(m_hatchPen);
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
        painter->restore();
    }
    if (isSelected()) {
        painter->save();
        painter->setPen(QPen(Qt::black, SelectionWidthFactor * std::max(1.0, pen().widthF())));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect());
        painter->restore();
    }
}

} // namespace QtExt
