// Moisture-dependent condensation method: moisture-dependent thermal conductivity, condensation zones
// spread by capillary liquid transport around the condensation planes, the plane set found by solving
// one linear system per combination of planes, and the build-up of the condensate over time.
//
// The calculation runs three passes; each starts from the zone thicknesses and moisture contents of the
// previous one, and the valid plane combination of a pass is tried first in the next.

#include "Calculation.h"

#include "PhysicalProperties.h"

#include "InputData.h"

#include <ZOT_Exception.h>
#include <ZOT_MessageHandler.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

/*! 1000 kg/m3 * 2/3: the square of the over-hygroscopic moisture content varies linearly across a zone. */
const double ZONE_MASS_FACTOR = 666.6666666666666;
/*! Build-up factor used when the condensate does not build up during the condensation period. */
const double MIN_BUILD_UP = 1e-17;

} // namespace

void Calculation::vapor_field(std::vector<double> &p, const std::vector<double> &Z, double T_i, double rh_i, double T_e,
                              double rh_e) {
    double R_vap = 0;
    for (double z : Z)
        R_vap += z;
    if (R_vap == 0)
        throw ZOT::Exception("[vapor_field]  Error: R_vap == 0!", "[Calculation::vapor_field]");
    const double p_i = saturationPressure(T_i) * rh_i / 100;
    const double p_e = saturationPressure(T_e) * rh_e / 100;
    const double g = (p_i - p_e) / R_vap;
    const std::size_t n = Z.size();
    p.resize(n + 1);
    double Zsum = 0;
    for (std::size_t k = 0; k < n; ++k) {
        p[k] = p_i - g * Zsum;
        Zsum += Z[k];
    }
    p[n] = p_e;
}

ResultCode Calculation::moistureDependentCalculation(const InputData &input, HeatFlowDirection heatFlowDirection) {
    if (!prepareMoistureLayers(input, heatFlowDirection)) {
        m_results.resultCode = ResultCode::InvalidInput;
        publishMessages();
        return m_results.resultCode;
    }
    for (int pass = 1; pass <= 3; ++pass) {
        std::optional<ResultCode> code;
        try {
            code = moisturePass(pass);
        }
        catch (ZOT::Exception &ex) {
            ZOT::message(std::string("Error while calculating vapor fiels '") + ex.what() + "'", ZOT::MSG_ERROR,
                         "[Calculation::calculate]", 1);
            code = ResultCode::CalculationError;
        }
        if (code)
            return finishMoistureCalculation(*code);
    }
    const auto &zones = m_results.condensationZones;
    if (zones.empty()) {
        m_messages << tr("Some problem in calculation! Algorithm error!");
        return finishMoistureCalculation(ResultCode::CalculationError);
    }
    if (zones.size() > 1)
        return finishMoistureCalculation(ResultCode::SeveralZones);
    return finishMoistureCalculation(zones.front().second == zones.front().first + 1 ? ResultCode::OnePlane
                                                                                     : ResultCode::OneZone);
}

bool Calculation::prepareMoistureLayers(const InputData &input, HeatFlowDirection heatFlowDirection) {
    const QVector<MaterialLayer> &layers = input.layers();
    const int n = layers.size();
    m_moistLayers.assign(std::size_t(n), MoistureLayer());
    std::vector<double> K(std::size_t(n), 0.0);
    for (int j = 0; j < n; ++j) {
        const MaterialLayer &layer = layers[j];
        MoistureLayer &ml = m_moistLayers[std::size_t(j)];
        ml.d = layer.width();
        ml.lambda = layer.lambda(heatFlowDirection);
        ml.w95 = w95FromW80(layer.w_80());
        ml.dw = layer.w_sat() - ml.w95;
        if (!(ml.dw > 0)) {
            m_messages << tr("Invalid moisture storage values for <a href=\"layer-%1\">layer #%1</a>.").arg(j + 1);
            m_messages << tr("Current moisture content at 80%RH leads to an moisture content at 95%RH higher than "
                             "saturation moisture content.");
            return false;
        }
        K[std::size_t(j)] = layer.Aw() * layer.Aw() * 5e-8 / (ml.dw * ml.dw * ml.dw);
    }
    m_kappa.assign(std::size_t(n) + 1, 0.0);
    for (int k = 1; k < n; ++k)
        m_kappa[std::size_t(k)] = m_moistLayers[std::size_t(k) - 1].dw / m_moistLayers[std::size_t(k)].dw;
    for (int j = 0; j < n; ++j) {
        const MoistureLayer &ml = m_moistLayers[std::size_t(j)];
        m_results.Z_moist[std::size_t(j)] = layers[j].mu() * ml.d * DIFFUSION_FACTOR_MOISTURE;
        m_results.R_liquid[std::size_t(j)] = ml.d / K[std::size_t(j)] / 1000;
    }

    const AssessmentConditions &cond = input.conditions();
    m_climate.T_i = cond.T_i();
    m_climate.rh_i = cond.rh_i();
    m_climate.R_si = cond.Rsi();
    m_climate.T_e = cond.T_e();
    m_climate.rh_e = cond.rh_e();
    m_climate.R_se = cond.Rse();
    m_climate.T_i_summer = cond.T_i_summer();
    m_climate.rh_i_summer = cond.rh_i_summer();
    m_climate.T_e_summer = cond.T_e_summer();
    m_climate.rh_e_summer = cond.rh_e_summer();
    m_climate.t_c = cond.tT(false);
    m_climate.t_ev = cond.tT_summer(false);
    m_climate.p_i = saturationPressure(m_climate.T_i) * m_climate.rh_i / 100;
    m_climate.p_e = saturationPressure(m_climate.T_e) * m_climate.rh_e / 100;
    m_lastCombination = -1;
    return true;
}

std::optional<ResultCode> Calculation::moisturePass(int pass) {
    CalculationResults &r = m_results;
    const std::size_t n = m_moistLayers.size();
    moistureThermalField();
    vapor_field(r.p_moist, r.Z_moist, m_climate.T_i, m_climate.rh_i, m_climate.T_e, m_climate.rh_e);
    if (r.p_moist[0] > r.p_sat_moist[0])
        return ResultCode::CondensationLeftSurface;
    if (r.p_moist[n] > r.p_sat_moist[n])
        return ResultCode::CondensationRightSurface;
    hygroscopicMoistureContents();
    if (n == 1)
        return pass == 1 ? std::nullopt : std::optional<ResultCode>(ResultCode::OneLayer);
    bool condensation = false;
    for (std::size_t k = 0; k <= n; ++k)
        condensation = condensation || r.p_moist[k] > r.p_sat_moist[k];
    if (!condensation)
        return pass == 1 ? std::nullopt : std::optional<ResultCode>(ResultCode::NoCondensation);

    if (!findPlaneCombination() || !evaluateZones() || !scaleWithTime())
        return ResultCode::CalculationError;
    return std::nullopt;
}

void Calculation::moistureThermalField() {
    CalculationResults &r = m_results;
    const std::size_t n = m_moistLayers.size();
    for (std::size_t j = 0; j < n; ++j) {
        const MoistureLayer &ml = m_moistLayers[j];
        const double s = r.sk_Cond[j];
        if (s == 0) {
            r.R_moist[j] = ml.d / ml.lambda;
        }
        else if (s == ml.d) {
            r.R_moist[j] = ml.d / (ml.lambda + 0.55 * (r.w_left[j] + r.w_right[j]) / 2);
        }
        else {
            const double wStar = r.w_left[j] > ml.w95 ? r.w_left[j] : r.w_right[j];
            r.R_moist[j] = (ml.d - s) / ml.lambda + s / (ml.lambda + 0.55 * (ml.w95 + wStar) / 2);
        }
    }
    r.R_layers_moist = 0;
    for (double R : r.R_moist)
        r.R_layers_moist += R;
    r.R_total_moist = m_climate.R_si + r.R_layers_moist + m_climate.R_se;
    r.U_moist = 1 / r.R_total_moist;
    temperature_field(r.R_moist, m_climate.R_si, m_climate.R_se, m_climate.T_i, m_climate.T_e, r.T_moist);
    for (std::size_t k = 0; k <= n; ++k)
        r.p_sat_moist[k] = saturationPressure(r.T_moist[k]);
}

void Calculation::hygroscopicMoistureContents() {
    CalculationResults &r = m_results;
    for (std::size_t j = 0; j < m_moistLayers.size(); ++j) {
        const double w95 = m_moistLayers[j].w95;
        r.w_left[j] = r.p_moist[j] / r.p_sat_moist[j] * w95;
        r.w_right[j] = r.p_moist[j + 1] / r.p_sat_moist[j + 1] * w95;
    }
}

QString Calculation::noSolutionText() {
    return tr("No Solution found!");
}

bool Calculation::findPlaneCombination() {
    const CalculationResults &r = m_results;
    const int n = int(m_moistLayers.size());
    if (n > PlaneSearch::MaxLayers) {
        m_messages << tr("The moisture-dependent calculation can search condensation planes in at most %1 layers, "
                         "this construction has %2 layers.")
                          .arg(PlaneSearch::MaxLayers)
                          .arg(n);
        return false;
    }
    PlaneSearchStrategy::Pass pass;
    pass.n = n;
    pass.Z = r.Z_moist.data();
    pass.R_liquid = r.R_liquid.data();
    pass.kappa = m_kappa.data();
    pass.p_sat = r.p_sat_moist.data();
    pass.p = r.p_moist.data();
    pass.p_i = m_climate.p_i;
    pass.p_e = m_climate.p_e;
    const PlaneSearchStrategy::Outcome outcome = m_planeSearch->find(pass, m_lastCombination);
    m_messages.clear();
    switch (outcome) {
    case PlaneSearchStrategy::Found: takeFoundCombination(); return true;
    case PlaneSearchStrategy::Unsolvable: m_messages << noSolutionText(); break;
    case PlaneSearchStrategy::NotFound:
        if (m_planeSearch->missedColdSurface())
            m_messages << tr("pv_e not correctly calculated! Algorithm error!");
        m_messages << tr("Could not find valid combination of k-planes! Algorithm error!");
        break;
    case PlaneSearchStrategy::BoundReached:
        m_messages << tr("No valid combination of condensation planes was found within the search limit for "
                         "constructions of more than %1 layers, this construction has %2 layers.")
                          .arg(PlaneSearch::ExhaustiveLayers)
                          .arg(n);
        break;
    }
    return false;
}

void Calculation::takeFoundCombination() {
    const std::size_t n = m_moistLayers.size();
    m_planes.assign(n + 1, false);
    for (std::size_t k = 1; k < n; ++k)
        m_planes[k] = m_planeSearch->isPlane(int(k));
    m_x = m_planeSearch->solution();
    const double *trialP = m_planeSearch->trialPressures();
    m_trialP.assign(trialP, trialP + n + 1);
}

bool Calculation::evaluateZones() {
    CalculationResults &r = m_results;
    const std::size_t n = m_moistLayers.size();
    r.p_moist = m_trialP;
    hygroscopicMoistureContents();
    m_messages.clear();

    r.condensationZones.clear();
    for (std::size_t k = 1; k < n; ++k) {
        if (!m_planes[k])
            continue;
        if (m_planes[k - 1])
            r.condensationZones.back().second = int(k);
        else
            r.condensationZones.emplace_back(int(k) - 1, int(k));
    }
    std::fill(r.sk_Cond.begin(), r.sk_Cond.end(), 0.0);
    std::fill(r.mc.begin(), r.mc.end(), 0.0);

    std::size_t c = 1;
    for (const std::pair<int, int> &zone : r.condensationZones) {
        const int f = zone.first;
        const int s = zone.second;
        if (!zoneEdges(f, s))
            return false;
        for (int L = f; L < s; ++L) {
            const std::size_t uL = std::size_t(L);
            const double X = std::sqrt(m_x[c]);
            r.w_right[uL] = m_moistLayers[uL].w95 + X;
            r.w_left[uL + 1] = m_moistLayers[uL + 1].w95 + X / m_kappa[uL + 1];
            if (L > f) {
                r.sk_Cond[uL] = m_moistLayers[uL].d;
                const double a = r.w_right[uL] - m_moistLayers[uL].w95;
                const double b = r.w_left[uL] - m_moistLayers[uL].w95;
                const double den = a * a - b * b;
                // equal edge contents: the limit of the cubic mean, 1.5 a
                r.mc[uL] = den == 0 ? 1000 * r.sk_Cond[uL] * a
                                    : ZONE_MASS_FACTOR * r.sk_Cond[uL] * (a * a * a - b * b * b) / den;
            }
            ++c;
        }
        const std::size_t uf = std::size_t(f);
        const std::size_t us = std::size_t(s);
        r.mc[uf] = ZONE_MASS_FACTOR * (r.w_right[uf] - m_moistLayers[uf].w95) * r.sk_Cond[uf];
        r.mc[us] = ZONE_MASS_FACTOR * (r.w_left[us] - m_moistLayers[us].w95) * r.sk_Cond[us];
    }
    r.Mc_stationary = 0;
    for (double mc : r.mc)
        r.Mc_stationary += mc;
    return true;
}

bool Calculation::zoneEdges(int f, int s) {
    CalculationResults &r = m_results;
    const std::size_t uf = std::size_t(f);
    const std::size_t us = std::size_t(s);
    const double g = m_x[0];
    const double inf = std::numeric_limits<double>::infinity();

    const double den_f = g - (r.p_sat_moist[uf] - r.p_sat_moist[uf + 1]) / r.Z_moist[uf];
    if (den_f == 0) {
        m_messages << tr("Error in calculation m_results.sk_Cond[%1], denominator == 0!").arg(f);
        return false;
    }
    // a layer that takes no liquid water (A_w = 0) keeps the condensate at its surface
    if (r.R_liquid[uf] == inf)
        r.sk_Cond[uf] = 0;
    else
        r.sk_Cond[uf] = m_moistLayers[uf].d * (g - (r.p_moist[uf] - r.p_sat_moist[uf + 1]) / r.Z_moist[uf]) / den_f;

    const double den_s = r.Z_moist[us] * g - (r.p_sat_moist[us] - r.p_sat_moist[us + 1]);
    if (den_s == 0) {
        m_messages << tr("Error in calculation m_results.sk_Cond[%1], denominator == 0!").arg(s);
        return false;
    }
    if (r.R_liquid[us] == inf) {
        r.sk_Cond[us] = 0;
        return true;
    }
    r.sk_Cond[us] = m_moistLayers[us].d * (r.Z_moist[us] * g - (r.p_sat_moist[us] - r.p_moist[us + 1])) / den_s;
    if (r.sk_Cond[us] <= 0) {
        m_messages << tr("Error in calculation m_results.sk_Cond[%1], Value < 0!").arg(s);
        return false;
    }
    return true;
}

bool Calculation::scaleWithTime() {
    CalculationResults &r = m_results;
    const int f0 = r.condensationZones.front().first;
    const int s1 = r.condensationZones.back().second;
    double g_in = 0;
    double g_out = 0;
    boundaryFluxes(f0, s1, g_in, g_out);
    if (g_in - g_out == 0) {
        m_messages << tr("Error in calculation of the condensate build-up, net vapour flux into the condensation "
                         "zones == 0!");
        return false;
    }
    r.t_hyg = hygroscopicLoadingTime(f0, s1);
    r.tau = 3 * r.Mc_stationary / (g_in - g_out);
    const double e = -3 * (m_climate.t_c - r.t_hyg) / r.tau;
    double beta = MIN_BUILD_UP;
    if (!(e > 700)) {
        beta = 1 - std::exp(e);
        // written so that the 0/0 of a zone without stationary mass also means no build-up
        if (!(beta > 0))
            beta = MIN_BUILD_UP;
    }
    for (const std::pair<int, int> &zone : r.condensationZones)
        scaleZone(zone.first, zone.second, beta);
    r.Mc = 0;
    for (double mc : r.mc)
        r.Mc += mc;
    r.dryingTime = dryingOfZone(r.condensationZones.front(), r.Mc, r.dryingMass);
    if (!std::isfinite(r.dryingTime)) {
        m_messages << tr("Error in calculation of the drying time, evaporation flux == 0!");
        return false;
    }
    return true;
}

void Calculation::scaleZone(int f, int s, double beta) {
    CalculationResults &r = m_results;
    const std::size_t uf = std::size_t(f);
    const std::size_t us = std::size_t(s);
    double A1 = 0;
    for (std::size_t L = uf + 1; L < us; ++L)
        A1 += r.mc[L];
    double A2 = 0;
    for (std::size_t L = uf; L <= us; ++L)
        A2 += r.mc[L];
    const double sqrtBeta = std::sqrt(beta);
    // F scales the over-hygroscopic contents so that the zone's mass becomes beta * A2
    const double F = A1 == 0 ? sqrtBeta : beta * A2 / ((r.mc[uf] + r.mc[us]) * sqrtBeta + A1);

    r.sk_Cond[uf] *= sqrtBeta;
    r.sk_Cond[us] *= sqrtBeta;
    for (std::size_t L = uf + 1; L <= us; ++L)
        r.w_left[L] = m_moistLayers[L].w95 + F * (r.w_right[L - 1] - m_moistLayers[L - 1].w95) / m_kappa[L];
    for (std::size_t L = uf; L < us; ++L)
        r.w_right[L] = m_moistLayers[L].w95 + F * (r.w_right[L] - m_moistLayers[L].w95);
    r.mc[uf] *= sqrtBeta * F;
    r.mc[us] *= sqrtBeta * F;
    for (std::size_t L = uf + 1; L < us; ++L)
        r.mc[L] *= F;
}

void Calculation::boundaryFluxes(int a, int b, double &g_in, double &g_out) const {
    const CalculationResults &r = m_results;
    const std::size_t n = m_moistLayers.size();
    double Z_L = 0;
    for (std::size_t j = 0; j <= std::size_t(a); ++j)
        Z_L += r.Z_moist[j];
    double Z_R = 0;
    for (std::size_t j = std::size_t(b); j < n; ++j)
        Z_R += r.Z_moist[j];
    g_in = (r.p_moist[0] - r.p_sat_moist[std::size_t(a) + 1]) / Z_L;
    g_out = (r.p_sat_moist[std::size_t(b)] - r.p_moist[n]) / Z_R;
}

double Calculation::hygroscopicLoadingTime(int a, int b) const {
    const CalculationResults &r = m_results;
    const std::size_t n = m_moistLayers.size();
    const std::size_t ua = std::size_t(a);
    const std::size_t ub = std::size_t(b);
    double Z_L = 0;
    for (std::size_t j = 0; j <= ua; ++j)
        Z_L += r.Z_moist[j];
    double Z_R = 0;
    for (std::size_t j = ub; j < n; ++j)
        Z_R += r.Z_moist[j];
    double g_in = 0;
    double g_out = 0;
    boundaryFluxes(a, b, g_in, g_out);

    // relative humidity estimate at the interfaces: linear in Z outside the zone, saturated inside
    std::vector<double> phi(n + 1, 0.0);
    double Zleft = 0;
    for (std::size_t k = 1; k <= ua; ++k) {
        Zleft += r.Z_moist[k - 1];
        phi[k] = Zleft / Z_L * r.p_sat_moist[ua + 1] / r.p_sat_moist[k];
    }
    for (std::size_t k = ua + 1; k <= ub; ++k)
        phi[k] = 1;
    double Zright = 0;
    for (std::size_t k = ub + 1; k < n; ++k) {
        Zright += r.Z_moist[k];
        phi[k] = (Z_R - Zright) / Z_R * r.p_sat_moist[ub] / r.p_sat_moist[k];
    }

    double S1 = 0;
    for (std::size_t j = 0; j <= ua; ++j)
        S1 += m_moistLayers[j].d * (phi[j] + phi[j + 1]) * m_moistLayers[j].w95;
    double S2 = 0;
    for (std::size_t j = ua + 1; j < ub; ++j)
        S2 += 2 * m_moistLayers[j].d * m_moistLayers[j].w95;
    double S3 = 0;
    for (std::size_t j = ub; j < n; ++j)
        S3 += m_moistLayers[j].d * (phi[j] + phi[j + 1]) * m_moistLayers[j].w95;
    const double S = S1 + S2 + S3;
    return S * 1000 * 0.02 * 0.5 / (g_in - g_out);
}

double Calculation::dryingOfZone(const std::pair<int, int> &zone, double M, double &dryingMass) const {
    const CalculationResults &r = m_results;
    const std::size_t n = m_moistLayers.size();
    const std::size_t k = std::size_t(zone.first) + 1;
    double Z_L = 0;
    for (std::size_t j = 0; j < k; ++j)
        Z_L += r.Z_moist[j];
    double Z_R = 0;
    for (std::size_t j = k; j < n; ++j)
        Z_R += r.Z_moist[j];
    const double p_is = saturationPressure(m_climate.T_i_summer) * m_climate.rh_i_summer / 100;
    const double p_es = saturationPressure(m_climate.T_e_summer) * m_climate.rh_e_summer / 100;
    std::vector<double> T;
    temperature_field(r.R_moist, m_climate.R_si, m_climate.R_se, m_climate.T_i_summer, m_climate.T_e_summer, T);
    const double p_c = saturationPressure(T[k]);
    const double g_ev = (p_c - p_es) / Z_R + (p_c - p_is) / Z_L;
    dryingMass = m_climate.t_ev * g_ev;
    return M / g_ev;
}

void Calculation::clearZoneResults() {
    CalculationResults &r = m_results;
    r.condensationZones.clear();
    std::fill(r.sk_Cond.begin(), r.sk_Cond.end(), 0.0);
    std::fill(r.mc.begin(), r.mc.end(), 0.0);
    r.Mc_stationary = 0;
    r.Mc = 0;
    r.tau = 0;
    r.t_hyg = 0;
    r.dryingTime = 0;
    r.dryingMass = 0;
}

ResultCode Calculation::finishMoistureCalculation(ResultCode resultCode) {
    if (resultCode != ResultCode::OnePlane && resultCode != ResultCode::OneZone &&
        resultCode != ResultCode::SeveralZones)
        clearZoneResults();
    m_results.resultCode = resultCode;
    publishMessages();
    return resultCode;
}
