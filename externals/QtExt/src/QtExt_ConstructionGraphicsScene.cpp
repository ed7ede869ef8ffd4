#include "QtExt_ConstructionGraphicsScene.h"

#include "QtExt_GraphicsRectItemWithHatch.h"

#include <QAbstractTextDocumentLayout>
#include <QGraphicsTextItem>
#include <QLocale>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace QtExt {

namespace {

const double RelativeTolerance = 1e12;
const int ScreenTopMargin = 5;
const int ScreenBottomMargin = 15;
const int ScreenWarmEdge = 40;
const int ScreenColdEdge = 50;
const double MaxHatchSpacing = 5;

bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) * RelativeTolerance <= std::min(std::fabs(a), std::fabs(b)) || a == b;
}

/*! Width in mm without decimals when its fraction is below 0.1, else with one decimal. */
QString widthLabel(double widthInMetres) {
    // Round off the binary noise of the metre value first: 0.012 m must not become 11.99999 mm.
    const double mm = std::round(widthInMetres * 1e9) / 1e6;
    const double fraction = mm - std::floor(mm);
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(fraction < 0.1 ? std::round(mm) : mm, 'f', fraction < 0.1 ? 0 : 1);
}

} // namespace

ConstructionGraphicsScene::ConstructionGraphicsScene(bool onScreen, QPaintDevice *device, QObject *parent)
    : QGraphicsScene(parent), m_onScreen(onScreen), m_device(device) {}

int ConstructionGraphicsScene::hatchSpacing(double res) {
    return int(std::min(0.8 * res, MaxHatchSpacing));
}

bool ConstructionGraphicsScene::sameDrawing(const QRect &frame, const QVector<ConstructionLayer> &layers) const {
    return nearlyEqual(frame.x(), m_frame.x()) && nearlyEqual(frame.y(), m_frame.y()) &&
           nearlyEqual(frame.width(), m_frame.width()) && nearlyEqual(frame.height(), m_frame.height()) &&
           layers == m_layers && !items().isEmpty();
}

void ConstructionGraphicsScene::setup(QRect frame, QPaintDevice *device, double res,
                                      const QVector<ConstructionLayer> &layers, const QString &leftText,
                                      const QString &rightText) {
    Q_ASSERT_X(device, "ConstructionGraphicsScene::setup", "device");
    m_device = device;
    const bool textsChanged = leftText != m_leftText || rightText != m_rightText;
    m_leftText = leftText;
    m_rightText = rightText;
    if (res == m_res && !textsChanged && sameDrawing(frame, layers))
        return;
    m_res = res;

    QFont base;
    base.setPointSize(m_onScreen ? 8 : 6);
    m_labelFont = base;
    base.setPointSize(m_onScreen ? 10 : 8);
    m_titleFont = base;

    clear();
    m_positions.clear();
    m_chainTitle = addTextItem(tr("Layer widths in [mm]"), m_labelFont);
    m_chainTitle->hide();
    m_layers = layers;
    m_frame = frame;
    buildPens();

    double total = 0;
    for (const ConstructionLayer &layer : m_layers) {
        if (layer.m_width <= 0)
            return;
        total += layer.m_width;
    }
    if (m_layers.isEmpty())
        return;
    computeLayout(total);
    drawDimensionChain();
    drawLayers();
    drawSideTexts();
    setSceneRect(m_frame);
    update(m_frame);
}

void ConstructionGraphicsScene::buildPens() {
    const double s = m_res;
    m_pens[ChainPen] = QPen(m_onScreen ? Qt::gray : Qt::black, std::max(1.0, 0.2 * s), Qt::SolidLine);
    m_pens[OutlinePen] = QPen(Qt::black, m_onScreen ? 2.0 : std::floor(0.8 * s), Qt::SolidLine);
    m_pens[AuxiliaryPen] = QPen(Qt::darkGray, m_onScreen ? 1.0 : 0.2 * s, Qt::DashLine);
}

QGraphicsTextItem *ConstructionGraphicsScene::addTextItem(const QString &text, const QFont &font) {
    auto *item = new QGraphicsTextItem;
    item->document()->documentLayout()->setPaintDevice(m_device);
    item->setFont(font);
    item->setPlainText(text);
    addItem(item);
    return item;
}

void ConstructionGraphicsScene::computeLayout(double total) {
    const double s = m_res;
    const int top = m_onScreen ? m_frame.top() + ScreenTopMargin : int(m_frame.top() + 5 * s);
    const int bottom = m_onScreen ? m_frame.height() - ScreenBottomMargin : int(m_frame.bottom() - 5 * s);
    m_plot = QRect(QPoint(m_frame.left(), top), QPoint(m_frame.width(), bottom));
    int zone;
    if (m_onScreen) {
        m_warmEdge = m_plot.left() + ScreenWarmEdge;
        m_coldEdge = m_plot.right() - ScreenColdEdge;
        zone = int(std::max(10.0, 0.03 * m_plot.width()));
    }
    else {
        m_warmEdge = int(m_plot.left() + 5 * s);
        m_coldEdge = int(m_plot.right() - 5 * s);
        zone = int(std::max(10 * s, 0.03 * m_plot.width()));
    }
    const double available = m_coldEdge - 2 * zone - m_warmEdge;
    m_positions.append(m_warmEdge + zone);
    for (const ConstructionLayer &layer : m_layers)
        m_positions.append(m_positions.last() + int(layer.m_width * available / total));
}

void ConstructionGraphicsScene::drawDimensionChain() {
    const int n = m_layers.size();
    const int t = int(std::max(3.0, 0.8 * m_res));
    const QPen &pen = m_pens[ChainPen];
    QVector<QGraphicsTextItem *> fitting;
    QVector<int> fittingLayers;
    QVector<int> overflow;
    QVector<QGraphicsTextItem *> labels;
    double H = 0;
    double total = 0;
    for (int i = 0; i < n; ++i) {
        total += m_layers[i].m_width;
        if (n < 2)
            continue;
        QGraphicsTextItem *label = addTextItem(widthLabel(m_layers[i].m_width), m_labelFont);
        labels.append(label);
        H = std::max(H, label->boundingRect().height());
        if (label->boundingRect().width() <= m_positions[i + 1] - m_positions[i] - 2 * t)
            fittingLayers.append(i);
        else
            overflow.append(i);
    }
    QGraphicsTextItem *totalLabel = addTextItem(widthLabel(total), m_labelFont);
    H = std::max(H, totalLabel->boundingRect().height());

    // The chain title takes the bottom of the area, so that it stays inside; the rows stand above it.
    const double totalRow = m_frame.bottom() - m_chainTitle->boundingRect().height() - t - H;
    const double layerRow = n >= 2 ? totalRow - std::floor(0.7 * t) - 0.15 * H - H : totalRow;
    const double lastRow = overflow.isEmpty() ? layerRow : layerRow - 1.5 * H;
    m_plot.setBottom(int(lastRow - H));
    const double layerLine = layerRow + H;
    const double totalLine = totalRow + H;

    for (int i : fittingLayers) {
        const double w = labels[i]->boundingRect().width();
        labels[i]->setPos((m_positions[i] + m_positions[i + 1] - w) / 2, layerRow);
    }
    double right = -1e9;
    for (int i : overflow) {
        const double w = labels[i]->boundingRect().width();
        const double centre = (m_positions[i] + m_positions[i + 1]) / 2.0;
        const double left = std::max(centre - w / 2, right + t);
        labels[i]->setPos(left, lastRow);
        addLine(left + w / 2, lastRow + H, centre, layerLine, pen);
        right = left + w;
    }
    const double middle = (m_positions.first() + m_positions.last()) / 2.0;
    totalLabel->setPos(middle - totalLabel->boundingRect().width() / 2, totalRow);
    m_chainTitle->setPos(middle - m_chainTitle->boundingRect().width() / 2, totalLine + t);
    m_chainTitle->show();

    const double tick = std::floor(0.7 * t);
    addLine(m_positions.first() - t, layerLine, m_positions.last() + t, layerLine, pen);
    if (n >= 2)
        addLine(m_positions.first() - t, totalLine, m_positions.last() + t, totalLine, pen);
    for (int k = 0; k <= n; ++k) {
        const bool outer = k == 0 || k == n;
        const double x = m_positions[k];
        addLine(x, layerLine - 2 * t, x, outer ? totalLine + t : layerLine + tick, pen);
        addLine(x - tick, layerLine + tick, x + tick, layerLine - tick, pen);
        if (outer && n >= 2)
            addLine(x - tick, totalLine + tick, x + tick, totalLine - tick, pen);
    }
}

void ConstructionGraphicsScene::drawLayers() {
    const int d = hatchSpacing(m_res);
    const int top = m_plot.top();
    const int height = m_plot.bottom() - top;
    for (int i = 0; i < m_layers.size(); ++i) {
        const ConstructionLayer &layer = m_layers[i];
        const int width = m_positions[i + 1] - m_positions[i];
        auto *item = new GraphicsRectItemWithHatch(QRectF(m_positions[i], top, width, height));
        item->setHatchType(layer.m_hatch);
        item->setHatchSpacing(d);
        item->setHatchPen(m_pens[ChainPen]);
        item->setPen(QPen(layer.m_color));
        item->setBrush(QBrush(layer.m_color));
        item->setData(0, i);
        addItem(item);

        QGraphicsTextItem *name = addTextItem(layer.m_name, m_labelFont);
        name->setTextWidth(height);
        QTextCursor cursor(name->document());
        cursor.select(QTextCursor::Document);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.mergeBlockFormat(centred);
        const QRectF box = name->boundingRect();
        name->setRotation(-90);
        // Rotated by -90°, the text's width runs upwards and its height to the right.
        name->setPos(m_positions[i] + (width - box.height()) / 2, top + (height + box.width()) / 2);
        name->setZValue(1);
        name->setVisible(box.height() < width - 2);
    }
    const QPen &outline = m_pens[OutlinePen];
    addLine(m_positions.first(), top, m_positions.first(), m_plot.bottom(), outline);
    addLine(m_positions.last(), top, m_positions.last(), m_plot.bottom(), outline);
    const QPen &auxiliary = m_pens[AuxiliaryPen];
    addLine(m_positions.first(), top + auxiliary.widthF(), m_positions.last(), top + auxiliary.widthF(), auxiliary);
    addLine(m_positions.first(), m_plot.bottom(), m_positions.last(), m_plot.bottom(), auxiliary);
}

void ConstructionGraphicsScene::drawSideTexts() {
    const auto place = [this](const QString &text, double left, double width) {
        QGraphicsTextItem *item = addTextItem(text, m_labelFont);
        item->setTextWidth(std::max(1.0, width));
        QTextCursor cursor(item->document());
        cursor.select(QTextCursor::Document);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.mergeBlockFormat(centred);
        item->setPos(left, m_plot.top() - 2);
    };
    place(m_leftText, m_frame.left(), m_positions.first() - m_frame.left());
    place(m_rightText, m_positions.last(), m_frame.width() - m_positions.last());
}

} // namespace QtExt
