#include "TransientSolver.h"

#include "FunctionTable.h"
#include "HourlyClimate.h"
#include "HygrothermalMaterial.h"
#include "PhysicalProperties.h"

#include <algorithm>
#include <cmath>

namespace {

using State = TransientSolver::State;
using Flux = TransientSolver::Flux;

const double PHI_MIN = 1e-4;
const double PHI_MAX = 1.0;
/*! Difference quotient steps: relative humidity (-) and temperature (K). */
const double EPS_PHI = 1e-6;
const double EPS_T = 1e-3;
/*! Newton ends when no cell changes by more than these. */
const double TOL_T = 1e-4;
const double TOL_PHI = 1e-6;
const int MAX_ITERATIONS = 12;
/*! Largest change of one Newton update per cell, so that a poor first guess cannot leave the physical range. */
const double MAX_UPDATE_T = 10;
const double MAX_UPDATE_PHI = 0.2;
/*! Largest change of a cell in one time step; larger changes repeat the step with half the length. */
const double MAX_STEP_CHANGE_T = 5;
const double MAX_STEP_CHANGE_PHI = 0.1;
const double MIN_STEP = 1e-3;

/*! d p_sat / dT of the power form of saturationPressure, Pa/K. */
double saturationPressureSlope(double theta, double psat) {
    return theta >= 0 ? psat * 8.02 / (109.8 + theta) : psat * 12.3 / (148.6 + theta);
}

/*! saturationPressure (Pa) at theta (°C) and its slope (Pa/K); tabulated at 0.01 K from -80 to 100 °C, where
    linear interpolation stays within 1e-7 of the function. */
double saturationPressureTabulated(double theta, double &slope) {
    static const FunctionTable table(-80, 100, 0.01, [](double t) { return saturationPressure(t); });
    if (table.covers(theta))
        return table.value(theta, slope);
    const double psat = saturationPressure(theta);
    slope = saturationPressureSlope(theta, psat);
    return psat;
}

/*! Conductance between two cell centres at distances hL and hR (m) from the face: the mean of both values in
    one material (sharp wetting fronts), the two half cells in series across a material interface. */
double conductance(double kL, double kR, double hL, double hR, bool sameMaterial) {
    if (sameMaterial)
        return 0.5 * (kL + kR) / (hL + hR);
    const double denominator = kL * hR + kR * hL;
    return denominator > 0 ? kL * kR / denominator : 0.0;
}

/*! Flux from the state L to the state R (positive from L to R): heat q = K_lambda (T_L - T_R) + h_v g_v,
    moisture g = K_phi (phi_L - phi_R) + g_v with the vapour flux g_v = K_delta (p_L - p_R). */
Flux faceFlux(const State &L, const State &R, double hL, double hR, bool sameMaterial) {
    const double gv = conductance(L.delta, R.delta, hL, hR, sameMaterial) * (L.p - R.p);
    return {conductance(L.lambda, R.lambda, hL, hR, sameMaterial) * (L.T - R.T) + LATENT_HEAT_EVAPORATION * gv,
            conductance(L.Dphi, R.Dphi, hL, hR, sameMaterial) * (L.phi - R.phi) + gv};
}

/*! Flux from the air into a surface cell of half width hc: heat through 1/h + hc/lambda; moisture as vapour from
    the air (beta_p) in series with the liquid and vapour conductance of the half cell, both expressed per unit of
    relative humidity at the cell temperature. All moisture crosses the surface as vapour and carries h_v. */
Flux exchangeFlux(const State &cell, double hc, const SurfaceCondition &condition, double airT, double airP) {
    const double kT = 1 / (1 / condition.h + hc / cell.lambda);
    const double kCell = (cell.Dphi + cell.delta * cell.psat) / hc;
    const double kAir = condition.betaP * cell.psat;
    const double k = kCell + kAir > 0 ? kCell * kAir / (kCell + kAir) : 0.0;
    const double g = k * (airP / cell.psat - cell.phi);
    return {kT * (airT - cell.T) + LATENT_HEAT_EVAPORATION * g, g};
}

/*! The state at T + dT, linearised with the analytical temperature derivatives. */
State shiftedT(const State &s, double dT) {
    State r = s;
    r.T += dT;
    r.psat += s.dpsatdT * dT;
    r.p = s.phi * r.psat;
    r.delta = s.delta * (1 + s.deltaExponent * dT / (s.T + KELVIN_OFFSET));
    return r;
}

Block2 difference(const Flux &shiftedTFlux, const Flux &shiftedPhiFlux, const Flux &base, double ePhi) {
    return {(shiftedTFlux.q - base.q) / EPS_T, (shiftedPhiFlux.q - base.q) / ePhi, (shiftedTFlux.g - base.g) / EPS_T,
            (shiftedPhiFlux.g - base.g) / ePhi};
}

void add(Block2 &target, const Block2 &x, double sign) {
    target.a += sign * x.a;
    target.b += sign * x.b;
    target.c += sign * x.c;
    target.d += sign * x.d;
}

} // namespace

TransientSolver::TransientSolver(TransientSetup setup) : m_setup(std::move(setup)) {
    const auto &cells = m_setup.mesh.cells();
    m_n = static_cast<int>(cells.size());
    for (int i = 0; i < m_n; ++i) {
        m_cellMaterial.push_back(m_setup.materials[cells[i].layer]);
        m_dx.push_back(cells[i].width);
        m_sameAsNext.push_back(i + 1 < m_n && cells[i + 1].layer == cells[i].layer);
    }
    m_T.assign(m_n, m_setup.initialTemperature);
    m_phi.assign(m_n, std::clamp(m_setup.initialRh, PHI_MIN, PHI_MAX));
    m_Told = m_T;
    m_phiOld = m_phi;
    m_wOld.resize(m_n);
    for (int i = 0; i < m_n; ++i)
        m_wOld[i] = waterContent(i);
    m_lastChangeT.assign(m_n, 0);
    m_lastChangePhi.assign(m_n, 0);
    m_props.resize(m_n);
    m_system.resize(m_n);
    m_maxStep = m_setup.maxStep;
    for (const SurfaceCondition *side : {&m_setup.interior, &m_setup.exterior})
        if (side->climate && side->climate->step() > 0)
            m_maxStep = std::min(m_maxStep, side->climate->step());
    m_dt = std::min(10.0, m_maxStep);
}

State TransientSolver::stateAt(int cell, double T, double phi, double &w, double &dwdphi) const {
    const HygrothermalMaterial *material = m_cellMaterial[cell];
    MoistureProperties mp;
    material->evaluate(phi, mp);
    State s;
    s.T = T;
    s.phi = phi;
    s.psat = saturationPressureTabulated(T, s.dpsatdT);
    s.p = phi * s.psat;
    s.Dphi = mp.Dphi;
    s.delta = material->airPermeability(T + KELVIN_OFFSET, s.deltaExponent) / mp.mu;
    s.lambda = mp.lambda;
    w = mp.w;
    dwdphi = mp.dwdphi;
    return s;
}

double TransientSolver::waterContent(int i) const {
    MoistureProperties mp;
    m_cellMaterial[i]->evaluate(m_phi[i], mp);
    return mp.w;
}

double TransientSolver::totalWater() const {
    double sum = 0;
    for (int i = 0; i < m_n; ++i)
        sum += waterContent(i) * m_dx[i];
    return sum;
}

void TransientSolver::surfaceValues(const SurfaceCondition &condition, int cell, double &T, double &phi) const {
    double airT = m_setup.initialTemperature, airPhi = m_setup.initialRh;
    if (condition.climate)
        condition.climate->valueAt(m_time, airT, airPhi);
    if (condition.kind == SurfaceCondition::Prescribed) {
        T = airT;
        phi = airPhi;
        return;
    }
    double w = 0, dwdphi = 0;
    const State s = stateAt(cell, m_T[cell], m_phi[cell], w, dwdphi);
    const double kT = s.lambda / (m_dx[cell] / 2);
    const double kP = s.delta / (m_dx[cell] / 2);
    T = (condition.h * airT + kT * s.T) / (condition.h + kT);
    const double p = (condition.betaP * airPhi * saturationPressure(airT) + kP * s.p) / (condition.betaP + kP);
    phi = p / saturationPressure(T);
}

void TransientSolver::interfaceValues(std::vector<double> &T, std::vector<double> &phi) const {
    T.clear();
    phi.clear();
    double surfaceT = 0, surfacePhi = 0;
    surfaceValues(m_setup.interior, 0, surfaceT, surfacePhi);
    T.push_back(surfaceT);
    phi.push_back(surfacePhi);
    double w = 0, dwdphi = 0;
    for (int i = 0; i + 1 < m_n; ++i) {
        if (m_sameAsNext[i])
            continue;
        const State L = stateAt(i, m_T[i], m_phi[i], w, dwdphi);
        const State R = stateAt(i + 1, m_T[i + 1], m_phi[i + 1], w, dwdphi);
        const double kTL = L.lambda / m_dx[i], kTR = R.lambda / m_dx[i + 1];
        const double kPL = L.delta / m_dx[i], kPR = R.delta / m_dx[i + 1];
        const double t = (kTL * L.T + kTR * R.T) / (kTL + kTR);
        const double p = kPL + kPR > 0 ? (kPL * L.p + kPR * R.p) / (kPL + kPR) : (L.p + R.p) / 2;
        T.push_back(t);
        phi.push_back(p / saturationPressure(t));
    }
    surfaceValues(m_setup.exterior, m_n - 1, surfaceT, surfacePhi);
    T.push_back(surfaceT);
    phi.push_back(surfacePhi);
}

void TransientSolver::evaluateCells() {
    MoistureProperties mp;
    for (int i = 0; i < m_n; ++i) {
        CellProperties &cp = m_props[i];
        State &s = cp.base;
        s.T = m_T[i];
        s.phi = m_phi[i];
        s.psat = saturationPressureTabulated(s.T, s.dpsatdT);
        s.p = s.phi * s.psat;
        const double deltaA = m_cellMaterial[i]->airPermeability(s.T + KELVIN_OFFSET, s.deltaExponent);
        m_cellMaterial[i]->evaluate(s.phi, mp);
        s.Dphi = mp.Dphi;
        s.delta = deltaA / mp.mu;
        s.lambda = mp.lambda;
        cp.w = mp.w;
        cp.dwdphi = mp.dwdphi;
        // The relative humidity step points inwards at the upper bound.
        cp.ePhi = s.phi + EPS_PHI <= PHI_MAX ? EPS_PHI : -EPS_PHI;
        m_cellMaterial[i]->evaluate(s.phi + cp.ePhi, mp);
        State &sp = cp.perturbed;
        sp = s;
        sp.phi += cp.ePhi;
        sp.p = sp.phi * s.psat;
        sp.Dphi = mp.Dphi;
        sp.delta = deltaA / mp.mu;
        sp.lambda = mp.lambda;
    }
}

void TransientSolver::setBoundary(const SurfaceCondition &condition, int cell, Boundary &boundary) const {
    double T = m_setup.initialTemperature;
    double rh = m_setup.initialRh;
    if (condition.climate)
        condition.climate->valueAt(m_time, T, rh);
    boundary.airT = T;
    boundary.airPhi = std::clamp(rh, PHI_MIN, PHI_MAX);
    boundary.airP = boundary.airPhi * saturationPressure(T);
    if (condition.kind == SurfaceCondition::Prescribed) {
        double w = 0, dwdphi = 0;
        boundary.surface = stateAt(cell, T, boundary.airPhi, w, dwdphi);
    }
}

void TransientSolver::boundaryJacobian(const SurfaceCondition &condition, const Boundary &boundary, int cell,
                                       Flux &flux) {
    const CellProperties &cp = m_props[cell];
    const double hc = m_dx[cell] / 2;
    auto into = [&](const State &s) {
        if (condition.kind == SurfaceCondition::Prescribed)
            return faceFlux(boundary.surface, s, 0, hc, true);
        return exchangeFlux(s, hc, condition, boundary.airT, boundary.airP);
    };
    flux = into(cp.base);
    const Block2 derivative = difference(into(shiftedT(cp.base, EPS_T)), into(cp.perturbed), flux, cp.ePhi);
    // The flux enters the cell: it lowers the residual "storage - inflow".
    m_system.rhs()[2 * cell] -= flux.q;
    m_system.rhs()[2 * cell + 1] -= flux.g;
    add(m_system.diag()[cell], derivative, -1);
}

void TransientSolver::assemble(double dt) {
    auto &lower = m_system.lower();
    auto &diag = m_system.diag();
    auto &upper = m_system.upper();
    auto &r = m_system.rhs();
    // Residuals per cell: heat (rho c + c_w w)(T - T_old) dx/dt + q_out - q_in (W/m2),
    // moisture (w - w_old) dx/dt + g_out - g_in (kg/(m2 s)).
    for (int i = 0; i < m_n; ++i) {
        const CellProperties &cp = m_props[i];
        const double f = m_dx[i] / dt;
        const double capacity = m_cellMaterial[i]->heatCapacity() + HEAT_CAPACITY_WATER * cp.w;
        const double dT = m_T[i] - m_Told[i];
        r[2 * i] = capacity * dT * f;
        r[2 * i + 1] = (cp.w - m_wOld[i]) * f;
        diag[i] = {capacity * f, HEAT_CAPACITY_WATER * cp.dwdphi * dT * f, 0, cp.dwdphi * f};
        lower[i] = Block2();
        upper[i] = Block2();
    }
    for (int i = 0; i + 1 < m_n; ++i) {
        const CellProperties &L = m_props[i];
        const CellProperties &R = m_props[i + 1];
        const double hL = m_dx[i] / 2;
        const double hR = m_dx[i + 1] / 2;
        const bool same = m_sameAsNext[i];
        const Flux F = faceFlux(L.base, R.base, hL, hR, same);
        const Block2 dLeft = difference(faceFlux(shiftedT(L.base, EPS_T), R.base, hL, hR, same),
                                        faceFlux(L.perturbed, R.base, hL, hR, same), F, L.ePhi);
        const Block2 dRight = difference(faceFlux(L.base, shiftedT(R.base, EPS_T), hL, hR, same),
                                         faceFlux(L.base, R.perturbed, hL, hR, same), F, R.ePhi);
        r[2 * i] += F.q;
        r[2 * i + 1] += F.g;
        r[2 * i + 2] -= F.q;
        r[2 * i + 3] -= F.g;
        add(diag[i], dLeft, 1);
        add(upper[i], dRight, 1);
        add(lower[i + 1], dLeft, -1);
        add(diag[i + 1], dRight, -1);
    }
    boundaryJacobian(m_setup.interior, m_left, 0, m_leftFlux);
    boundaryJacobian(m_setup.exterior, m_right, m_n - 1, m_rightFlux);
    for (double &value : r)
        value = -value;
}

bool TransientSolver::newtonIteration(double dt, double &maxDT, double &maxDPhi) {
    evaluateCells();
    assemble(dt);
    if (!m_system.solve())
        return false;
    const auto &x = m_system.rhs();
    maxDT = 0;
    maxDPhi = 0;
    for (int i = 0; i < m_n; ++i) {
        const double dT = std::clamp(x[2 * i], -MAX_UPDATE_T, MAX_UPDATE_T);
        const double phi =
            std::clamp(m_phi[i] + std::clamp(x[2 * i + 1], -MAX_UPDATE_PHI, MAX_UPDATE_PHI), PHI_MIN, PHI_MAX);
        if (!std::isfinite(dT) || !std::isfinite(phi))
            return false;
        maxDT = std::max(maxDT, std::fabs(dT));
        maxDPhi = std::max(maxDPhi, std::fabs(phi - m_phi[i]));
        m_T[i] += dT;
        m_phi[i] = phi;
    }
    return true;
}

void TransientSolver::predict(double dt) {
    if (m_lastStep <= 0)
        return;
    const double ratio = std::min(dt / m_lastStep, 2.0);
    for (int i = 0; i < m_n; ++i) {
        m_T[i] += ratio * m_lastChangeT[i];
        // half the humidity change only: thin, weakly storing layers swing with the day and overshoot
        m_phi[i] = std::clamp(m_phi[i] + 0.5 * ratio * m_lastChangePhi[i], PHI_MIN, PHI_MAX);
    }
}

void TransientSolver::accept(double dt) {
    for (int i = 0; i < m_n; ++i) {
        // w at the accepted state from the last evaluation, which differs from it by one tiny Newton update
        const CellProperties &cp = m_props[i];
        m_wOld[i] = cp.w + cp.dwdphi * (m_phi[i] - cp.base.phi);
        m_lastChangeT[i] = m_T[i] - m_Told[i];
        m_lastChangePhi[i] = m_phi[i] - m_phiOld[i];
    }
    m_lastStep = dt;
}

bool TransientSolver::step(double dt) {
    m_Told = m_T;
    m_phiOld = m_phi;
    predict(dt);
    setBoundary(m_setup.interior, 0, m_left);
    setBoundary(m_setup.exterior, m_n - 1, m_right);
    for (int iteration = 0; iteration < MAX_ITERATIONS; ++iteration) {
        double maxDT = 0, maxDPhi = 0;
        const bool solved = newtonIteration(dt, maxDT, maxDPhi);
        ++m_statistics.newtonIterations;
        if (!solved)
            break;
        if (maxDT < TOL_T && maxDPhi < TOL_PHI) {
            double stepChangeT = 0, stepChangePhi = 0, stored = 0;
            for (int i = 0; i < m_n; ++i) {
                stepChangeT = std::max(stepChangeT, std::fabs(m_T[i] - m_Told[i]));
                stepChangePhi = std::max(stepChangePhi, std::fabs(m_phi[i] - m_phiOld[i]));
                stored += (m_cellMaterial[i]->heatCapacity() + HEAT_CAPACITY_WATER * m_props[i].w) *
                          (m_T[i] - m_Told[i]) * m_dx[i];
            }
            if (stepChangeT > MAX_STEP_CHANGE_T || stepChangePhi > MAX_STEP_CHANGE_PHI)
                break;
            m_balance.heatStored += stored;
            m_balance.heatIn += (m_leftFlux.q + m_rightFlux.q) * dt;
            m_balance.heatExchanged += (std::fabs(m_leftFlux.q) + std::fabs(m_rightFlux.q)) * dt;
            m_balance.moistureIn += (m_leftFlux.g + m_rightFlux.g) * dt;
            m_balance.moistureExchanged += (std::fabs(m_leftFlux.g) + std::fabs(m_rightFlux.g)) * dt;
            accept(dt);
            return true;
        }
    }
    m_T = m_Told;
    m_phi = m_phiOld;
    return false;
}

bool TransientSolver::advanceTo(double t) {
    while (m_time < t - 1e-9) {
        double dt = std::min({m_dt, m_maxStep, t - m_time});
        // Rather two even steps than a sliver at the end.
        if (t - m_time - dt < 0.1 * dt && t - m_time > dt)
            dt = (t - m_time) / 2;
        const double timeBefore = m_time;
        m_time += dt;
        const long iterationsBefore = m_statistics.newtonIterations;
        if (step(dt)) {
            ++m_statistics.steps;
            if (m_statistics.steps == 1 || dt < m_statistics.smallestStep)
                m_statistics.smallestStep = dt;
            const long iterations = m_statistics.newtonIterations - iterationsBefore;
            if (iterations <= 3)
                m_dt = std::min(std::max(m_dt, 1.5 * dt), m_maxStep);
            else if (iterations >= 7)
                m_dt = 0.7 * dt;
            continue;
        }
        m_time = timeBefore;
        ++m_statistics.failures;
        m_dt = dt / 2;
        if (m_dt < MIN_STEP) {
            m_errorText = QStringLiteral("No convergence at t = %1 h: time step below %2 s.")
                              .arg(m_time / SECONDS_PER_HOUR)
                              .arg(MIN_STEP);
            return false;
        }
    }
    return true;
}
