#ifndef LinearSystemSolverH
#define LinearSystemSolverH

// Solver for the small dense systems A·x = b of the plane-combination search: LU decomposition with
// iterative refinement, and a singular value decomposition as fallback when refinement does not reach
// the required accuracy. A solver object keeps its decompositions and work vectors, so repeated solves
// of systems up to the same size do not allocate.

#include <vector>

#include "DenseMatrix.h"
#include "LUdecomp.h"
#include "SingularValueDecomposition.h"

class LinearSystemSolver {
public:
    /*! Largest number of refinement steps before the SVD fallback. */
    static const int MaxRefinementSteps = 100;
    /*! From this refinement step on the tolerance is relaxed by a factor of 10 per step ... */
    static const int FirstRelaxedStep = 21;
    /*! ... until it has reached this value. */
    static constexpr double RelaxedToleranceLimit = 1e-6;

    /*! Solves the square system A·x = b (x is resized to the size of b) and returns true when every row
        meets residualOk with \a tolerance, or with the relaxed tolerance after long refinement.
        Returns false for inaccurate or NaN solutions. Throws ZOT::Exception for a matrix with a zero row
        and when the fallback decomposition does not converge. */
    bool solve(const DenseMatrix &A, const std::vector<double> &b, std::vector<double> &x, double tolerance);

    /*! Refinement steps done by the last solve (0: the first LU solution was accepted or rejected). */
    int refinementSteps() const { return m_steps; }
    /*! Tolerance in force at the end of the last solve. */
    double tolerance() const { return m_tolerance; }
    /*! True if the last solve fell back to the singular value decomposition. */
    bool usedSvd() const { return m_usedSvd; }

private:
    bool refine(const DenseMatrix &A, const std::vector<double> &b, std::vector<double> &x);

    LUdecomp m_lu;
    SingularValueDecomposition m_svd;
    int m_steps = 0;
    double m_tolerance = 0.0;
    bool m_usedSvd = false;
};

/*! Tolerance for refinement step \a step (counted from 1), given the tolerance of the step before. */
double relaxedTolerance(double tolerance, int step);

/*! Accepts x as solution of A·x = b if no x_j is NaN and every row's relative residual
    |(s_i − b_i)/s_i| with s_i = Σ_j A_ij·x_j is finite and at most \a tolerance. */
bool residualOk(const DenseMatrix &A, const std::vector<double> &b, const std::vector<double> &x, double tolerance);

/*! Solves A·x = b with a temporary LinearSystemSolver; see LinearSystemSolver::solve. */
bool solveLinearSystem(const DenseMatrix &A, const std::vector<double> &b, std::vector<double> &x, double tolerance);

#endif // LinearSystemSolverH
