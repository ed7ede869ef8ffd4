#include "BaselineCalculation.h"

#include <calculation/DenseMatrix.h>
#include <calculation/LinearSystemSolver.h>

#include <cmath>

int BaselineCalculation::findPlaneCombination() {
    const int n = int(results().Z_moist.size());
    const long long end = 1LL << (n - 1);
    long long c = m_lastCombination != -1 ? m_lastCombination : 1;
    for (;;) {
        const Trial trial = tryCombination(c);
        if (trial == Valid) {
            m_lastCombination = int(c);
            return 0;
        }
        if (trial == Unsolvable)
            return RC_CalculationError;
        ++c;
        if (c >= end)
            break;
        if (m_lastCombination != -1) {
            c = 1;
            m_lastCombination = -1;
        }
    }
    workingMessages() << QStringLiteral("Could not find valid combination of k-planes! Algorithm error!");
    return RC_CalculationError;
}

BaselineCalculation::Trial BaselineCalculation::tryCombination(long long combination) {
    const CalculationResults &r = results();
    const int n = int(r.Z_moist.size());
    workingMessages().clear();
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
            b[std::size_t(row)] = m_climate.p_i - r.p_sat_moist[uj];
            ++row;
        }
        S += r.Z_moist[uj];
        if (planes[uj + 1]) {
            for (int i = row; i < m; ++i)
                A(i, row + 1) += r.Z_moist[uj] / (2 * r.R_liquid[uj]);
        }
        if (planes[uj]) {
            for (int i = row; i < m; ++i)
                A(i, row) -= r.Z_moist[uj] / (2 * r.R_liquid[uj] * (m_kappa[uj] * m_kappa[uj]));
        }
    }
    A(m - 1, 0) = S;
    b[std::size_t(m) - 1] = m_climate.p_i - m_climate.p_e;

    std::vector<double> x;
    bool solved = false;
    try {
        solved = solveLinearSystem(A, b, x, 1e-10);
    }
    catch (...) {
        solved = false;
    }
    if (!solved) {
        if (combination == (1LL << (n - 1)) - 1) {
            workingMessages() << QStringLiteral("No Solution found!");
            return Unsolvable;
        }
        return Rejected;
    }
    for (int c = 1; c < m; ++c) {
        if (x[std::size_t(c)] < 0)
            return Rejected;
    }

    std::vector<double> P(std::size_t(n) + 1, 0.0);
    P[0] = r.p_moist[0];
    std::size_t plane = 0;
    for (std::size_t k = 1; k <= std::size_t(n); ++k) {
        const std::size_t j = k - 1;
        double p = P[j] - r.Z_moist[j] * x[0];
        if (planes[j])
            p += r.Z_moist[j] * x[plane] / (2 * r.R_liquid[j] * (m_kappa[j] * m_kappa[j]));
        if (planes[k]) {
            p -= r.Z_moist[j] * x[plane + 1] / (2 * r.R_liquid[j]);
            ++plane;
        }
        P[k] = p;
    }
    if (!(std::fabs(P[std::size_t(n)] - r.p_moist[std::size_t(n)]) <= 0.001)) {
        workingMessages() << QStringLiteral("pv_e not correctly calculated! Algorithm error!");
        return Rejected;
    }
    for (std::size_t k = 1; k < std::size_t(n); ++k) {
        if (!planes[k] && r.p_sat_moist[k] - P[k] < -1e-8)
            return Rejected;
    }
    m_planes = planes;
    m_x = x;
    m_trialP = P;
    return Valid;
}
