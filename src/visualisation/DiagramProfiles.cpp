#include "DiagramProfiles.h"

#include "DiagramAxes.h"
#include "DiagramStyle.h"

#include <calculation/CalculationResults.h>
#include <calculation/PhysicalProperties.h>
#include <model/InputData.h>

#include <QBrush>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

/*! Inserts the points where the polyline crosses the level w = level, so that runs above it start and end on it. */
QPolygonF splitAtLevel(const QPolygonF &line, double level) {
    QPolygonF out;
    for (int i = 0; i < line.size(); ++i) {
        if (i > 0) {
            const QPointF &a = line[i - 1];
            const QPointF &b = line[i];
            if ((a.y() - level) * (b.y() - level) < 0) {
                const double t = (level - a.y()) / (b.y() - a.y());
                out << QPointF(a.x() + t * (b.x() - a.x()), level);
            }
        }
        out << line[i];
    }
    return out;
}

} // namespace

// ---- Temperature ----

TemperatureProfile::TemperatureProfile(QGraphicsScene *scene, const DiagramStyle &style,
                                       const DiagramGeometry &geometry, double Ti, double Te,
                                       const std::vector<double> &T)
    : DiagramPart(scene, style, geometry), m_Ti(Ti), m_Te(Te), m_T(T) {}

double TemperatureProfile::y(double theta) const {
    const ValueBand b = band(0.05, 0.25);
    const double d = m_Ti - m_Te;
    const double k = std::fabs(d) < 1e-8 ? 0.0 : b.height() / d;
    return std::trunc((m_Ti - theta) * k + b.top);
}

void TemperatureProfile::draw(QGraphicsTextItem *title) const {
    if (m_T.size() == m_geo.positions.size())
        addProfile(
            m_T, m_Ti, m_Te, [this](double theta) { return y(theta); }, m_style.pen(DiagramStyle::Temperature));

    ValueAxis axis(m_scene, m_style, m_geo, m_geo.warmEdge - axisOffset(), m_style.pen(DiagramStyle::TemperatureAxis),
                   ValueAxis::LabelsLeft);
    axis.draw();
    axis.addTick(y(m_Ti), tickLabel(m_Ti, 1));
    axis.addTick(y(m_Te), tickLabel(m_Te, 1));
    const double low = std::min(m_Ti, m_Te);
    const double high = std::max(m_Ti, m_Te);
    const ValueBand b = band(0.05, 0.25);
    const double step = AxisTicks::step(high - low, b.height(), tickSpacing());
    const int decimals = std::max(1, AxisTicks::decimals(step));
    // 0 °C first, so that no other label crowds it out
    if (low + 0.1 < 0 && 0 < high - 0.1)
        axis.addTick(y(0), tickLabel(0, decimals));
    for (double v : AxisTicks::values(low, high, step, 0.1))
        axis.addTick(y(v), tickLabel(v, decimals));
    axis.showTitle(title);
}

// ---- Vapour pressure ----

VapourPressureProfile::VapourPressureProfile(QGraphicsScene *scene, const DiagramStyle &style,
                                             const DiagramGeometry &geometry, const InputData &input,
                                             const CalculationResults &results)
    : DiagramPart(scene, style, geometry), m_p(results.p), m_psat(results.p_sat) {
    const AssessmentConditions &c = input.conditions();
    m_pi = vapourPressure(c.T_i(), c.rh_i());
    m_pe = vapourPressure(c.T_e(), c.rh_e());
    m_psati = saturationPressure(c.T_i());
    m_psate = saturationPressure(c.T_e());
    m_pmax = std::max(m_psati, m_psate);
    // The scale reaches down to the smallest pressure drawn: in winter that is the outdoor vapour pressure just
    // below the smaller saturation pressure, in summer-like climates the much lower indoor one.
    m_pmin = std::min({m_psati, m_psate, m_pi, m_pe});
    for (const std::vector<double> *v : {&m_p, &m_psat}) {
        if (!v->empty())
            m_pmin = std::min(m_pmin, *std::min_element(v->begin(), v->end()));
    }
    double range = m_pmax - m_pmin;
    if (std::fabs(range) < 1e-8)
        range = m_pmax;
    m_band = band(0.25, 0.05);
    m_k = range != 0 ? m_band.height() / range : 0.0;
}

double VapourPressureProfile::y(double p) const {
    return std::trunc((m_pmax - p) * m_k + m_band.top);
}

void VapourPressureProfile::draw(QGraphicsTextItem *title) const {
    if (m_p.size() == m_geo.positions.size() && m_psat.size() == m_geo.positions.size()) {
        drawSaturation();
        drawRealPressure();
    }
    drawAxis(title);
}

void VapourPressureProfile::drawSaturation() const {
    addProfile(
        m_psat, m_psati, m_psate, [this](double p) { return y(p); }, m_style.pen(DiagramStyle::SaturationPressure));
}

void VapourPressureProfile::drawRealPressure() const {
    const std::vector<double> &pos = m_geo.positions;
    const QPen &pen = m_style.pen(DiagramStyle::RealPressure);
    addLine(m_geo.warmEdge, y(m_pi), pos.front(), y(m_p.front()), pen);
    for (std::size_t k = 0; k + 1 < pos.size(); ++k) {
        const double pl = m_p[k], pr = m_p[k + 1], sl = m_psat[k], sr = m_psat[k + 1];
        if (sl > pl && sr > pr)
            addLine(pos[k], y(pl), pos[k + 1], y(pr), pen);
        else
            drawSaturatedLayer(pos[k], pos[k + 1], pl, pr, sl, sr);
    }
    addLine(m_geo.coldEdge, y(m_pe), pos.back(), y(m_p.back()), pen);
}

void VapourPressureProfile::drawSaturatedLayer(double l, double r, double pl, double pr, double sl, double sr) const {
    const QPen &real = m_style.pen(DiagramStyle::RealPressure);
    addLine(l, y(pl), r, y(pr), m_style.pen(DiagramStyle::CalculatedPressure));
    const bool leftSaturated = sl <= pl;
    const bool rightSaturated = sr <= pr;
    if (leftSaturated && rightSaturated) {
        addLine(l, y(sl), r, y(sr), real);
        return;
    }
    // the calculated and the saturation line cross where their difference changes sign
    const double f0 = pl - sl;
    const double f1 = pr - sr;
    if (f0 == f1)
        return;
    const double t = f0 / (f0 - f1);
    if (t < 0 || t > 1)
        return;
    const double xs = l + t * (r - l);
    const double ps = sl + t * (sr - sl);
    if (rightSaturated) {
        addLine(l, y(pl), xs, y(ps), real);
        addLine(xs, y(ps), r, y(sr), real);
    }
    else {
        addLine(l, y(sl), xs, y(ps), real);
        addLine(xs, y(ps), r, y(pr), real);
    }
}

void VapourPressureProfile::drawAxis(QGraphicsTextItem *title) const {
    ValueAxis axis(m_scene, m_style, m_geo, m_geo.coldEdge - axisOffset(), m_style.pen(DiagramStyle::PressureAxis),
                   ValueAxis::LabelsRight);
    axis.draw();
    axis.addTick(y(m_pmax), tickLabel(m_pmax, 0));
    axis.addTick(y(m_pmin), tickLabel(m_pmin, 0));
    const double step = AxisTicks::step(m_pmax - m_pmin, m_band.height(), tickSpacing());
    const int decimals = AxisTicks::decimals(step);
    for (double v : AxisTicks::values(m_pmin, m_pmax, step, 0.1))
        axis.addTick(y(v), tickLabel(v, decimals));
    axis.showTitle(title);
}

void VapourPressureProfile::drawLegend() const {
    const std::vector<DiagramLegend::Entry> entries = {
        {tr("Temperature"), m_style.pen(DiagramStyle::Temperature)},
        {tr("Sat. vapour pressure"), m_style.pen(DiagramStyle::SaturationPressure)},
        {tr("Vapour pressure (real)"), m_style.pen(DiagramStyle::RealPressure)},
        {tr("Vapour pressure (calc.)"), m_style.pen(DiagramStyle::CalculatedPressure)}};
    DiagramLegend(m_scene, m_style, m_geo).draw(tr("Glaser method of DIN 4108-3"), entries);
}

// ---- Moisture content ----

MoistureProfile::MoistureProfile(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry,
                                 const InputData &input, const CalculationResults &results)
    : DiagramPart(scene, style, geometry), m_results(results) {
    for (const MaterialLayer &layer : input.layers()) {
        m_wref.push_back(w95FromW80(layer.w_80()));
        m_widths.push_back(layer.width());
    }
    const std::size_t n = m_wref.size();
    if (results.w_left.size() == n && results.w_right.size() == n) {
        for (std::size_t j = 0; j < n; ++j) {
            // Above the reference level a value stands for condensate only where the layer holds some; an edge
            // value of a zone without mass is drawn at the reference level and does not set the scale.
            const bool mass =
                j < results.mc.size() && results.mc[j] > 0 && j < results.sk_Cond.size() && results.sk_Cond[j] > 0;
            m_wLeft.push_back(mass ? results.w_left[j] : std::min(results.w_left[j], m_wref[j]));
            m_wRight.push_back(mass ? results.w_right[j] : std::min(results.w_right[j], m_wref[j]));
            m_wmax = std::max({m_wmax, m_wLeft.back(), m_wRight.back()});
        }
    }
    if (m_wmax <= 0) {
        for (double wref : m_wref)
            m_wmax = std::max(m_wmax, wref);
    }
    m_band = band(0.05, 0.0);
    // the scale ends at the next tick above the largest value
    m_step = AxisTicks::step(m_wmax, m_band.height(), tickSpacing());
    if (m_wmax > 0)
        m_wmax = std::ceil(m_wmax / m_step * (1 - 1e-9)) * m_step;
    m_k = m_wmax > 0 ? m_band.height() / m_wmax : 0.0;
}

double MoistureProfile::y(double w) const {
    return std::trunc(m_geo.plot.bottom() - w * m_k);
}

QPolygonF MoistureProfile::layerProfile(double l, double r, double wl, double wr, double wref, double zoneWidth) {
    const int samples = 24;
    const bool aboveLeft = wl > wref;
    const bool aboveRight = wr > wref;
    QPolygonF line;
    if (!aboveLeft && !aboveRight) {
        line << QPointF(l, wl) << QPointF(r, wr);
        return line;
    }
    if (aboveLeft && aboveRight) {
        const double a2 = (wl - wref) * (wl - wref);
        const double b2 = (wr - wref) * (wr - wref);
        for (int i = 0; i <= samples; ++i) {
            const double t = double(i) / samples;
            line << QPointF(l + t * (r - l), wref + std::sqrt(a2 + t * (b2 - a2)));
        }
        return line;
    }
    const double zone = std::clamp(zoneWidth, 0.0, r - l);
    if (aboveRight) {
        const double edge = r - zone;
        line << QPointF(l, wl) << QPointF(edge, wref);
        for (int i = 1; i <= samples; ++i) {
            const double t = double(i) / samples;
            line << QPointF(edge + t * zone, wref + (wr - wref) * std::sqrt(t));
        }
        return line;
    }
    const double edge = l + zone;
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / samples;
        line << QPointF(l + t * zone, wref + (wl - wref) * std::sqrt(1 - t));
    }
    line << QPointF(edge, wref) << QPointF(r, wr);
    return line;
}

void MoistureProfile::draw(QGraphicsTextItem *title) const {
    if (m_wmax <= 0)
        return;
    drawAxis(title);
    const std::vector<double> &pos = m_geo.positions;
    for (std::size_t j = 0; j + 1 < pos.size(); ++j) {
        if (m_wref[j] < m_wmax)
            addLine(pos[j], y(m_wref[j]), pos[j + 1], y(m_wref[j]), m_style.pen(DiagramStyle::MoistureReference));
    }
    const std::size_t n = m_wref.size();
    if (m_wLeft.size() != n)
        return;
    for (std::size_t j = 0; j < n; ++j)
        drawLayer(j);
}

void MoistureProfile::drawLegend() const {
    const QPen &outline = m_style.pen(DiagramStyle::MoistureOutline);
    const std::vector<DiagramLegend::Entry> entries = {
        {tr("Temperature"), m_style.pen(DiagramStyle::Temperature)},
        {tr("Moisture content"), outline},
        {tr("Moisture content at 95 % RH"), m_style.pen(DiagramStyle::MoistureReference)},
        {tr("Hygroscopic moisture"), QPen(Qt::NoPen), QBrush(m_style.lightSkyBlue())},
        {tr("Condensate"), outline, QBrush(m_style.mediumSlateBlue())},
        {tr("Edge of a condensation zone"), m_style.pen(DiagramStyle::AuxiliaryDotted)}};
    DiagramLegend(m_scene, m_style, m_geo).draw(tr("Moisture-dependent method"), entries);
}

void MoistureProfile::drawAxis(QGraphicsTextItem *title) const {
    ValueAxis axis(m_scene, m_style, m_geo, m_geo.coldEdge - axisOffset(), m_style.pen(DiagramStyle::MoistureAxis),
                   ValueAxis::LabelsRight);
    axis.draw();
    // 0 and the top first: the scale top is a multiple of the step
    const int decimals = AxisTicks::decimals(m_step);
    axis.addTick(y(0), tickLabel(0, decimals));
    axis.addTick(y(m_wmax), tickLabel(m_wmax, decimals));
    for (double v : AxisTicks::values(0, m_wmax, m_step, m_step * 1e-6))
        axis.addTick(y(v), tickLabel(v, decimals));
    axis.showTitle(title);
}

void MoistureProfile::drawLayer(std::size_t j) const {
    const double l = m_geo.positions[j];
    const double r = m_geo.positions[j + 1];
    const double widthPx = std::max(1.0, r - l);
    const double sk = j < m_results.sk_Cond.size() ? m_results.sk_Cond[j] : 0.0;
    double zone = m_widths[j] > 0 ? sk / m_widths[j] * widthPx : 0.0;
    // a zone thinner than the boundary line beside it would vanish under it: draw it at least that wide
    if (sk > 0)
        zone = std::max(zone, 2 * m_style.pen(DiagramStyle::LayerBoundary).widthF());
    const double wref = m_wref[j];
    const QPolygonF profile = splitAtLevel(layerProfile(l, r, m_wLeft[j], m_wRight[j], wref, zone), wref);
    const double bottom = m_geo.plot.bottom();

    QPolygonF light;
    light << QPointF(l, bottom);
    for (const QPointF &pt : profile)
        light << QPointF(pt.x(), y(std::min(pt.y(), wref)));
    light << QPointF(r, bottom);
    m_scene->addPolygon(light, Qt::NoPen, QBrush(m_style.lightSkyBlue()));

    const QPen &outline = m_style.pen(DiagramStyle::MoistureOutline);
    QPainterPath edgeLine;
    QPolygonF run;
    for (int i = 0; i < profile.size(); ++i) {
        const QPointF pt(profile[i].x(), y(profile[i].y()));
        i == 0 ? edgeLine.moveTo(pt) : edgeLine.lineTo(pt);
        if (profile[i].y() >= wref)
            run << pt;
        if (profile[i].y() < wref || i + 1 == profile.size()) {
            if (run.size() > 1 && run.boundingRect().height() > 0) {
                run << QPointF(run.last().x(), y(wref)) << QPointF(run.first().x(), y(wref));
                m_scene->addPolygon(run, outline, QBrush(m_style.mediumSlateBlue()));
            }
            run.clear();
        }
    }
    addPath(edgeLine, outline);

    // dotted marks where a condensation zone ends inside the layer
    const bool aboveLeft = m_wLeft[j] > wref;
    const bool aboveRight = m_wRight[j] > wref;
    if (aboveLeft != aboveRight && zone > 0 && zone < r - l) {
        const double x = aboveRight ? r - zone : l + zone;
        addLine(x, m_geo.plot.top(), x, bottom, m_style.pen(DiagramStyle::AuxiliaryDotted));
    }
}
