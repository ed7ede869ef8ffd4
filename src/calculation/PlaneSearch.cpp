#include "PlaneSearch.h"

#include <algorithm>
#include <cmath>

namespace {

/*! Solver tolerance of the combination systems (relative residual per row). */
const double SOLVER_TOLERANCE = 1e-10;
/*! The trial pressure at the cold surface may miss the exterior vapour pressure by this much, Pa. */
const double COLD_SURFACE_TOLERANCE = 0.001;
/*! The trial pressure may exceed saturation away from the planes by this much, Pa. */
const double SATURATION_TOLERANCE = 1e-8;
/*! An accepted solution meets each equation within the relaxed solver tolerance (at most 1e-6 of the
    equation's value); the bounds allow a hundred times that, plus an amount for rounding, in Pa. */
const double RESIDUAL_FACTOR = 1e-4;
const double RESIDUAL_PA = 1e-4;
/*! Rounding of the pressure recurrence, Pa; far above what n additions can lose. */
const double ROUNDING_PA = 1e-6;

/*! Interface of the highest plane of combination c (bit i-1 stands for interface i). */
int highestPlane(std::uint32_t c) {
    return 32 - __builtin_clz(c);
}

/*! Interface of the lowest plane of combination c. */
int lowestPlane(std::uint32_t c) {
    return __builtin_ctz(c) + 1;
}

double residualAllowance(double rhs) {
    return RESIDUAL_FACTOR * std::fabs(rhs) + RESIDUAL_PA;
}

} // namespace

PlaneSearch::PlaneSearch() {
    m_A.resize(MaxLayers, MaxLayers);
    m_b.reserve(MaxLayers);
    m_x.reserve(MaxLayers);
    m_started.reserve(2 * MaxLayers);
}

PlaneSearch::Outcome PlaneSearch::find(const Pass &pass, int &lastCombination) {
    m_solves = 0;
    m_work = 0;
    m_visits = 0;
    m_missedColdSurface = false;
    prepare(pass);
    prepareBounds();
    return m_n <= ExhaustiveLayers ? searchInOrder(lastCombination) : searchBounded(lastCombination);
}

// Everything of the system that does not depend on the combination, computed with exactly the operations
// the assembly and the pressure check would otherwise repeat per combination.
void PlaneSearch::prepare(const Pass &pass) {
    m_pass = &pass;
    m_n = pass.n;
    m_end = std::uint32_t(1) << (m_n - 1);
    double S = 0;
    for (int j = 0; j < m_n; ++j) {
        m_S[j] = S;
        S += pass.Z[j];
        m_denRight[j] = 2 * pass.R_liquid[j];
        m_denLeft[j] = 2 * pass.R_liquid[j] * (pass.kappa[j] * pass.kappa[j]);
        m_liquidRight[j] = pass.Z[j] / m_denRight[j];
        m_liquidLeft[j] = pass.Z[j] / m_denLeft[j];
    }
    m_S[m_n] = S;
    for (int k = 0; k <= m_n; ++k)
        m_planeRhs[k] = pass.p_i - pass.p_sat[k];
}

// Necessary conditions for a valid combination, so that most invalid ones are rejected without a solve.
// For an accepted solution the trial pressure at each plane equals saturation up to the residual of its
// equation, the cold-surface pressure meets p_e within 0.001 Pa, and all x_c >= 0 with non-negative
// liquid coefficients. Hence, with the planes a < b and the last plane L:
//  - the flux g is at least gMin[L] = (p_sat[L] - p_e) / (sum of Z right of L), and at most
//    gMax[f] = (p_i - p_sat[f]) / (sum of Z left of f) for the first plane f;
//  - left of the first plane, P[k] >= p_i - gMax[f] * (sum of Z left of k);
//  - between a and b (and left of the first plane), P[k] >= p_sat[b] + gMin[L] * (sum of Z from k to b);
//  - right of L, P[k] >= p_e + gMin[L] * (sum of Z right of k).
// A combination for which one of these bounds lies clearly above saturation at a non-plane interface is
// rejected by the full check as well; the allowances keep every decision the same as the full check's.
void PlaneSearch::prepareBounds() {
    const Pass &p = *m_pass;
    const int n = m_n;
    m_boundsValid = std::isfinite(p.p[0]) && std::isfinite(p.p[n]);
    for (int j = 0; j < n; ++j)
        m_boundsValid = m_boundsValid && p.Z[j] > 0 && std::isfinite(p.Z[j]) && m_liquidRight[j] >= 0 &&
                        m_liquidLeft[j] >= 0 && std::isfinite(p.p_sat[j]);
    m_boundsValid = m_boundsValid && std::isfinite(p.p_sat[n]);
    if (!m_boundsValid)
        return;
    const double P0 = p.p[0];
    const double Pn = p.p[n];
    const double excess = SATURATION_TOLERANCE + ROUNDING_PA;
    for (int L = 1; L < n; ++L) {
        double Z_R = 0;
        for (int j = L; j < n; ++j)
            Z_R += p.Z[j];
        m_gMin[L] = (p.p_sat[L] - residualAllowance(m_planeRhs[L]) - Pn - COLD_SURFACE_TOLERANCE) / Z_R;
        m_gMax[L] = (P0 - p.p_sat[L] + residualAllowance(m_planeRhs[L])) / m_S[L];

        m_rightFails[L] = false;
        double Zk = 0;
        for (int k = n - 1; k > L; --k) {
            Zk += p.Z[k];
            m_rightFails[L] = m_rightFails[L] || Pn - COLD_SURFACE_TOLERANCE + Zk * m_gMin[L] - p.p_sat[k] > excess;
        }
        m_leftFails[L] = false;
        for (int k = 1; k < L; ++k)
            m_leftFails[L] = m_leftFails[L] || P0 - m_gMax[L] * m_S[k] - p.p_sat[k] > excess;
    }
    for (int L = 1; L < n; ++L) {
        for (int b = 1; b <= L; ++b) {
            const double atPlane = p.p_sat[b] - residualAllowance(m_planeRhs[b]);
            std::uint8_t violator = 0;
            double Zkb = 0;
            for (int k = b - 1; k >= 1 && violator == 0; --k) {
                Zkb += p.Z[k];
                if (atPlane + Zkb * m_gMin[L] - p.p_sat[k] > excess)
                    violator = std::uint8_t(k);
            }
            m_violatorLeftOf[b][L] = violator;
        }
    }
}

// Returns 0 when c may be valid. Otherwise c is ruled out, and so is every combination up to the returned
// one: a bound that fails for the planes at interfaces >= v fails for every combination that has the same
// planes there, and these follow c up to the next multiple of 2^(v-1).
std::uint32_t PlaneSearch::ruledOutUntil(std::uint32_t c) const {
    if (!m_boundsValid)
        return 0;
    const int last = highestPlane(c);
    if (m_rightFails[last])
        return std::uint32_t(1) << last;
    // from the highest plane down: the first failing pair has the highest violating interface
    for (std::uint32_t bits = c; bits != 0;) {
        const int b = highestPlane(bits);
        bits &= ~(std::uint32_t(1) << (b - 1));
        const int a = bits != 0 ? highestPlane(bits) : 0;
        const int v = m_violatorLeftOf[b][last];
        if (v > a)
            return ((c >> (v - 1)) + 1) << (v - 1);
    }
    const int first = lowestPlane(c);
    if (m_leftFails[first] ||
        m_gMin[last] - m_gMax[first] > 1e-12 * (std::fabs(m_gMin[last]) + std::fabs(m_gMax[first])))
        return c + 1;
    return 0;
}

// Up to ExhaustiveLayers layers: the remembered combination first; if it fails, every combination from 1
// upwards, unless the remembered one was the highest. Combinations ruled out by the bounds are rejected
// without solving; the highest one is always solved, since its failure decides the messages.
PlaneSearch::Outcome PlaneSearch::searchInOrder(int &lastCombination) {
    if (lastCombination != -1) {
        const std::uint32_t last = std::uint32_t(lastCombination);
        const Trial trial = (last != m_end - 1 && ruledOutUntil(last) != 0) ? Rejected : tryCombination(last);
        if (trial == Valid)
            return Found;
        if (trial == SolverFailedOnLast)
            return Unsolvable;
        lastCombination = -1;
        if (last == m_end - 1)
            return NotFound;
    }
    for (std::uint32_t c = 1; c < m_end;) {
        ++m_visits;
        const std::uint32_t skipTo = c != m_end - 1 ? ruledOutUntil(c) : 0;
        if (skipTo != 0) {
            c = std::min(skipTo, m_end - 1);
            continue;
        }
        const Trial trial = tryCombination(c);
        if (trial == Valid) {
            lastCombination = int(c);
            return Found;
        }
        if (trial == SolverFailedOnLast)
            return Unsolvable;
        ++c;
    }
    return NotFound;
}

// Longer constructions: the exhaustive search would try up to 2^30 - 1 combinations per pass, far too
// many for a calculation that runs after every edit. The planes are nearly always where the vapour
// pressure exceeds saturation, or next to the planes of the previous pass. So the search starts from the
// remembered combination and from the interfaces where the straight vapour pressure line lies above
// saturation, and repairs each failed start a few times: planes whose solution is negative are dropped,
// interfaces where the trial pressure exceeds saturation are added. Then it goes on in ascending order and
// stops when the solver work reaches MaxWork or MaxVisits combinations were looked at. When more than one
// combination is valid it may find another one than the ascending order would.
PlaneSearch::Outcome PlaneSearch::searchBounded(int &lastCombination) {
    const std::uint32_t remembered = lastCombination != -1 ? std::uint32_t(lastCombination) : 0;
    lastCombination = -1;
    m_started.clear();
    for (std::uint32_t start : {remembered, supersaturatedCombination()}) {
        const std::uint32_t found = repairFrom(start);
        if (found != 0) {
            lastCombination = int(found);
            return Found;
        }
    }
    for (std::uint32_t c = 1; c < m_end;) {
        if (m_work >= MaxWork || m_visits >= MaxVisits)
            return BoundReached;
        ++m_visits;
        const std::uint32_t skipTo = c != m_end - 1 ? ruledOutUntil(c) : 0;
        if (skipTo != 0) {
            c = std::min(skipTo, m_end - 1);
            continue;
        }
        // the highest combination is solved again: its failure decides the message, as in the exhaustive search
        const bool tried = c != m_end - 1 && std::find(m_started.begin(), m_started.end(), c) != m_started.end();
        const Trial trial = tried ? Rejected : tryCombination(c);
        if (trial == Valid) {
            lastCombination = int(c);
            return Found;
        }
        if (trial == SolverFailedOnLast)
            return Unsolvable;
        ++c;
    }
    return NotFound;
}

std::uint32_t PlaneSearch::repairFrom(std::uint32_t c) {
    for (int step = 0; step < m_n && c != 0 && c < m_end; ++step) {
        if (std::find(m_started.begin(), m_started.end(), c) != m_started.end())
            return 0;
        m_started.push_back(c);
        const Trial trial = tryCombination(c);
        if (trial == Valid)
            return c;
        if (!m_solved)
            return 0;
        c = repaired(c);
    }
    return 0;
}

std::uint32_t PlaneSearch::repaired(std::uint32_t c) {
    computeTrialPressures();
    std::size_t plane = 0;
    for (int k = 1; k < m_n; ++k) {
        const std::uint32_t bit = std::uint32_t(1) << (k - 1);
        if (m_planes[k]) {
            ++plane;
            if (m_x[plane] < 0)
                c &= ~bit;
        }
        else if (m_trialP[k] > m_pass->p_sat[k]) {
            c |= bit;
        }
    }
    return c;
}

std::uint32_t PlaneSearch::supersaturatedCombination() const {
    std::uint32_t c = 0;
    for (int k = 1; k < m_n; ++k) {
        if (m_pass->p[k] > m_pass->p_sat[k])
            c |= std::uint32_t(1) << (k - 1);
    }
    return c;
}

PlaneSearch::Trial PlaneSearch::tryCombination(std::uint32_t c) {
    m_missedColdSurface = false;
    const int m = setPlanes(c) + 1;
    assemble(m);
    ++m_solves;
    m_work += double(m) * m * m + double(m_n) * m;
    m_solved = false;
    try {
        m_solved = m_solver.solve(m_A, m_b, m_x, SOLVER_TOLERANCE);
    }
    catch (...) {
        // an undecomposable matrix is a failed solve of this combination
        m_solved = false;
    }
    if (!m_solved)
        return c == m_end - 1 ? SolverFailedOnLast : Rejected;
    for (int i = 1; i < m; ++i) {
        if (m_x[std::size_t(i)] < 0)
            return Rejected;
    }
    return checkTrialPressures() ? Valid : Rejected;
}

int PlaneSearch::setPlanes(std::uint32_t c) {
    m_planes.fill(false);
    int planes = 0;
    for (int i = 1; i < m_n; ++i) {
        m_planes[i] = ((c >> (i - 1)) & 1) != 0;
        if (m_planes[i])
            ++planes;
    }
    return planes;
}

// Row r: the vapour pressure drop from the warm surface to plane r+1 (last row: to the cold surface)
// is the sum over the layers before it of Z times the local flux g + x_right/(2 R_liq) - x_left/(2 R_liq kappa^2).
void PlaneSearch::assemble(int m) {
    m_A.resize(m, m);
    m_b.assign(std::size_t(m), 0.0);
    int row = 0;
    for (int j = 0; j < m_n; ++j) {
        if (m_planes[j]) {
            m_A(row, 0) = m_S[j];
            m_b[std::size_t(row)] = m_planeRhs[j];
            ++row;
        }
        if (m_planes[j + 1]) {
            for (int i = row; i < m; ++i)
                m_A(i, row + 1) += m_liquidRight[j];
        }
        if (m_planes[j]) {
            for (int i = row; i < m; ++i)
                m_A(i, row) -= m_liquidLeft[j];
        }
    }
    m_A(m - 1, 0) = m_S[m_n];
    m_b[std::size_t(m) - 1] = m_pass->p_i - m_pass->p_e;
}

bool PlaneSearch::checkTrialPressures() {
    const Pass &p = *m_pass;
    computeTrialPressures();
    // written so that a NaN pressure fails the test
    if (!(std::fabs(m_trialP[m_n] - p.p[m_n]) <= COLD_SURFACE_TOLERANCE)) {
        m_missedColdSurface = true;
        return false;
    }
    for (int k = 1; k < m_n; ++k) {
        if (!m_planes[k] && p.p_sat[k] - m_trialP[k] < -SATURATION_TOLERANCE)
            return false;
    }
    return true;
}

void PlaneSearch::computeTrialPressures() {
    const Pass &p = *m_pass;
    const double g = m_x[0];
    m_trialP[0] = p.p[0];
    std::size_t plane = 0; // solution index of the plane at interface k-1 (0: none so far)
    for (int k = 1; k <= m_n; ++k) {
        const int j = k - 1;
        double P = m_trialP[j] - p.Z[j] * g;
        if (m_planes[j])
            P += p.Z[j] * m_x[plane] / m_denLeft[j];
        if (m_planes[k])
            P -= p.Z[j] * m_x[plane + 1] / m_denRight[j];
        if (m_planes[k])
            ++plane;
        m_trialP[k] = P;
    }
}
