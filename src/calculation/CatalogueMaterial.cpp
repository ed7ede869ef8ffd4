#include "CatalogueMaterial.h"

#include <model/MaterialLayer.h>
#include <model/ProjectInformation.h>

#include <algorithm>
#include <cmath>

namespace {
// A layer without sorption data (foils, air spaces) keeps a token storage so that the moisture equation of its
// cells stays regular: w80 at least 0.01 kg/m3 and w_f at least 1.25 w80 + 0.01 kg/m3 (b stays finite).
const double MIN_W80 = 0.01;
const double PHI_LINEAR = 0.98;
const double LN_1000 = 6.907755278982137;
} // namespace

CatalogueMaterial::CatalogueMaterial(const MaterialLayer &layer, HeatFlowDirection direction) {
    const double w80 = std::max(layer.w_80() * DENSITY_WATER, MIN_W80);
    m_wf = std::max(layer.w_sat() * DENSITY_WATER, 1.25 * w80 + 0.01);
    // w(0.8) = w80  <=>  b = 0.8 (w_f - w80) / (0.8 w_f - w80)
    m_b = 0.8 * (m_wf - w80) / (0.8 * m_wf - w80);
    double dummy = 0;
    m_w98 = storage(PHI_LINEAR, dummy);
    m_slope98 = (m_wf - m_w98) / (1 - PHI_LINEAR);
    const double a = std::max(layer.Aw(), 0.0);
    m_dwCoefficient = 3.8 * (a / m_wf) * (a / m_wf);
    m_mu = layer.mu();
    m_lambda = layer.lambda(direction);
    m_rhoC = layer.rho() * specificHeatCapacity(layer.category(), layer.isWood() || layer.isWoodbased());
}

double CatalogueMaterial::storage(double phi, double &dwdphi) const {
    if (phi > PHI_LINEAR) {
        dwdphi = m_slope98;
        return m_w98 + m_slope98 * (phi - PHI_LINEAR);
    }
    const double denominator = m_b - phi;
    dwdphi = m_wf * (m_b - 1) * m_b / (denominator * denominator);
    return m_wf * (m_b - 1) * phi / denominator;
}

void CatalogueMaterial::evaluate(double phi, MoistureProperties &properties) const {
    properties.w = storage(phi, properties.dwdphi);
    // 1000^(w/w_f - 1) = exp(ln(1000) (w/w_f - 1))
    properties.Dphi =
        m_dwCoefficient > 0 ? m_dwCoefficient * std::exp(LN_1000 * (properties.w / m_wf - 1)) * properties.dwdphi : 0.0;
    properties.mu = m_mu;
    properties.lambda = m_lambda;
}

double CatalogueMaterial::specificHeatCapacity(int category, bool wood) {
    if (wood)
        return 1600;
    switch (category) {
    case 5: // insulation materials (EPS 1450, mineral wool 1030, wood fibre 2100)
        return 1450;
    case 6: // building boards (gypsum 1000, wood-based 1700)
        return 1500;
    case 7: // timber
    case 8: // natural materials (straw, hemp, clay-bound)
        return 1600;
    case 10: // ceramic tiles and cladding panels
        return 840;
    case 11: // foils and waterproofing
        return 1500;
    default: // coatings, mortars, bricks, stone, concrete, soil and the rest
        return 1000;
    }
}
