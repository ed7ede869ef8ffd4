#include "DiagramAxes.h"

#include "DiagramStyle.h"

#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

DimensionChain::DimensionChain(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry,
                               const std::vector<double> &widths, QGraphicsTextItem *title, Labels labels)
    : DiagramPart(scene, style, geometry), m_widths(widths), m_title(title), m_labels(labels),
      m_tick(std::trunc(std::max(3.0, 0.8 * style.scale()))) {}

QString DimensionChain::sdLabel(double sd) {
    return DiagramStyle::formatNumber(sd, sd < 1 ? 2 : (sd < 100 ? 1 : 0));
}

QString DimensionChain::label(double width) const {
    return m_labels == SdInMetres ? sdLabel(width) : widthLabel(width);
}

QString DimensionChain::widthLabel(double widthInMetres) {
    // round off the binary noise of the metre value first (0.012 m must not become 11.99999 mm)
    const double mm = std::round(widthInMetres * 1e9) / 1e6;
    const double fraction = mm - std::floor(mm);
    return DiagramStyle::formatNumber(mm, fraction < 0.1 ? 0 : 1);
}

DimensionChainRows DimensionChain::rowLayout(double labelHeight) const {
    // The chain title sits at the very bottom of the area, the total line a tick size above it.
    const double base = m_geo.rect.bottom() - m_title->boundingRect().height() - m_tick;
    const double H = labelHeight;
    DimensionChainRows rows;
    rows.labelHeight = H;
    rows.totalRow = base - H;
    // the ticks of the layer line reach 0.7 t below it: the total label keeps clear of them
    rows.layerRow = m_widths.size() >= 2 ? rows.totalRow - std::floor(0.7 * m_tick) - 0.15 * H - H : rows.totalRow;
    rows.overflowRow = rows.layerRow;
    rows.plotBottom = rows.layerRow - H;
    return rows;
}

double DimensionChain::overflowRowTop(const DimensionChainRows &rows, int row) {
    // room for the leader lines between the rows
    return rows.layerRow - (row + 1) * 1.5 * rows.labelHeight;
}

DimensionChainRows DimensionChain::draw() {
    const std::size_t n = m_widths.size();
    const std::vector<double> &pos = m_geo.positions;
    const QFont &font = m_style.labelFont();

    std::vector<QGraphicsTextItem *> labels(n, nullptr);
    std::vector<int> fitting;
    std::vector<int> overflow;
    double H = 0;
    if (n >= 2) {
        for (std::size_t i = 0; i < n; ++i) {
            labels[i] = addText(label(m_widths[i]), font);
            const QRectF br = labels[i]->boundingRect();
            H = std::max(H, br.height());
            const bool fits = br.width() <= pos[i + 1] - pos[i] - 2 * m_tick;
            (fits ? fitting : overflow).push_back(int(i));
        }
    }
    QGraphicsTextItem *total = addText(label(std::accumulate(m_widths.begin(), m_widths.end(), 0.0)), font);
    H = std::max(H, total->boundingRect().height());

    DimensionChainRows rows = rowLayout(H);
    const double layerLineY = rows.layerRow + H;
    const double totalLineY = rows.totalRow + H;
    std::vector<QRectF> obstacles;
    for (int i : fitting) {
        const double w = labels[std::size_t(i)]->boundingRect().width();
        labels[std::size_t(i)]->setPos((pos[std::size_t(i)] + pos[std::size_t(i) + 1] - w) / 2, rows.layerRow);
        obstacles.push_back(labels[std::size_t(i)]->sceneBoundingRect());
    }
    const int usedRows = placeOverflowLabels(overflow, labels, rows, layerLineY, obstacles);
    if (usedRows > 0) {
        rows.overflowRow = overflowRowTop(rows, usedRows - 1);
        rows.plotBottom = rows.overflowRow - H;
    }
    for (int i : overflow)
        rows.overflowCount += labels[std::size_t(i)] ? 1 : 0;
    rows.droppedCount = int(overflow.size()) - rows.overflowCount;

    const double middle = (pos.front() + pos.back()) / 2;
    total->setPos(middle - total->boundingRect().width() / 2, rows.totalRow);
    m_title->setPos(middle - m_title->boundingRect().width() / 2, totalLineY + m_tick);
    m_title->show();

    drawLines(rows, layerLineY, totalLineY);
    return rows;
}

namespace {

/*! True when the segment crosses or touches the rectangle. */
bool crosses(const QLineF &segment, const QRectF &rect) {
    if (rect.contains(segment.p1()) || rect.contains(segment.p2()))
        return true;
    const QLineF edges[] = {{rect.topLeft(), rect.topRight()},
                            {rect.topRight(), rect.bottomRight()},
                            {rect.bottomRight(), rect.bottomLeft()},
                            {rect.bottomLeft(), rect.topLeft()}};
    for (const QLineF &edge : edges) {
        if (segment.intersects(edge, nullptr) == QLineF::BoundedIntersection)
            return true;
    }
    return false;
}

} // namespace

int DimensionChain::placeOverflowLabels(const std::vector<int> &layers, std::vector<QGraphicsTextItem *> &labels,
                                        const DimensionChainRows &rows, double lineY,
                                        std::vector<QRectF> obstacles) const {
    const std::vector<double> &pos = m_geo.positions;
    // labels stay over the construction and its air zones, clear of the axes beside them
    const double minX = std::max(m_geo.rect.left(), double(m_geo.warmEdge));
    const double maxX = std::min(m_geo.rect.right(), double(m_geo.coldEdge));
    double rowRight[OverflowRows];
    std::fill(std::begin(rowRight), std::end(rowRight), -std::numeric_limits<double>::max());
    std::vector<QLineF> leaders;
    int usedRows = 0;
    for (int i : layers) {
        QGraphicsTextItem *label = labels[std::size_t(i)];
        const QRectF br = label->boundingRect();
        const double centre = (pos[std::size_t(i)] + pos[std::size_t(i) + 1]) / 2;
        bool placed = false;
        for (int row = 0; row < OverflowRows && !placed; ++row) {
            const double left = std::max({centre - br.width() / 2, rowRight[row] + m_tick, minX});
            if (left + br.width() > maxX || std::fabs(left + br.width() / 2 - centre) > 2 * br.width())
                continue;
            const QRectF rect(left, overflowRowTop(rows, row), br.width(), br.height());
            const QLineF leader(rect.center().x(), rect.bottom(), centre, lineY);
            const bool free =
                std::none_of(obstacles.begin(), obstacles.end(), [&](const QRectF &r) { return crosses(leader, r); }) &&
                std::none_of(leaders.begin(), leaders.end(), [&](const QLineF &l) { return crosses(l, rect); });
            if (!free)
                continue;
            label->setPos(rect.topLeft());
            addLine(leader.x1(), leader.y1(), leader.x2(), leader.y2(), m_style.pen(DiagramStyle::DimensionChain));
            obstacles.push_back(rect);
            leaders.push_back(leader);
            rowRight[row] = rect.right();
            usedRows = std::max(usedRows, row + 1);
            placed = true;
        }
        if (!placed) {
            // no room anywhere: the width stays in the layer table
            delete label;
            labels[std::size_t(i)] = nullptr;
        }
    }
    return usedRows;
}

void DimensionChain::drawTick(double x, double y) const {
    const double h = std::floor(0.7 * m_tick);
    addLine(x - h, y + h, x + h, y - h, m_style.pen(DiagramStyle::DimensionChain));
}

void DimensionChain::drawLines(const DimensionChainRows &rows, double layerLineY, double totalLineY) const {
    const QPen &pen = m_style.pen(DiagramStyle::DimensionChain);
    const std::vector<double> &pos = m_geo.positions;
    const std::size_t n = pos.size() - 1;
    addLine(pos.front() - m_tick, layerLineY, pos.back() + m_tick, layerLineY, pen);
    if (rows.layerRow != rows.totalRow)
        addLine(pos.front() - m_tick, totalLineY, pos.back() + m_tick, totalLineY, pen);
    for (std::size_t k = 0; k <= n; ++k) {
        const bool outer = k == 0 || k == n;
        const double bottom = outer ? totalLineY + m_tick : layerLineY + std::floor(0.7 * m_tick);
        addLine(pos[k], layerLineY - 2 * m_tick, pos[k], bottom, pen);
        drawTick(pos[k], layerLineY);
        if (outer && rows.layerRow != rows.totalRow)
            drawTick(pos[k], totalLineY);
    }
}

double AxisTicks::step(double range, double bandHeight, double minSpacing) {
    range = std::fabs(range);
    if (range <= 0 || bandHeight <= 0 || minSpacing <= 0)
        return range > 0 ? range : 1.0;
    const double least = range * minSpacing / bandHeight;
    if (least >= range)
        return range;
    double magnitude = std::pow(10.0, std::floor(std::log10(least)));
    for (;; magnitude *= 10) {
        for (double factor : {1.0, 2.0, 5.0}) {
            // the allowance keeps an exact step from being rounded up by binary noise
            if (factor * magnitude >= least * (1 - 1e-9))
                return factor * magnitude;
        }
    }
}

int AxisTicks::decimals(double step) {
    int d = 0;
    while (d < 9 && std::fabs(step * std::pow(10.0, d) - std::round(step * std::pow(10.0, d))) > 1e-6)
        ++d;
    return d;
}

std::vector<double> AxisTicks::values(double low, double high, double step, double margin) {
    std::vector<double> result;
    if (step <= 0 || high <= low)
        return result;
    for (double k = std::ceil(low / step); k * step < high - margin; ++k) {
        const double v = k * step;
        if (v > low + margin)
            result.push_back(std::fabs(v) < step * 1e-9 ? 0.0 : v);
    }
    return result;
}

ValueAxis::ValueAxis(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry, double x,
                     const QPen &pen, LabelSide side)
    : DiagramPart(scene, style, geometry), m_x(x), m_pen(pen), m_side(side) {}

void ValueAxis::draw() const {
    addAxis(m_x, m_pen);
}

bool ValueAxis::addTick(double y, const QString &label) {
    const double a = arrowHalfWidth();
    addLine(m_x - a, y, m_x + a, y, m_pen);
    QGraphicsTextItem *item = m_style.createText(label, m_style.labelFont());
    const QRectF br = item->boundingRect();
    const double x = m_side == LabelsLeft ? m_x - 2 * a - br.width() : m_x + 2 * a + m_geo.textWidth;
    const QRectF rect(x, y - br.height() / 2, br.width(), br.height());
    const QRectF withClearance = rect.adjusted(0, -3, 0, 3);
    for (const QRectF &placed : m_labelRects) {
        if (withClearance.intersects(placed)) {
            delete item;
            return false;
        }
    }
    item->setPos(rect.topLeft());
    m_scene->addItem(item);
    m_labelRects.push_back(rect);
    return true;
}

void ValueAxis::showTitle(QGraphicsTextItem *title) const {
    const QRectF &plot = m_geo.plot;
    title->setTextWidth(plot.height());
    const double h = title->boundingRect().height();
    const double gap = 0.5 * m_geo.textWidth;
    double x;
    if (m_side == LabelsLeft) {
        double labelsLeft = m_x - 2 * arrowHalfWidth();
        for (const QRectF &r : m_labelRects)
            labelsLeft = std::min(labelsLeft, r.left());
        x = std::max(m_geo.rect.left(), labelsLeft - gap - h);
    }
    else {
        double labelsRight = m_x + 2 * arrowHalfWidth();
        for (const QRectF &r : m_labelRects)
            labelsRight = std::max(labelsRight, r.right());
        x = std::min(m_geo.rect.right() - h, labelsRight + gap);
    }
    // rotated by -90 degrees about its origin, the item covers [x, x + h] x [bottom - width, bottom]
    title->setRotation(-90);
    title->setPos(x, plot.bottom());
    title->show();
}

DiagramLegend::DiagramLegend(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry)
    : DiagramPart(scene, style, geometry) {}

double DiagramLegend::coveredCurves(const QRectF &box) const {
    const DiagramStyle::PenRole curvePens[] = {DiagramStyle::SaturationPressure, DiagramStyle::RealPressure,
                                               DiagramStyle::CalculatedPressure, DiagramStyle::Temperature,
                                               DiagramStyle::MoistureReference,  DiagramStyle::MoistureOutline,
                                               DiagramStyle::AuxiliaryDotted};
    double covered = 0;
    for (QGraphicsItem *item : m_scene->items(box, Qt::IntersectsItemShape)) {
        bool curve = qgraphicsitem_cast<QGraphicsPathItem *>(item) || qgraphicsitem_cast<QGraphicsPolygonItem *>(item);
        if (const auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item)) {
            for (DiagramStyle::PenRole role : curvePens)
                curve = curve || line->pen() == m_style.pen(role);
        }
        if (curve) {
            const QRectF r = item->sceneBoundingRect().intersected(box);
            covered += std::max(r.width(), 1.0) * std::max(r.height(), 1.0);
        }
    }
    return covered;
}

void DiagramLegend::draw(const QString &heading, const std::vector<Entry> &entries) const {
    QFont font = m_style.titleFont();
    font.setPointSizeF(std::max(MinimumPointSize, font.pointSizeF() * 0.65));
    const double q = std::max(3.0, 1.5 * m_style.pixelsPerMM());
    std::vector<QGraphicsTextItem *> items;
    items.push_back(addText(QStringLiteral("<b>%1</b>").arg(heading.toHtmlEscaped()), font, true));
    double W = items.back()->boundingRect().width();
    double height = items.back()->boundingRect().height();
    double textW = 0;
    for (const Entry &entry : entries) {
        items.push_back(addText(entry.text, font));
        textW = std::max(textW, items.back()->boundingRect().width());
        height += items.back()->boundingRect().height();
    }
    const double L = 3 * items.back()->boundingRect().height();
    W = std::max(W, L + q + textW);
    const QSizeF box(W + 2 * q, height + q);

    const QRectF &plot = m_geo.plot;
    const double left = m_geo.positions.front() + q;
    const double right = m_geo.positions.back() - q - box.width();
    const double top = plot.top() + q;
    const double bottom = plot.bottom() - q - box.height();
    QRectF best;
    double bestCovered = std::numeric_limits<double>::max();
    for (const QPointF &corner :
         {QPointF(right, top), QPointF(left, top), QPointF(right, bottom), QPointF(left, bottom)}) {
        const QRectF candidate(corner, box);
        const double covered = coveredCurves(candidate);
        if (covered < bestCovered) {
            best = candidate;
            bestCovered = covered;
        }
        if (covered == 0)
            break;
    }

    const qreal legendZ = 1;
    // In a small window no corner may be free: there the curves show through, paper keeps its white ground.
    QColor ground(Qt::white);
    if (m_style.screenMode() && bestCovered > 0)
        ground.setAlpha(ScreenGroundAlpha);
    m_scene->addRect(best, QPen(Qt::black, std::max(0.5, 0.15 * m_style.pixelsPerMM())), QBrush(ground))
        ->setZValue(legendZ);
    double y = best.top() + q / 2;
    items.front()->setPos(best.left() + q, y);
    items.front()->setZValue(legendZ + 1);
    y += items.front()->boundingRect().height();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QGraphicsTextItem *text = items[i + 1];
        const double h = text->boundingRect().height();
        const double xs = best.left() + q;
        if (entries[i].brush.style() != Qt::NoBrush)
            m_scene->addRect(QRectF(xs, y + 0.2 * h, L, 0.6 * h), entries[i].pen, entries[i].brush)
                ->setZValue(legendZ + 1);
        else
            addLine(xs, y + h / 2, xs + L, y + h / 2, entries[i].pen)->setZValue(legendZ + 1);
        text->setPos(xs + L + q, y);
        text->setZValue(legendZ + 1);
        y += h;
    }
}
