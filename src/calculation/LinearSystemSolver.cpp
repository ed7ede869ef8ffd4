#include "LinearSystemSolver.h"

#include <cmath>

const int LinearSystemSolver::MaxRefinementSteps;
const int LinearSystemSolver::FirstRelaxedStep;
constexpr double LinearSystemSolver::RelaxedToleranceLimit;

namespace {

bool containsNaN(const std::vector<double> &x) {
    for (double v : x)
        if (std::isnan(v))
            return true;
    return false;
}

} // namespace

bool LinearSystemSolver::solve(const DenseMatrix &A, const std::vector<double> &b, std::vector<double> &x,
                               double tolerance) {
    m_steps = 0;
    m_tolerance = tolerance;
    m_usedSvd = false;
    m_lu.decompose(A);
    x.resize(b.size());
    m_lu.solve(b, x);
    if (residualOk(A, b, x, m_tolerance))
        return true;
    if (containsNaN(x))
        return false;
    if (refine(A, b, x))
        return true;
    m_usedSvd = true;
    m_svd.decompose(A);
    m_svd.solve(b, x, -1.0);
    return residualOk(A, b, x, m_tolerance);
}

// Iterative improvement; a solution that only becomes acceptable in the last step still goes on to the
// decomposition fallback, which is checked against the same (relaxed) tolerance.
bool LinearSystemSolver::refine(const DenseMatrix &A, const std::vector<double> &b, std::vector<double> &x) {
    for (m_steps = 1;; ++m_steps) {
        m_lu.improve(b, x);
        m_tolerance = relaxedTolerance(m_tolerance, m_steps);
        const bool ok = residualOk(A, b, x, m_tolerance);
        if (m_steps >= MaxRefinementSteps)
            return false;
        if (ok)
            return true;
    }
}

double relaxedTolerance(double tolerance, int step) {
    if (step >= LinearSystemSolver::FirstRelaxedStep && tolerance < LinearSystemSolver::RelaxedToleranceLimit)
        return tolerance * 10.0;
    return tolerance;
}

bool residualOk(const DenseMatrix &A, const std::vector<double> &b, const std::vector<double> &x, double tolerance) {
    if (containsNaN(x))
        return false;
    const int n = int(x.size());
    for (int i = 0; i < A.rows(); ++i) {
        const double *a = A.row(i);
        double s = 0.0;
        for (int j = 0; j < n; ++j)
            s += a[j] * x[j];
        // A row with A·x = 0 gives NaN or infinity, which must not count as accurate.
        const double relative = std::fabs((s - b[i]) / s);
        if (!std::isfinite(relative) || relative > tolerance)
            return false;
    }
    return true;
}

bool solveLinearSystem(const DenseMatrix &A, const std::vector<double> &b, std::vector<double> &x, double tolerance) {
    LinearSystemSolver solver;
    return solver.solve(A, b, x, tolerance);
}
