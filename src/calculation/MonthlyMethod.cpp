#include "MonthlyMethod.h"

#include "Calculation.h"
#include "MonthlyClimate.h"
#include "MonthlyInterior.h"
#include "PhysicalProperties.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"

#include <cmath>
#include <limits>

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();

/*! Layer values of the construction, computed once. */
struct Layers {
    std::vector<double> R;  ///< thermal resistance of each layer, m2K/W
    std::vector<double> sd; ///< cumulative s_d at the interfaces 0..n, m
    double R_layers = 0;
};

/*! The vapour pressure line of one month and the fluxes at its fixed points. Buffers are reused from month to
    month. */
class PressureLine {
public:
    PressureLine(const std::vector<double> &sd, std::size_t interfaces) : m_sd(sd) {
        m_fixed.reserve(interfaces);
        m_candidates.reserve(interfaces);
        g.assign(interfaces, 0.0);
        p.assign(interfaces, 0.0);
    }

    /*! Line through (0, p_i), (s_d,n, p_e) and the interfaces with M[k] > 0 at p_sat[k], pulled below p_sat by
        the lower convex hull in between; fills p (line at every interface) and g (g_c, kg/(m2 s), 0 where not
        fixed). */
    void compute(const std::vector<double> &p_sat, double p_i, double p_e, const std::vector<double> &M);

    std::vector<double> g;
    std::vector<double> p;

private:
    double pressureAt(int k) const { return k == 0 ? m_p_i : k == m_n ? m_p_e : (*m_p_sat)[std::size_t(k)]; }
    /*! Appends the inner vertices of the lower hull between the forced points a < b, then b. */
    void appendHull(int a, int b);
    /*! Cross product of (b - o) and (c - o) in the (s_d, p) plane: > 0 for a left turn. */
    double cross(int o, int b, int c) const;

    const std::vector<double> &m_sd;
    const std::vector<double> *m_p_sat = nullptr;
    double m_p_i = 0;
    double m_p_e = 0;
    int m_n = 0;
    std::vector<int> m_fixed;
    std::vector<int> m_candidates;
};

double PressureLine::cross(int o, int b, int c) const {
    const double so = m_sd[std::size_t(o)];
    const double po = pressureAt(o);
    return (m_sd[std::size_t(b)] - so) * (pressureAt(c) - po) - (pressureAt(b) - po) * (m_sd[std::size_t(c)] - so);
}

void PressureLine::appendHull(int a, int b) {
    // Candidates strictly between the s_d of a and b; of several at one s_d only the lowest p_sat (first on a
    // tie) can be a vertex.
    m_candidates.clear();
    for (int k = a + 1; k < b; ++k) {
        const double s = m_sd[std::size_t(k)];
        if (!(s > m_sd[std::size_t(a)] && s < m_sd[std::size_t(b)]))
            continue;
        if (!m_candidates.empty() && m_sd[std::size_t(m_candidates.back())] == s) {
            if (pressureAt(k) < pressureAt(m_candidates.back()))
                m_candidates.back() = k;
            continue;
        }
        m_candidates.push_back(k);
    }
    m_candidates.push_back(b);
    // Monotone chain from a: a point in line with its neighbours is no vertex.
    const std::size_t base = m_fixed.size() - 1;
    for (int k : m_candidates) {
        while (m_fixed.size() >= base + 2 && !(cross(m_fixed[m_fixed.size() - 2], m_fixed.back(), k) > 0))
            m_fixed.pop_back();
        m_fixed.push_back(k);
    }
}

void PressureLine::compute(const std::vector<double> &p_sat, double p_i, double p_e, const std::vector<double> &M) {
    m_p_sat = &p_sat;
    m_p_i = p_i;
    m_p_e = p_e;
    m_n = int(p_sat.size()) - 1;
    m_fixed.assign(1, 0);
    for (int k = 1; k <= m_n; ++k) {
        if (k == m_n || M[std::size_t(k)] > 0)
            appendHull(m_fixed.back(), k);
    }
    std::fill(g.begin(), g.end(), 0.0);
    double previousSlope = 0;
    for (std::size_t i = 0; i + 1 < m_fixed.size(); ++i) {
        const int a = m_fixed[i];
        const int b = m_fixed[i + 1];
        const double sa = m_sd[std::size_t(a)];
        const double slope = (pressureAt(b) - pressureAt(a)) / (m_sd[std::size_t(b)] - sa);
        for (int k = a; k < b; ++k)
            p[std::size_t(k)] = pressureAt(a) + slope * (m_sd[std::size_t(k)] - sa);
        // what arrives at a from the warm side minus what leaves it towards b
        if (i > 0)
            g[std::size_t(a)] = MonthlyMethod::Delta0 * (slope - previousSlope);
        previousSlope = slope;
    }
    p[std::size_t(m_n)] = p_e;
}

/*! Climate and temperatures of one calendar month; independent of the condensate. */
struct MonthClimate {
    double thetaE = 0, pE = 0, thetaI = 0, pI = 0;
    std::vector<double> T, p_sat;
};

bool checkInput(const InputData &input, HeatFlowDirection direction, Layers &layers, QStringList &messages) {
    const QVector<MaterialLayer> &list = input.layers();
    if (list.isEmpty()) {
        messages << MonthlyMethod::tr("The construction has no layers.");
        return false;
    }
    if (input.inputStatus() == InputStatus::InvalidWidth || input.inputStatus() == InputStatus::InvalidMaterial) {
        messages << input.checkMessage();
        return false;
    }
    layers.sd.assign(std::size_t(list.size()) + 1, 0.0);
    for (int j = 0; j < list.size(); ++j) {
        const double d = list[j].width();
        const double mu = list[j].mu();
        const double lambda = list[j].lambda(direction);
        QString fault;
        if (!(d > 0))
            fault = MonthlyMethod::tr("Invalid width %1 of <a href=\"layer-%2\">layer #%2</a>.");
        else if (!(mu > 0))
            fault = MonthlyMethod::tr("Invalid mu %3 of material in <a href=\"layer-%2\">layer #%2</a>.");
        else if (!(lambda > 0))
            fault =
                MonthlyMethod::tr("Invalid thermal conductivity %4 of material in <a href=\"layer-%2\">layer #%2</a>.");
        if (!fault.isEmpty()) {
            messages << fault.replace("%1", QString::number(d))
                            .replace("%3", QString::number(mu))
                            .replace("%4", QString::number(lambda))
                            .replace("%2", QString::number(j + 1));
            return false;
        }
        layers.R.push_back(d / lambda);
        layers.R_layers += d / lambda;
        // a product sd-value fixed the width as sd / mu, so mu d gives it back
        layers.sd[std::size_t(j) + 1] = layers.sd[std::size_t(j)] + mu * d;
    }
    return true;
}

std::vector<MonthClimate> monthClimates(const Layers &layers, double R_si, const MonthlyClimate &climate,
                                        const MonthlyInterior &interior) {
    std::vector<MonthClimate> months(MonthlyClimate::Months);
    for (int m = 0; m < MonthlyClimate::Months; ++m) {
        MonthClimate &c = months[std::size_t(m)];
        c.thetaE = climate.thetaE[std::size_t(m)];
        c.pE = climate.pE[std::size_t(m)];
        c.thetaI = interior.theta;
        c.pI = interior.vapourPressure(c.thetaE, c.pE);
        Calculation::temperature_field(layers.R, R_si, MonthlyMethod::Rse, c.thetaI, c.thetaE, c.T);
        c.p_sat.resize(c.T.size());
        for (std::size_t k = 0; k < c.T.size(); ++k)
            c.p_sat[k] = saturationPressureMagnus(c.T[k]);
    }
    return months;
}

/*! First month of the cycle: the first (calendar order, cyclic) that condenses from dry after one that does
    not; January when all do; 0 when none does. */
int startMonth(const std::vector<MonthClimate> &climates, PressureLine &line) {
    const std::vector<double> dry(line.g.size(), 0.0);
    bool condenses[MonthlyClimate::Months];
    bool any = false;
    for (int m = 0; m < MonthlyClimate::Months; ++m) {
        const MonthClimate &c = climates[std::size_t(m)];
        line.compute(c.p_sat, c.pI, c.pE, dry);
        condenses[m] = false;
        for (double g : line.g)
            condenses[m] = condenses[m] || g > 0;
        any = any || condenses[m];
    }
    if (!any)
        return 0;
    for (int m = 0; m < MonthlyClimate::Months; ++m)
        if (condenses[m] && !condenses[(m + MonthlyClimate::Months - 1) % MonthlyClimate::Months])
            return m + 1;
    return 1;
}

void runCycle(const std::vector<MonthClimate> &climates, PressureLine &line, MonthlyResults &r) {
    std::vector<double> M(line.g.size(), 0.0);
    const int first = r.startMonth != 0 ? r.startMonth : 1;
    r.months.resize(MonthlyClimate::Months);
    for (int i = 0; i < MonthlyClimate::Months; ++i) {
        const int m = (first - 1 + i) % MonthlyClimate::Months + 1;
        const MonthClimate &c = climates[std::size_t(m - 1)];
        MonthlyMonthResult &month = r.months[std::size_t(i)];
        month.month = m;
        month.thetaE = c.thetaE;
        month.pE = c.pE;
        month.thetaI = c.thetaI;
        month.pI = c.pI;
        month.T = c.T;
        month.p_sat = c.p_sat;
        line.compute(c.p_sat, c.pI, c.pE, M);
        month.p = line.p;
        const double t = MonthlyClimate::days(m) * SECONDS_PER_DAY;
        month.condensed.resize(M.size());
        month.total = 0;
        for (std::size_t k = 0; k < M.size(); ++k) {
            month.condensed[k] = line.g[k] * t;
            M[k] = std::max(0.0, M[k] + month.condensed[k]);
            month.total += M[k];
        }
        month.accumulated = M;
    }
}

void yearlyFigures(MonthlyResults &r) {
    const std::size_t interfaces = r.sd.size();
    r.maxPerInterface.assign(interfaces, 0.0);
    for (const MonthlyMonthResult &month : r.months) {
        for (std::size_t k = 0; k < interfaces; ++k)
            r.maxPerInterface[k] = std::max(r.maxPerInterface[k], month.accumulated[k]);
        if (month.total > r.maxAccumulated) {
            r.maxAccumulated = month.total;
            r.maxMonth = month.month;
        }
    }
    for (std::size_t k = 0; k < interfaces; ++k)
        if (r.maxPerInterface[k] > 0)
            r.condensateInterfaces.push_back(int(k));
    r.driesOut = r.months.back().total == 0;
}

void surfaceCheck(const std::vector<MonthClimate> &climates, MonthlyResults &r) {
    const double U = 1 / (MonthlyMethod::RsiSurface + r.R_layers + MonthlyMethod::Rse);
    r.fRsi = 1 - U * MonthlyMethod::RsiSurface;
    r.designFRsiMin = NaN;
    r.designMonth = 0;
    for (int m = 0; m < MonthlyClimate::Months; ++m) {
        const MonthClimate &c = climates[std::size_t(m)];
        const double theta_si = MonthlyMethod::saturationTemperature(c.pI * 100 / MonthlyMethod::SurfaceHumidity);
        const double f = c.thetaI > c.thetaE ? (theta_si - c.thetaE) / (c.thetaI - c.thetaE) : NaN;
        r.thetaSiMin[std::size_t(m)] = theta_si;
        r.fRsiMin[std::size_t(m)] = f;
        if (std::isfinite(f) && (r.designMonth == 0 || f > r.designFRsiMin)) {
            r.designFRsiMin = f;
            r.designMonth = m + 1;
        }
    }
}

} // namespace

MonthlyResults MonthlyMethod::calculate(const InputData &input, HeatFlowDirection heatFlowDirection,
                                        const MonthlyClimate &climate, const MonthlyInterior &interior) {
    MonthlyResults r;
    Layers layers;
    if (!checkInput(input, heatFlowDirection, layers, r.messages))
        return r;
    r.valid = true;
    r.sd = layers.sd;
    r.R_layers = layers.R_layers;
    const std::vector<MonthClimate> climates =
        monthClimates(layers, interiorSurfaceResistance(heatFlowDirection), climate, interior);
    PressureLine line(r.sd, r.sd.size());
    r.startMonth = startMonth(climates, line);
    runCycle(climates, line, r);
    yearlyFigures(r);
    surfaceCheck(climates, r);
    return r;
}

double MonthlyMethod::interiorSurfaceResistance(HeatFlowDirection heatFlowDirection) {
    switch (heatFlowDirection) {
    case HeatFlowDirection::Upwards: return 0.10;
    case HeatFlowDirection::Downwards: return 0.17;
    case HeatFlowDirection::Horizontal: break;
    }
    return 0.13;
}

double MonthlyMethod::saturationTemperature(double p) {
    const double L = std::log(p / 610.5);
    if (p >= 610.5)
        return 237.3 * L / (17.269 - L);
    return 265.5 * L / (21.875 - L);
}
