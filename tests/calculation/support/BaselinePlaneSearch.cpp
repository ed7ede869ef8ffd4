#include "BaselinePlaneSearch.h"

#include <calculation/DenseMatrix.h>
#include <calculation/LinearSystemSolver.h>

#include <cmath>

PlaneSearchStrategy::Outcome BaselinePlaneSearch::find(const Pass &pass, int &lastCombination) {
    const long long end = 1LL << (pass.n - 1);
    long long c = lastCombination != -1 ? lastCombination : 1;
    for (;;) {
        const Trial trial = tryCombination(pass, c);
        if (trial == Valid) {
            lastCombination = int(c);
            return Found;
        }
        if (trial == Unsolvable)
            return PlaneSearchStrategy::Unsolvable;
        ++c;
        if (c >= end)
            break;
        if (lastCombination != -1) {
            c = 1;
            lastCombination = -1;
        }
    }
    return NotFound;
}

BaselinePlaneSearch::Trial BaselinePlaneSearch::tryCombination(const Pass &p, long long combination) {
    const int n = p.n;
    m_missedColdSurface = false;
    std::vector<bool> planes(std::size_t(n) + 1, false);
    int m = 1;
    for (int i = 1; i < n; ++i) {
        planes[std::size_t(i)] = ((combination >> (i - 1)) & 1) != 0;
        if (planes[std::size_t(i)])
            ++m;
    }

    DenseMatrix A(m, m);
    std::vector<double> b(std::size_t(m), 0.0);
    double S = 0;
    int row = 0;
    for (int j = 0; j < n; ++j) {
        const std::size_t uj = std::size_t(j);
        if (planes[uj]) {
            A(row, 0) = S;
            b[std::size_t(row)] = p.p_i - p.p_sat[uj];
            ++row;
        }
        S += p.Z[uj];
        if (planes[uj + 1]) {
            for (int i = row; i < m; ++i)
                A(i, row + 1) += p.Z[uj] / (2 * p.R_liquid[uj]);
        }
        if (planes[uj]) {
            for (int i = row; i < m; ++i)
                A(i, row) -= p.Z[uj] / (2 * p.R_liquid[uj] * (p.kappa[uj] * p.kappa[uj]));
        }
    }
    A(m - 1, 0) = S;
    b[std::size_t(m) - 1] = p.p_i - p.p_e;

    std::vector<double> x;
    bool solved = false;
    try {
        solved = solveLinearSystem(A, b, x, 1e-10);
    }
    catch (...) {
        solved = false;
    }
    if (!solved)
        return combination == (1LL << (n - 1)) - 1 ? Unsolvable : Rejected;
    for (int c = 1; c < m; ++c) {
        if (x[std::size_t(c)] < 0)
            return Rejected;
    }

    std::vector<double> P(std::size_t(n) + 1, 0.0);
    P[0] = p.p[0];
    std::size_t plane = 0;
    for (std::size_t k = 1; k <= std::size_t(n); ++k) {
        const std::size_t j = k - 1;
        double pk = P[j] - p.Z[j] * x[0];
        if (planes[j])
            pk += p.Z[j] * x[plane] / (2 * p.R_liquid[j] * (p.kappa[j] * p.kappa[j]));
        if (planes[k]) {
            pk -= p.Z[j] * x[plane + 1] / (2 * p.R_liquid[j]);
            ++plane;
        }
        P[k] = pk;
    }
    if (!(std::fabs(P[std::size_t(n)] - p.p[std::size_t(n)]) <= 0.001)) {
        m_missedColdSurface = true;
        return Rejected;
    }
    for (std::size_t k = 1; k < std::size_t(n); ++k) {
        if (!planes[k] && p.p_sat[k] - P[k] < -1e-8)
            return Rejected;
    }
    m_planes = planes;
    m_x = x;
    m_trialP = P;
    return Valid;
}
