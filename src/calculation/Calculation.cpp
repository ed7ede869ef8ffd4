#include "Calculation.h"

#include "Iso6946.h"
#include "PhysicalProperties.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"

#include <ZOT_Exception.h>

#include <algorithm>
#include <exception>

namespace {

/*! Numbers in messages: general format, 6 significant digits. */
QString number(double value) {
    return QString::number(value);
}

/*! Sum of v[from] .. v[to-1], added in ascending order. */
double partialSum(const std::vector<double> &v, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t j = from; j < to; ++j)
        sum += v[j];
    return sum;
}

/*! Glaser condensation interfaces: every k with p[k] >= p_sat[k], ascending. */
std::vector<int> condensationInterfaces(const std::vector<double> &p, const std::vector<double> &p_sat) {
    std::vector<int> planes;
    for (std::size_t k = 0; k < p.size(); ++k) {
        if (p[k] >= p_sat[k])
            planes.push_back(static_cast<int>(k));
    }
    return planes;
}

/*! Cuts ascending interface indices into maximal runs of consecutive indices: (first, last) per run. */
std::vector<std::pair<int, int>> zonesOf(const std::vector<int> &planes) {
    std::vector<std::pair<int, int>> zones;
    for (int k : planes) {
        if (!zones.empty() && zones.back().second + 1 == k)
            zones.back().second = k;
        else
            zones.emplace_back(k, k);
    }
    return zones;
}

/*! Straight line of the vapour pressure by diffusion resistance, not limited to saturation:
    p[k] = p_i - g sum_{j<k} Z_j with g = (p_i - p_e) / sum Z, and p[n] = p_e. */
void vaporPressureLine(const std::vector<double> &Z, double p_i, double p_e, std::vector<double> &p) {
    const std::size_t n = Z.size();
    const double g = (p_i - p_e) / partialSum(Z, 0, n);
    p.resize(n + 1);
    double Z_left = 0;
    for (std::size_t k = 0; k < n; ++k) {
        p[k] = p_i - g * Z_left;
        Z_left += Z[k];
    }
    p[n] = p_e;
}

/*! Classifies the condensation interfaces (first match wins) and sets the Glaser planes for the patterns
    inside the construction. Two separate planes are the only several-plane pattern with an algorithm. */
ResultCode glaserPattern(const std::vector<int> &planes, std::size_t zoneCount, int n, CalculationResults &r) {
    if (planes.empty())
        return ResultCode::NoCondensation;
    if (planes.front() == 0)
        return ResultCode::CondensationLeftSurface;
    if (planes.back() == n)
        return ResultCode::CondensationRightSurface;
    if (n == 1)
        return ResultCode::OneLayer;
    r.glaserFirstPlane = planes.front();
    r.glaserLastPlane = planes.back();
    if (planes.size() == 1)
        return ResultCode::OnePlane;
    if (zoneCount == 1)
        return ResultCode::OneZone;
    return planes.size() == 2 ? ResultCode::SeveralZones : ResultCode::NoAlgorithm;
}

/*! Boundary values and diffusion resistances the condensate and drying formulas share. */
struct GlaserState {
    const std::vector<double> &Z;
    const std::vector<double> &p_sat;
    double p_i;
    double p_e;
    /*! Resistance left of interface a: sum_{j<a} Z_j. */
    double Z_L(int a) const { return partialSum(Z, 0, static_cast<std::size_t>(a)); }
    /*! Resistance right of interface b: sum_{j>=b} Z_j. */
    double Z_R(int b) const { return partialSum(Z, static_cast<std::size_t>(b), Z.size()); }
    /*! Resistance between interfaces a and b: sum_{a<=j<b} Z_j. */
    double Z_M(int a, int b) const { return partialSum(Z, static_cast<std::size_t>(a), static_cast<std::size_t>(b)); }
};

/*! Vapour pressure differences that drive drying in the summer period (power-form saturation pressure,
    condensation plane at the interior summer temperature). */
struct DryingClimate {
    explicit DryingClimate(const AssessmentConditions &c)
        : t_ev(c.tT_summer(false)), Delta_i(p_c(c) - vapourPressure(c.T_i_summer(), c.rh_i_summer())),
          Delta_e(p_c(c) - vapourPressure(c.T_e_summer(), c.rh_e_summer())) {}
    static double p_c(const AssessmentConditions &c) { return saturationPressure(c.T_i_summer()); }
    double t_ev;
    double Delta_i;
    double Delta_e;
};

/*! Condensate (kg/m2) of two separate planes a < b after t_c seconds, with Z_M the resistance between them:
    m_a = t_c [(p_i - p_sat,a) / Z_L(a) - (p_sat,a - p_sat,b) / Z_M],
    m_b = t_c [(p_sat,a - p_sat,b) / Z_M - (p_sat,b - p_e) / Z_R(b)]. */
std::pair<double, double> twoPlaneMasses(const GlaserState &s, int a, int b, double t_c) {
    const double Z_M = s.Z_M(a, b);
    return {t_c * ((s.p_i - s.p_sat[a]) / s.Z_L(a) - (s.p_sat[a] - s.p_sat[b]) / Z_M),
            t_c * ((s.p_sat[a] - s.p_sat[b]) / Z_M - (s.p_sat[b] - s.p_e) / s.Z_R(b))};
}

/*! Two separate condensation planes a < b: condensate of each plane (kg/m2) and the drying of both,
    each plane drying to its own side until the first one is dry, then the other one to both sides. */
void twoPlanes(const GlaserState &s, const DryingClimate &d, int a, int b, double t_c, CalculationResults &r) {
    const double Z_M = s.Z_M(a, b);
    const auto [m_a, m_b] = twoPlaneMasses(s, a, b, t_c);
    r.glaserMc = m_a + m_b;

    const double g_i = d.Delta_i / s.Z_L(a);
    const double g_e = d.Delta_e / s.Z_R(b);
    const double t_a = m_a / g_i;
    const double t_b = m_b / g_e;
    if (t_b > t_a) {
        const double g_b = g_e + d.Delta_i / (Z_M + s.Z_L(a));
        r.glaserDryingMass = g_b * (d.t_ev - t_a) + (g_e + g_i) * t_a;
        r.glaserDryingTime = t_a + (m_b - t_a * g_e) / g_b;
    }
    else {
        const double g_a = g_i + d.Delta_e / (Z_M + s.Z_R(b));
        r.glaserDryingMass = g_a * (d.t_ev - t_b) + (g_e + g_i) * t_b;
        r.glaserDryingTime = t_b + (m_a - t_b * g_i) / g_a;
    }
}

/*! One plane k or one zone (a, b): condensate and drying; a plane is the zone (k, k). */
void oneZone(const GlaserState &s, const DryingClimate &d, int a, int b, double t_c, bool plane,
             CalculationResults &r) {
    r.glaserMc = t_c * ((s.p_i - s.p_sat[a]) / s.Z_L(a) - (s.p_sat[b] - s.p_e) / s.Z_R(b));
    double g_ev;
    if (plane) {
        g_ev = d.Delta_e / s.Z_R(a) + d.Delta_i / s.Z_L(a);
    }
    else {
        // evaporation starts in the middle of the zone
        const double Z_zone = s.Z_M(a, b);
        g_ev = d.Delta_e / (Z_zone / 2 + s.Z_R(b)) + d.Delta_i / (Z_zone / 2 + s.Z_L(a));
    }
    r.glaserDryingMass = d.t_ev * g_ev;
    r.glaserDryingTime = r.glaserMc / g_ev;
}

/*! Dry layer resistances, U-value and start temperatures of the moisture-dependent method, for display
    even when the input is invalid otherwise; left 0 when a layer has no usable conductivity. */
void dryThermalResistances(const InputData &input, HeatFlowDirection heatFlowDirection, CalculationResults &r) {
    const QVector<MaterialLayer> &layers = input.layers();
    for (const MaterialLayer &layer : layers) {
        if (!layer.isAir() && !(layer.lambda(HeatFlowDirection::Horizontal) > 0))
            return;
    }
    for (int j = 0; j < layers.size(); ++j)
        r.R_moist[j] = layers[j].width() / layers[j].lambda(heatFlowDirection);
    const AssessmentConditions &c = input.conditions();
    r.R_layers = partialSum(r.R_moist, 0, r.R_moist.size());
    r.R_total = c.Rse() + r.R_layers + c.Rsi();
    r.U = 1 / r.R_total;
    r.U_iso6946 = Iso6946::transmittance(r.R_layers, heatFlowDirection);
    Calculation::temperature_field(r.R_moist, c.Rsi(), c.Rse(), c.T_i(), c.T_e(), r.T_moist);
}

} // namespace

Calculation::Calculation() : m_planeSearch(std::make_shared<PlaneSearch>()) {}

Calculation::Calculation(std::shared_ptr<PlaneSearchStrategy> planeSearch) : m_planeSearch(std::move(planeSearch)) {}

ResultCode Calculation::calculate(const InputData &input, HeatFlowDirection heatFlowDirection) {
    try {
        m_results.clear();
        m_messages.clear();
        // an invalid construction shows no thickness of an earlier one
        m_results.thickness = 0;
        const QVector<MaterialLayer> &layers = input.layers();
        const int n = layers.size();
        if (n == 0) {
            m_results.resultCode = ResultCode::NoLayers;
            publishMessages();
            return ResultCode::NoLayers;
        }
        if (!checkLayerWidths(input)) {
            publishMessages();
            return m_results.resultCode = ResultCode::InvalidInput;
        }
        m_results.resize(n);
        for (std::vector<double> *v : {&m_results.T_moist, &m_results.w_left, &m_results.w_right, &m_results.sk_Cond})
            std::fill(v->begin(), v->end(), 0.0);
        for (const MaterialLayer &layer : layers)
            m_results.thickness += layer.width();

        dryThermalResistances(input, heatFlowDirection, m_results);

        if (!checkGlaserInput(input, heatFlowDirection)) {
            publishMessages();
            return m_results.resultCode = ResultCode::InvalidInput;
        }
        m_results.glaserResultCode = glaser(input, heatFlowDirection);
        const ResultCode resultCode = moistureDependentCalculation(input, heatFlowDirection);
        publishMessages();
        return resultCode;
    }
    catch (ZOT::Exception &ex) {
        for (const ZOT::Exception::MsgInfo &msg : ex.messages())
            m_messages.append(QString::fromStdString(msg.where + " " + msg.what));
    }
    catch (std::exception &ex) {
        m_messages.append(QString::fromLocal8Bit(ex.what()));
    }
    m_messages.append(tr("Calculation error."));
    m_results.resultCode = ResultCode::CalculationError;
    publishMessages();
    return ResultCode::CalculationError;
}

bool Calculation::checkLayerWidths(const InputData &input) {
    if (input.inputStatus() == InputStatus::InvalidWidth) {
        m_messages.append(input.checkMessage());
        return false;
    }
    const QVector<MaterialLayer> &layers = input.layers();
    for (int j = 0; j < layers.size(); ++j) {
        const double d = layers[j].width();
        if (!(d > 0)) {
            m_messages.append(tr("Invalid width %1 of <a href=\"layer-%2\">layer #%2</a>.").arg(number(d)).arg(j + 1));
            return false;
        }
    }
    return true;
}

bool Calculation::checkGlaserInput(const InputData &input, HeatFlowDirection heatFlowDirection) {
    if (input.inputStatus() == InputStatus::InvalidMaterial || input.inputStatus() == InputStatus::InvalidClimate) {
        m_messages.append(input.checkMessage());
        return false;
    }
    const QVector<MaterialLayer> &layers = input.layers();
    QString fault;
    for (int j = 0; j < layers.size() && fault.isEmpty(); ++j) {
        const double mu = layers[j].mu();
        const double lambda = layers[j].lambda(heatFlowDirection);
        if (!(mu > 0))
            fault = tr("Invalid mu %1 of material in <a href=\"layer-%2\">layer #%2</a>.").arg(number(mu)).arg(j + 1);
        else if (!(lambda > 0))
            fault = tr("Invalid thermal conductivity %1 of material in <a href=\"layer-%2\">layer #%2</a>.")
                        .arg(number(lambda))
                        .arg(j + 1);
    }
    const AssessmentConditions &c = input.conditions();
    if (fault.isEmpty() && !(c.Rse() > 0))
        fault = tr("Invalid surface resistance outside %f.").replace("%f", number(c.Rse()));
    if (fault.isEmpty() && !(c.Rsi() > 0))
        fault = tr("Invalid surface resistance inside)%f.").replace("%f", number(c.Rsi()));
    if (fault.isEmpty())
        return true;
    m_messages << fault << tr("Error in Glaser-Calculation.");
    return false;
}

std::vector<double> Calculation::glaserZoneMasses(const CalculationResults &r, const AssessmentConditions &c) {
    const ResultCode code = r.glaserResultCode;
    if (code == ResultCode::OnePlane || code == ResultCode::OneZone)
        return {r.glaserMc};
    if (code != ResultCode::SeveralZones || r.glaserZones.size() != 2 || r.Z.size() + 1 != r.p_sat.size())
        return {};
    const GlaserState state{r.Z, r.p_sat, vapourPressureMagnus(c.T_i(), c.rh_i()),
                            vapourPressureMagnus(c.T_e(), c.rh_e())};
    const auto [m_a, m_b] = twoPlaneMasses(state, r.glaserZones.front().first, r.glaserZones.back().first, c.tT(false));
    return {m_a, m_b};
}

void Calculation::temperature_field(const std::vector<double> &R, double R_si, double R_se, double T_i, double T_e,
                                    std::vector<double> &T) {
    const std::size_t n = R.size();
    const double R_tot = R_si + partialSum(R, 0, n) + R_se;
    const double q = (T_i - T_e) / R_tot;
    T.resize(n + 1);
    T[0] = T_i - R_si * q;
    double R_left = 0;
    for (std::size_t k = 1; k <= n; ++k) {
        R_left += R[k - 1];
        T[k] = T_i - (R_si + R_left) * q;
    }
}

ResultCode Calculation::glaser(const InputData &input, HeatFlowDirection heatFlowDirection) {
    const QVector<MaterialLayer> &layers = input.layers();
    const AssessmentConditions &c = input.conditions();
    CalculationResults &r = m_results;
    const int n = layers.size();
    r.R.assign(static_cast<std::size_t>(n), 0.0);
    r.Z.assign(static_cast<std::size_t>(n), 0.0);
    for (int j = 0; j < n; ++j) {
        const double d = layers[j].width();
        r.Z[j] = diffusionResistanceGlaser(layers[j].mu(), d);
        r.R[j] = d / layers[j].lambda(heatFlowDirection);
    }

    r.R_layers = partialSum(r.R, 0, r.R.size());
    r.R_total = r.R_layers + c.Rse() + c.Rsi();
    r.U = 1 / r.R_total;
    r.U_iso6946 = Iso6946::transmittance(r.R_layers, heatFlowDirection);
    temperature_field(r.R, c.Rsi(), c.Rse(), c.T_i(), c.T_e(), r.T);

    const double p_i = vapourPressureMagnus(c.T_i(), c.rh_i());
    const double p_e = vapourPressureMagnus(c.T_e(), c.rh_e());
    r.p_sat.resize(r.T.size());
    for (std::size_t k = 0; k < r.T.size(); ++k)
        r.p_sat[k] = saturationPressureMagnus(r.T[k]);
    vaporPressureLine(r.Z, p_i, p_e, r.p);

    const std::vector<int> planes = condensationInterfaces(r.p, r.p_sat);
    r.glaserZones = zonesOf(planes);
    const ResultCode code = glaserPattern(planes, r.glaserZones.size(), n, r);
    if (code == ResultCode::OnePlane || code == ResultCode::OneZone || code == ResultCode::SeveralZones) {
        const GlaserState state{r.Z, r.p_sat, p_i, p_e};
        const DryingClimate drying(c);
        const double t_c = c.tT(false);
        if (code == ResultCode::SeveralZones)
            twoPlanes(state, drying, planes.front(), planes.back(), t_c, r);
        else
            oneZone(state, drying, planes.front(), planes.back(), t_c, code == ResultCode::OnePlane, r);
    }
    return r.glaserResultCode = code;
}
