#include "GlaserProfile.h"

#include "DiagramAxes.h"
#include "DiagramStyle.h"

#include <calculation/CalculationResults.h>
#include <calculation/PhysicalProperties.h>
#include <model/InputData.h>

#include <QBrush>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include <algorithm>
#include <cmath>

GlaserProfile::GlaserProfile(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry,
                             const InputData &input, const CalculationResults &results)
    : DiagramPart(scene, style, geometry), m_results(results) {
    // the pressures of the Glaser step itself: Magnus formula, no vapour resistance at the surfaces
    const AssessmentConditions &c = input.conditions();
    m_pi = vapourPressureMagnus(c.T_i(), c.rh_i());
    m_pe = vapourPressureMagnus(c.T_e(), c.rh_e());
    m_psati = saturationPressureMagnus(c.T_i());
    m_psate = saturationPressureMagnus(c.T_e());
    m_pmax = std::max({m_psati, m_psate, m_pi, m_pe});
    m_pmin = std::min({m_psati, m_psate, m_pi, m_pe});
    for (const std::vector<double> *v : {&results.p, &results.p_sat}) {
        if (!v->empty()) {
            m_pmin = std::min(m_pmin, *std::min_element(v->begin(), v->end()));
            m_pmax = std::max(m_pmax, *std::max_element(v->begin(), v->end()));
        }
    }
    m_band = band(0.25, 0.05);
    const double range = m_pmax - m_pmin;
    m_k = range > 1e-8 ? m_band.height() / range : 0.0;
}

std::vector<int> GlaserProfile::tangentPoints(const std::vector<std::pair<int, int>> &zones) {
    std::vector<int> points;
    for (const auto &zone : zones) {
        points.push_back(zone.first);
        if (zone.second != zone.first)
            points.push_back(zone.second);
    }
    return points;
}

QString GlaserProfile::planeLabel(int k) {
    return QStringLiteral("%1|%2").arg(k).arg(k + 1);
}

double GlaserProfile::y(double p) const {
    return std::trunc((m_pmax - p) * m_k + m_band.top);
}

void GlaserProfile::draw(QGraphicsTextItem *title) const {
    if (m_results.p.size() == m_geo.positions.size() && m_results.p_sat.size() == m_geo.positions.size()) {
        drawSaturation();
        drawRealPressure();
    }
    drawAxis(title);
}

void GlaserProfile::drawSaturation() const {
    addProfile(
        m_results.p_sat, m_psati, m_psate, [this](double p) { return y(p); },
        m_style.pen(DiagramStyle::SaturationPressure));
}

void GlaserProfile::drawRealPressure() const {
    const std::vector<double> &pos = m_geo.positions;
    const std::vector<double> &p = m_results.p;
    const std::vector<double> &psat = m_results.p_sat;
    const QPen &pen = m_style.pen(DiagramStyle::RealPressure);
    addLine(m_geo.warmEdge, y(m_pi), pos.front(), y(p.front()), pen);
    addLine(pos.back(), y(p.back()), m_geo.coldEdge, y(m_pe), pen);
    const std::vector<int> points = tangentPoints(m_results.glaserZones);
    if (points.empty()) {
        for (std::size_t k = 0; k + 1 < pos.size(); ++k)
            addLine(pos[k], y(p[k]), pos[k + 1], y(p[k + 1]), pen);
        return;
    }
    // the straight line the vapour pressure would follow without condensation, above saturation in places
    addLine(pos.front(), y(p.front()), pos.back(), y(p.back()), m_style.pen(DiagramStyle::CalculatedPressure));
    // tangents from the interior pressure to the first plane, between the planes and on to the exterior
    // pressure; inside a zone the pressure follows the saturation line
    QPointF from(pos.front(), y(p.front()));
    for (const auto &zone : m_results.glaserZones) {
        const auto a = std::size_t(zone.first);
        const auto b = std::size_t(zone.second);
        addLine(from.x(), from.y(), pos[a], y(psat[a]), pen);
        for (std::size_t k = a; k < b; ++k)
            addLine(pos[k], y(psat[k]), pos[k + 1], y(psat[k + 1]), pen);
        from = QPointF(pos[b], y(psat[b]));
    }
    addLine(from.x(), from.y(), pos.back(), y(p.back()), pen);
}

void GlaserProfile::drawCondensationMarks() const {
    const std::vector<double> &pos = m_geo.positions;
    if (m_results.p.size() != pos.size())
        return;
    const QRectF &plot = m_geo.plot;
    QColor fill = m_style.mediumSlateBlue();
    fill.setAlpha(70);
    QPen mark(m_style.mediumSlateBlue(), 1.5 * m_style.pen(DiagramStyle::LayerBoundary).widthF());
    mark.setCapStyle(Qt::FlatCap);
    for (const auto &zone : m_results.glaserZones) {
        const double left = pos[std::size_t(zone.first)];
        const double right = pos[std::size_t(zone.second)];
        if (zone.first == zone.second)
            addLine(left, plot.top(), left, plot.bottom(), mark);
        else
            m_scene->addRect(QRectF(QPointF(left, plot.top()), QPointF(right, plot.bottom())), Qt::NoPen, QBrush(fill));
        const QString text =
            zone.first == zone.second
                ? tr("Condensation plane %1").arg(planeLabel(zone.first))
                : tr("Condensation zone %1 to %2").arg(planeLabel(zone.first), planeLabel(zone.second));
        QGraphicsTextItem *label = addText(text, m_style.labelFont());
        const QRectF br = label->boundingRect();
        // beside the mark, on the side with more room, just below the plot top
        const double gap = mark.widthF() + 2;
        const bool leftOfMark = (left + right) / 2 > (pos.front() + pos.back()) / 2;
        label->setPos(leftOfMark ? left - gap - br.width() : right + gap, plot.top() + 2);
        label->setDefaultTextColor(m_style.mediumSlateBlue().darker(150));
    }
}

void GlaserProfile::drawAxis(QGraphicsTextItem *title) const {
    ValueAxis axis(m_scene, m_style, m_geo, m_geo.coldEdge - axisOffset(), m_style.pen(DiagramStyle::PressureAxis),
                   ValueAxis::LabelsRight);
    axis.draw();
    axis.addTick(y(m_pmax), tickLabel(m_pmax, 0));
    axis.addTick(y(m_pmin), tickLabel(m_pmin, 0));
    const double step = AxisTicks::step(m_pmax - m_pmin, m_band.height(), tickSpacing());
    for (double v : AxisTicks::values(m_pmin, m_pmax, step, 0.1))
        axis.addTick(y(v), tickLabel(v, AxisTicks::decimals(step)));
    axis.showTitle(title);
}

void GlaserProfile::drawLegend() const {
    std::vector<DiagramLegend::Entry> entries = {
        {tr("Temperature"), m_style.pen(DiagramStyle::Temperature)},
        {tr("Saturation vapour pressure"), m_style.pen(DiagramStyle::SaturationPressure)},
        {tr("Vapour pressure"), m_style.pen(DiagramStyle::RealPressure)}};
    if (!m_results.glaserZones.empty()) {
        entries.push_back({tr("Vapour pressure without condensation"), m_style.pen(DiagramStyle::CalculatedPressure)});
        entries.push_back({tr("Condensation plane"), QPen(m_style.mediumSlateBlue(), 2)});
    }
    DiagramLegend(m_scene, m_style, m_geo).draw(tr("Glaser scheme of DIN 4108-3"), entries);
}
