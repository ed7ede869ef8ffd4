#include "DiagramScene.h"

#include "DiagramAxes.h"
#include "DiagramProfiles.h"
#include "DiagramStyle.h"

#include "GlaserProfile.h"

#include <calculation/CriteriaBasis.h>
#include <calculation/ResultTexts.h>

#include <QGraphicsTextItem>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

/*! Relative comparison of rectangle coordinates: |a - b| * 1e12 <= min(|a|, |b|). */
bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) * 1e12 <= std::min(std::fabs(a), std::fabs(b));
}

bool nearlyEqual(const QRectF &a, const QRectF &b) {
    return nearlyEqual(a.x(), b.x()) && nearlyEqual(a.y(), b.y()) && nearlyEqual(a.width(), b.width()) &&
           nearlyEqual(a.height(), b.height());
}

/*! The input data compare layers only; the drawing also shows the winter climate. */
bool sameClimate(const AssessmentConditions &a, const AssessmentConditions &b) {
    return a.T_i() == b.T_i() && a.rh_i() == b.rh_i() && a.T_e() == b.T_e() && a.rh_e() == b.rh_e();
}

} // namespace

DiagramScene::DiagramScene(bool screenMode, QPaintDevice *device, const DiagramFontSettings &fonts, QObject *parent)
    : QGraphicsScene(parent), m_style(new DiagramStyle(screenMode, fonts)) {
    m_style->rebuild(1.0, device);
    createTitleItems();
}

DiagramScene::~DiagramScene() = default;

bool DiagramScene::screenMode() const {
    return m_style->screenMode();
}

QString DiagramScene::temperatureTitleText() {
    return tr("Temperature %1 in [%2C]").arg(QChar(0x03B8)).arg(QChar(0x00B0));
}

QString DiagramScene::vapourPressureTitleText() {
    return tr("Vapour pressure p in [Pa]");
}

QString DiagramScene::moistureTitleText() {
    return tr("Moisture content w in [%1]").arg("m<sup>3</sup>/m<sup>3</sup>");
}

QString DiagramScene::dimensionChainTitleText() {
    return tr("Layer widths in [mm]");
}

QString DiagramScene::sdChainTitleText() {
    return tr("Diffusion-equivalent air layer thickness s<sub>d</sub> in [m]");
}

void DiagramScene::createTitleItems() {
    const QString texts[TitleCount] = {temperatureTitleText(), vapourPressureTitleText(), moistureTitleText(),
                                       dimensionChainTitleText(), sdChainTitleText()};
    for (int i = 0; i < TitleCount; ++i) {
        m_titles[i] = m_style->createText(texts[i], m_style->titleFont(), i == MoistureTitle || i == SdChainTitle);
        m_titles[i]->hide();
        addItem(m_titles[i]);
    }
}

bool DiagramScene::isUnchanged(const QRectF &rect, const CalculationResults &results, const InputData &input,
                               DiagramType type) const {
    return m_hasDrawn && nearlyEqual(rect, m_geometry.rect) && results == m_results && input == m_input &&
           sameClimate(input.conditions(), m_input.conditions()) && type == m_type;
}

void DiagramScene::setup(const QRectF &rect, QPaintDevice *device, double scale, const CalculationResults &results,
                         const InputData &input, DiagramType type) {
    const bool sameStyle = device == m_style->device() && scale == m_style->scale();
    m_style->rebuild(scale, device);
    if (sameStyle && isUnchanged(rect, results, input, type))
        return;
    if (type == DiagramType::NoDiagram)
        return;

    QGraphicsTextItem *sample = m_style->createText("T", m_style->labelFont());
    m_geometry = DiagramGeometry();
    m_geometry.textHeight = sample->boundingRect().height();
    m_geometry.textWidth = sample->boundingRect().width();
    delete sample;

    clear();
    createTitleItems();
    setFont(m_style->labelFont());
    m_type = type;
    m_results = results;
    m_input = input;
    m_geometry.rect = rect;
    m_chainRows = DimensionChainRows();
    m_hasDrawn = true;
    setSceneRect(rect);

    m_totalThickness = 0;
    bool drawable = m_results.resultCode != ResultCode::InvalidInput && !m_input.layers().isEmpty();
    for (const MaterialLayer &layer : m_input.layers()) {
        drawable = drawable && layer.width() > 0;
        m_totalThickness += layer.width();
    }
    if (!drawable) {
        drawNotice(rect);
        return;
    }

    computeLayout();
    drawDimensionChain();
    drawOutline();
    if (m_type != DiagramType::ConstructionSketch)
        drawProfiles();
    update(rect);
}

void DiagramScene::renderInto(QPainter *painter, const QRectF &target) {
    render(painter, target, m_geometry.rect, Qt::IgnoreAspectRatio);
}

void DiagramScene::computeLayout() {
    const QRectF &R = m_geometry.rect;
    const double s = m_style->scale();
    const bool sketch = m_type == DiagramType::ConstructionSketch;
    using L = DiagramStyle::Layout;
    double top, bottom;
    if (m_style->screenMode()) {
        top = R.top() + L::TopMargin;
        bottom = std::trunc(R.height() - L::BottomMargin);
    }
    else {
        top = R.top() + L::TopMargin * s;
        bottom = R.bottom() - (sketch ? L::SketchBottomMargin : L::BottomMargin) * s;
    }
    m_titles[TemperatureTitle]->setTextWidth(bottom - top);
    const double HL = m_titles[TemperatureTitle]->boundingRect().height();
    double HR = m_geometry.textHeight;
    if (m_results.resultCode >= ResultCode::NoAlgorithm || hasPressureProfiles()) {
        QGraphicsTextItem *right =
            m_titles[m_type == DiagramType::MoistureContent ? MoistureTitle : VapourPressureTitle];
        right->setTextWidth(bottom - top);
        HR = right->boundingRect().height();
    }
    const double left = R.left() + (sketch ? 0 : std::trunc(HL + L::AxisTitleGap * s));
    const double right = R.width() - (sketch ? 0 : std::trunc(HR + L::AxisTitleGap * s));
    m_geometry.plot = QRectF(QPointF(left, top), QPointF(right, bottom));

    const double plotWidth = right - left;
    double zone;
    if (m_style->screenMode()) {
        m_geometry.warmEdge = int(left + L::ScreenWarmSideSpace);
        m_geometry.coldEdge = int(right - L::ScreenColdSideSpace);
        zone = std::trunc(std::max(L::MinimumAirZone, L::AirZoneShare * plotWidth));
    }
    else {
        m_geometry.warmEdge = int(left + L::ReportSideSpace * s);
        m_geometry.coldEdge = int(right - L::ReportSideSpace * s);
        zone = std::trunc(std::max(L::MinimumAirZone * s, L::AirZoneShare * plotWidth));
    }

    // whole pixels per layer; the rounding losses collect at the cold side
    const double available = m_geometry.coldEdge - 2 * zone - m_geometry.warmEdge;
    // a foil stays visible between the boundary lines beside it
    const double minimum = L::MinimumLayerInPens * m_style->pen(DiagramStyle::LayerBoundary).widthF();
    std::vector<double> &pos = m_geometry.positions;
    pos.assign(1, m_geometry.warmEdge + zone);
    for (double w : drawnWidths(layerExtents(), available, minimum))
        pos.push_back(pos.back() + std::trunc(w));
    // over sd the layers are no longer recognisable by their widths: numbered like the sketch
    if (sketch || m_type == DiagramType::Glaser)
        m_geometry.plot.setTop(top + layerNumberRows() * L::LineSpacing * m_geometry.textHeight);
}

std::vector<double> DiagramScene::drawnWidths(const std::vector<double> &widths, double available, double minimum) {
    const std::size_t n = widths.size();
    std::vector<double> drawn(n, 0.0);
    if (n == 0 || available <= 0)
        return drawn;
    minimum = std::min(minimum, available / double(n));
    // layers below the minimum get it; the others share the rest in proportion, until no more fall below
    std::vector<bool> raised(n, false);
    for (bool changed = true; changed;) {
        changed = false;
        double rest = available;
        double restWidth = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (raised[i])
                rest -= minimum;
            else
                restWidth += widths[i];
        }
        for (std::size_t i = 0; i < n; ++i) {
            drawn[i] = raised[i] ? minimum : (restWidth > 0 ? widths[i] * rest / restWidth : 0.0);
            if (!raised[i] && drawn[i] < minimum) {
                raised[i] = true;
                changed = true;
            }
        }
    }
    return drawn;
}

int DiagramScene::layerNumberRows() {
    // the numbers of the tables above the layers; where they crowd, every other one a row higher
    const std::vector<double> &pos = m_geometry.positions;
    const double gap = DiagramStyle::Layout::NumberGap * m_geometry.textWidth;
    double rowRight[2] = {-1e300, -1e300};
    std::vector<std::pair<QGraphicsTextItem *, int>> placed;
    for (std::size_t i = 0; i + 1 < pos.size(); ++i) {
        QGraphicsTextItem *number = m_style->createText(QString::number(i + 1), m_style->labelFont());
        const double w = number->boundingRect().width();
        const double left = (pos[i] + pos[i + 1] - w) / 2;
        int row = -1;
        for (int k = 0; k < 2 && row < 0; ++k) {
            if (left >= rowRight[k] + gap)
                row = k;
        }
        if (row < 0) {
            delete number;
            continue;
        }
        rowRight[row] = left + w;
        number->setPos(left, 0);
        addItem(number);
        placed.emplace_back(number, row);
    }
    int rows = 0;
    for (const auto &p : placed)
        rows = std::max(rows, p.second + 1);
    const double rowHeight = DiagramStyle::Layout::LineSpacing * m_geometry.textHeight;
    for (const auto &p : placed)
        p.first->setY(m_geometry.plot.top() + (rows - 1 - p.second) * rowHeight);
    return rows;
}

std::vector<double> DiagramScene::layerExtents() const {
    std::vector<double> extents;
    for (const MaterialLayer &layer : m_input.layers())
        extents.push_back(m_type == DiagramType::Glaser ? layer.mu() * layer.width() : layer.width());
    return extents;
}

void DiagramScene::drawDimensionChain() {
    const bool sd = m_type == DiagramType::Glaser;
    DimensionChain chain(this, *m_style, m_geometry, layerExtents(), m_titles[sd ? SdChainTitle : DimensionChainTitle],
                         sd ? DimensionChain::SdInMetres : DimensionChain::WidthInMillimetres);
    m_chainRows = chain.draw();
    QRectF &plot = m_geometry.plot;
    plot.setBottom(std::min(plot.bottom(), m_chainRows.plotBottom));
}

void DiagramScene::drawOutline() {
    const std::vector<double> &pos = m_geometry.positions;
    const QRectF &plot = m_geometry.plot;
    if (m_type == DiagramType::ConstructionSketch) {
        // every layer outlined, so that layers of one colour stay apart
        const QPen &edge = m_style->pen(DiagramStyle::DimensionChain);
        for (int i = 0; i < m_input.layers().size(); ++i) {
            const QColor color = m_input.layers()[i].color();
            addRect(QRectF(QPointF(pos[std::size_t(i)], plot.top()), QPointF(pos[std::size_t(i) + 1], plot.bottom())),
                    edge, QBrush(color));
        }
        drawSideMarks();
    }
    const QPen &vertical = m_style->pen(DiagramStyle::OutlineVertical);
    addLine(pos.front(), plot.top(), pos.front(), plot.bottom(), vertical);
    addLine(pos.back(), plot.top(), pos.back(), plot.bottom(), vertical);
    const QPen &horizontal = m_style->pen(DiagramStyle::OutlineHorizontal);
    const double topY = plot.top() + horizontal.widthF();
    addLine(pos.front(), topY, pos.back(), topY, horizontal);
    addLine(pos.front(), plot.bottom(), pos.back(), plot.bottom(), horizontal);
}

void DiagramScene::drawSideMarks() {
    const QRectF &plot = m_geometry.plot;
    const std::vector<double> &pos = m_geometry.positions;
    const std::pair<QString, double> sides[] = {{tr("Warm side"), (m_geometry.warmEdge + pos.front()) / 2},
                                                {tr("Cold side"), (pos.back() + m_geometry.coldEdge) / 2}};
    for (const auto &side : sides) {
        QGraphicsTextItem *text = m_style->createText(side.first, m_style->labelFont(), false, plot.height());
        // rotated by -90 degrees about its origin, the item covers [x, x + h] x [bottom - width, bottom]
        const double h = text->boundingRect().height();
        text->setRotation(-90);
        text->setPos(side.second - h / 2, plot.bottom());
        addItem(text);
    }
}

void DiagramScene::drawNotice(const QRectF &area) {
    // what the calculation says instead of an empty frame: the input check's or the calculation's message, or
    // for the moisture-dependent profiles where the Glaser figures are judged, why that method has none
    QString reason = m_results.messages.isEmpty() ? ResultTexts::verdictText(m_results).toHtmlEscaped()
                                                  : m_results.messages.join(QStringLiteral("<br/>"));
    if (m_type == DiagramType::MoistureContent && CriteriaBasis(m_results).isGlaser())
        reason = CriteriaBasis::moistureMethodEmptyNote().toHtmlEscaped();
    QGraphicsTextItem *notice =
        m_style->createText(QStringLiteral("<b>%1</b><br/>%2").arg(tr("No results to draw.").toHtmlEscaped(), reason),
                            m_style->titleFont(), true, 0.8 * area.width());
    const QRectF br = notice->boundingRect();
    notice->setPos(area.center().x() - br.width() / 2, area.center().y() - br.height() / 2);
    notice->setZValue(2);
    addItem(notice);
}

bool DiagramScene::validForTemperature() const {
    for (const MaterialLayer &layer : m_input.layers()) {
        if (layer.width() <= 0 || !(layer.isAir() || layer.material().lambda() > 0))
            return false;
    }
    return true;
}

bool DiagramScene::hasPressureProfiles() const {
    // The pressure diagrams show the Glaser step's pressures: drawn wherever it produced them, whatever became
    // of the moisture-dependent method. The moisture diagram needs that method's result.
    const bool pressures = !m_results.p.empty() && !m_results.p_sat.empty();
    if (m_type == DiagramType::Glaser)
        return CriteriaBasis::hasGlaserProfiles(m_results);
    if (m_type == DiagramType::VapourPressure && CriteriaBasis::hasGlaserProfiles(m_results))
        return true;
    return m_results.glaserResultCode > ResultCode::InvalidInput && m_results.resultCode > ResultCode::NoAlgorithm &&
           pressures;
}

void DiagramScene::drawProfiles() {
    std::unique_ptr<VapourPressureProfile> pressure;
    std::unique_ptr<MoistureProfile> moisture;
    std::unique_ptr<GlaserProfile> glaser;
    if (!hasPressureProfiles())
        drawNotice(m_geometry.plot);
    else if (m_type == DiagramType::Glaser) {
        glaser = std::make_unique<GlaserProfile>(this, *m_style, m_geometry, m_input, m_results);
        glaser->draw(m_titles[VapourPressureTitle]);
    }
    else if (m_type == DiagramType::VapourPressure) {
        pressure = std::make_unique<VapourPressureProfile>(this, *m_style, m_geometry, m_input, m_results);
        pressure->draw(m_titles[VapourPressureTitle]);
    }
    else {
        moisture = std::make_unique<MoistureProfile>(this, *m_style, m_geometry, m_input, m_results);
        moisture->draw(m_titles[MoistureTitle]);
    }
    if (validForTemperature()) {
        const AssessmentConditions &c = m_input.conditions();
        // beside the moisture contents the temperatures of the same, moisture-dependent calculation
        const bool moistTemperatures = moisture && m_results.T_moist.size() == m_results.T.size();
        TemperatureProfile(this, *m_style, m_geometry, c.T_i(), c.T_e(),
                           moistTemperatures ? m_results.T_moist : m_results.T)
            .draw(m_titles[TemperatureTitle]);
    }
    const std::vector<double> &pos = m_geometry.positions;
    const QRectF &plot = m_geometry.plot;
    for (std::size_t k = 1; k < pos.size(); ++k)
        addLine(pos[k], plot.top(), pos[k], plot.bottom(), m_style->pen(DiagramStyle::LayerBoundary));
    if (pressure)
        pressure->drawLegend();
    if (glaser) {
        glaser->drawCondensationMarks();
        glaser->drawLegend();
    }
    if (moisture && moisture->maximum() > 0)
        moisture->drawLegend();
}
