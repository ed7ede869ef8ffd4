#ifndef LUdecompH
#define LUdecompH

// LU decomposition (Crout, implicit partial pivoting) of a square matrix, with forward/back substitution
// and one-step iterative improvement. Used by solveLinearSystem; an object can be reused for further
// matrices without allocating as long as their size does not grow.

#include <vector>

#include "DenseMatrix.h"

class LUdecomp {
public:
    LUdecomp() = default;
    /*! Decomposes A; A must stay alive and unchanged while improve() is used. */
    explicit LUdecomp(const DenseMatrix &A);

    /*! Decomposes the square matrix A; throws ZOT::Exception if a row of A is all zeros.
        A zero pivot is replaced by 1e-40 so that nearly singular systems still yield a (refinable) solution. */
    void decompose(const DenseMatrix &A);

    /*! Solves A·x = b; b and x must have size n (b and x may be the same vector). */
    void solve(const std::vector<double> &b, std::vector<double> &x) const;

    /*! One step of iterative improvement of x: r = A·x − b, LU·δ = r, x = x − δ. */
    void improve(const std::vector<double> &b, std::vector<double> &x);

    int n() const { return m_n; }
    /*! +1 or −1 for an even or odd number of row interchanges. */
    double parity() const { return m_d; }
    /*! Row interchanged with row i in step i of the decomposition. */
    const std::vector<int> &permutation() const { return m_indx; }
    /*! L (below the diagonal, unit diagonal implied) and U (on and above it) of the row-permuted matrix. */
    const DenseMatrix &lu() const { return m_lu; }

private:
    void computeRowScales();
    void eliminateColumn(int j);

    int m_n = 0;
    DenseMatrix m_lu;
    std::vector<int> m_indx;
    double m_d = 1.0;
    const DenseMatrix *m_A = nullptr;
    std::vector<double> m_scale;
    std::vector<double> m_r;
};

#endif // LUdecompH
