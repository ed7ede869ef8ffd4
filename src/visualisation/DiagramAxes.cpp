#include "DiagramAxes.h"

#include "DiagramStyle.h"

#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

DimensionChain::DimensionChain(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry,
                               const std::vector<double> &widths, QGraphicsTextItem *title)
    : DiagramPart(scene, style, geometry), m_widths(widths), m_title(title),
      m_tick(std::trunc(std::max(3.0, 0.8 * style.scale()))) {}

QString DimensionChain::widthLabel(double widthInMetres) {
    // round off the binary noise of the metre value first (0.012 m must not become 11.99999 mm)
    const double mm = std::round(widthInMetres * 1e9) / 1e6;
    const double fraction = mm - std::floor(mm);
    return DiagramStyle::formatNumber(mm, fraction < 0.1 ? 0 : 1);
}

DimensionChainRows DimensionChain::rowLayout(double labelHeight, bool overflow) const {
    // The chain title sits at the very bottom of the area, the total line a tick size above it.
    const double base = m_geo.rect.bottom() - m_title->boundingRect().height() - m_tick;
    const double H = labelHeight;
    DimensionChainRows rows;
    rows.labelHeight = H;
    rows.totalRow = base - H;
    rows.layerRow = m_widths.size() >= 2 ? base - 2.1 * H : rows.totalRow;
    rows.overflowRow = overflow ? base - 3.1 * H : rows.layerRow;
    rows.plotBottom = rows.overflowRow - H;
    return rows;
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
            labels[i] = addText(widthLabel(m_widths[i]), font);
            const QRectF br = labels[i]->boundingRect();
            H = std::max(H, br.height());
            const bool fits = br.width() <= pos[i + 1] - pos[i] - 2 * m_tick;
            (fits ? fitting : overflow).push_back(int(i));
        }
    }
    QGraphicsTextItem *total = addText(widthLabel(std::accumulate(m_widths.begin(), m_widths.end(), 0.0)), font);
    H = std::max(H, total->boundingRect().height());

    const DimensionChainRows rows = rowLayout(H, !overflow.empty());
    const double layerLineY = rows.layerRow + H;
    const double totalLineY = rows.totalRow + H;
    for (int i : fitting) {
        const double w = labels[std::size_t(i)]->boundingRect().width();
        labels[std::size_t(i)]->setPos((pos[std::size_t(i)] + pos[std::size_t(i) + 1] - w) / 2, rows.layerRow);
    }
    placeOverflowLabels(overflow, labels, rows.overflowRow, layerLineY);

    const double middle = (pos.front() + pos.back()) / 2;
    total->setPos(middle - total->boundingRect().width() / 2, rows.totalRow);
    m_title->setPos(middle - m_title->boundingRect().width() / 2, totalLineY + m_tick);
    m_title->show();

    drawLines(rows, layerLineY, totalLineY);
    DimensionChainRows result = rows;
    result.overflowCount = int(overflow.size());
    return result;
}

void DimensionChain::placeOverflowLabels(const std::vector<int> &layers, std::vector<QGraphicsTextItem *> &labels,
                                         double rowTop, double lineY) const {
    if (layers.empty())
        return;
    const std::vector<double> &pos = m_geo.positions;
    std::vector<double> left;
    double previousRight = -std::numeric_limits<double>::max();
    for (int i : layers) {
        const double w = labels[std::size_t(i)]->boundingRect().width();
        const double centred = (pos[std::size_t(i)] + pos[std::size_t(i) + 1] - w) / 2;
        left.push_back(std::max(centred, previousRight + m_tick));
        previousRight = left.back() + w;
    }
    // a long run of pushed labels slides back left rather than leave the drawing
    const double excess = previousRight - m_geo.rect.right();
    const double shift = excess > 0 ? std::min(excess, std::max(0.0, left.front() - m_geo.rect.left())) : 0.0;
    for (std::size_t k = 0; k < layers.size(); ++k) {
        const std::size_t i = std::size_t(layers[k]);
        const QRectF br = labels[i]->boundingRect();
        labels[i]->setPos(left[k] - shift, rowTop);
        addLine(left[k] - shift + br.width() / 2, rowTop + br.height(), (pos[i] + pos[i + 1]) / 2, lineY,
                m_style.pen(DiagramStyle::DimensionChain));
    }
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
