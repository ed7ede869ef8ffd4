#include "DiagramPart.h"

#include "DiagramAxes.h"
#include "DiagramStyle.h"

#include <QBrush>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

DiagramPart::DiagramPart(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry)
    : m_scene(scene), m_style(style), m_geo(geometry) {}

QGraphicsLineItem *DiagramPart::addLine(double x1, double y1, double x2, double y2, const QPen &pen) const {
    return m_scene->addLine(x1, y1, x2, y2, pen);
}

QGraphicsPathItem *DiagramPart::addPath(const QPainterPath &path, const QPen &pen) const {
    return m_scene->addPath(path, pen);
}

QGraphicsTextItem *DiagramPart::addText(const QString &text, const QFont &font, bool richText) const {
    QGraphicsTextItem *item = m_style.createText(text, font, richText);
    m_scene->addItem(item);
    return item;
}

QGraphicsPathItem *DiagramPart::addBoundaryZone(double edgeX, double edgeY, double surfaceX, double surfaceY,
                                                const QPen &pen) const {
    const double cx = edgeX + 0.8 * (surfaceX - edgeX);
    const double dy = surfaceY - edgeY;
    QPainterPath path(QPointF(edgeX, edgeY));
    path.cubicTo(QPointF(cx, edgeY + 0.01 * dy), QPointF(cx, edgeY + 0.02 * dy), QPointF(surfaceX, surfaceY));
    return addPath(path, pen);
}

void DiagramPart::addProfile(const std::vector<double> &values, double inside, double outside,
                             const std::function<double(double)> &y, const QPen &pen) const {
    const std::vector<double> &pos = m_geo.positions;
    addBoundaryZone(m_geo.warmEdge, y(inside), pos.front(), y(values.front()), pen);
    for (std::size_t k = 0; k + 1 < pos.size(); ++k)
        addLine(pos[k], y(values[k]), pos[k + 1], y(values[k + 1]), pen);
    addBoundaryZone(m_geo.coldEdge, y(outside), pos.back(), y(values.back()), pen);
}

double DiagramPart::arrowHalfWidth() const {
    return std::max(2.0, std::trunc(0.4 * m_style.scale()));
}

void DiagramPart::addAxis(double x, const QPen &pen) const {
    const double top = m_geo.plot.top();
    addLine(x, top, x, m_geo.plot.bottom(), pen);
    const double a = arrowHalfWidth();
    const double length = std::max(5.0, std::trunc(m_style.scale()));
    QPolygonF head;
    head << QPointF(x, top) << QPointF(x - a, top + length) << QPointF(x + a, top + length);
    QPen outline(pen);
    outline.setJoinStyle(Qt::MiterJoin);
    m_scene->addPolygon(head, outline, QBrush(pen.color()));
}

double DiagramPart::tickSpacing() const {
    return std::max(AxisTicks::MinimumSpacingMM * m_style.pixelsPerMM(), 2 * m_geo.textHeight);
}

ValueBand DiagramPart::band(double topFraction, double bottomFraction) const {
    const double top = m_geo.plot.top();
    const double bottom = m_geo.plot.bottom();
    const double H = std::trunc(bottom - top);
    ValueBand b;
    b.top = top + topFraction * H;
    b.bottom = bottom - bottomFraction * H;
    return b;
}

double DiagramPart::axisOffset() const {
    return std::max(3.0, 3 * m_style.scale());
}

QString DiagramPart::tickLabel(double value, int decimals) {
    return QString("%1").arg(DiagramStyle::formatNumber(value, decimals), 5);
}
