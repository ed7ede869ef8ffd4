#ifndef SingularValueDecompositionH
#define SingularValueDecompositionH

// Singular value decomposition A = U·diag(w)·Vᵀ of an m×n matrix (Householder bidiagonalisation and
// implicit-shift QR), and the least-squares solve that ignores singular values below a threshold.
// solveLinearSystem falls back to it when the refined LU solution is not accurate enough.

#include <vector>

#include "DenseMatrix.h"

class SingularValueDecomposition {
public:
    /*! Machine epsilon of double, the scale of the convergence tests and of the default threshold. */
    static constexpr double eps = 2.220446049250313e-16;

    SingularValueDecomposition() = default;
    explicit SingularValueDecomposition(const DenseMatrix &A);

    /*! Decomposes A. The singular values end up in descending order; each column pair of u and v is
        oriented so that most of its elements are positive. Throws ZOT::Exception if the QR iteration for
        one singular value does not converge within 30 passes. */
    void decompose(const DenseMatrix &A);

    /*! x = V·diag(1/w_j)·Uᵀ·b, where 1/w_j is taken as 0 for w_j <= thresh; a negative thresh selects the
        default threshold. b must have size m and m must exceed 1; x is resized to n. */
    void solve(const std::vector<double> &b, std::vector<double> &x, double thresh = -1.0);

    const DenseMatrix &u() const { return m_u; }
    const DenseMatrix &v() const { return m_v; }
    const std::vector<double> &w() const { return m_w; }
    /*! Default threshold 0.5·√(m+n+1)·w_0·eps. */
    double defaultThreshold() const { return m_tsh; }

private:
    double bidiagonalize();
    double householderColumn(int i);
    double householderRow(int i);
    void accumulateRightTransformations();
    void accumulateLeftTransformations();
    void diagonalize(double anorm);
    int splitPoint(int k, double anorm, bool &cancel) const;
    void cancelSuperdiagonal(int l, int k, double anorm);
    void qrStep(int l, int k);
    void reorder();
    void moveColumn(int from, int to);
    void orientColumns();

    int m_m = 0;
    int m_n = 0;
    DenseMatrix m_u;
    DenseMatrix m_v;
    std::vector<double> m_w;
    std::vector<double> m_rv1;
    std::vector<double> m_tmp;
    double m_tsh = 0.0;
};

#endif // SingularValueDecompositionH
