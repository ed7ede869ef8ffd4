#include "LUdecomp.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <ZOT_Exception.h>

LUdecomp::LUdecomp(const DenseMatrix &A) {
    decompose(A);
}

void LUdecomp::decompose(const DenseMatrix &A) {
    m_n = A.rows();
    m_lu = A;
    m_A = &A;
    m_d = 1.0;
    m_indx.assign(std::size_t(m_n), 0);
    computeRowScales();
    for (int j = 0; j < m_n; ++j)
        eliminateColumn(j);
}

// Implicit scaling: each row is weighed by the inverse of its largest magnitude when the pivot is chosen.
void LUdecomp::computeRowScales() {
    m_scale.resize(std::size_t(m_n));
    for (int i = 0; i < m_n; ++i) {
        double big = 0.0;
        for (int j = 0; j < m_n; ++j)
            big = std::max(big, std::fabs(m_lu(i, j)));
        if (big == 0.0)
            throw ZOT::Exception("Singular matrix in LUdecomp", "[LUdecomp::constructor]");
        m_scale[i] = 1.0 / big;
    }
}

// Crout step for column j: U entries above the diagonal, then the candidates on and below it,
// the pivot row (a later row of equal scaled size wins), the row interchange and the L entries.
void LUdecomp::eliminateColumn(int j) {
    for (int i = 0; i < j; ++i) {
        double sum = m_lu(i, j);
        for (int k = 0; k < i; ++k)
            sum -= m_lu(i, k) * m_lu(k, j);
        m_lu(i, j) = sum;
    }
    double big = 0.0;
    int imax = j; // stays j when all candidates are NaN
    for (int i = j; i < m_n; ++i) {
        double sum = m_lu(i, j);
        for (int k = 0; k < j; ++k)
            sum -= m_lu(i, k) * m_lu(k, j);
        m_lu(i, j) = sum;
        const double scaled = m_scale[i] * std::fabs(sum);
        if (scaled >= big) {
            big = scaled;
            imax = i;
        }
    }
    if (imax != j) {
        for (int k = 0; k < m_n; ++k)
            std::swap(m_lu(imax, k), m_lu(j, k));
        m_d = -m_d;
        m_scale[imax] = m_scale[j];
    }
    m_indx[j] = imax;
    if (m_lu(j, j) == 0.0)
        m_lu(j, j) = 1e-40;
    const double inversePivot = 1.0 / m_lu(j, j);
    for (int i = j + 1; i < m_n; ++i)
        m_lu(i, j) *= inversePivot;
}

void LUdecomp::solve(const std::vector<double> &b, std::vector<double> &x) const {
    const std::size_t n = std::size_t(m_n);
    if (b.size() != n || x.size() != n)
        throw ZOT::Exception("LUdecomp::solve bad size", "[LUdecomp<T>::solve]");
    if (&x != &b)
        x = b;
    // Forward substitution; ii is one past the first non-zero element of the permuted b (0: none yet),
    // so leading zeros cost no multiplications.
    int ii = 0;
    for (int i = 0; i < m_n; ++i) {
        const int ip = m_indx[i];
        double sum = x[ip];
        x[ip] = x[i];
        if (ii != 0) {
            for (int j = ii - 1; j < i; ++j)
                sum -= m_lu(i, j) * x[j];
        }
        else if (sum != 0.0) {
            ii = i + 1;
        }
        x[i] = sum;
    }
    for (int i = m_n - 1; i >= 0; --i) {
        double sum = x[i];
        for (int j = i + 1; j < m_n; ++j)
            sum -= m_lu(i, j) * x[j];
        x[i] = sum / m_lu(i, i);
    }
}

void LUdecomp::improve(const std::vector<double> &b, std::vector<double> &x) {
    const std::size_t n = std::size_t(m_n);
    if (b.size() != n || x.size() != n)
        throw ZOT::Exception("LUdecomp::solve bad size", "[LUdecomp<T>::solve]");
    m_r.resize(n);
    for (int i = 0; i < m_n; ++i) {
        const double *a = m_A->row(i);
        double sdp = -b[i];
        for (int j = 0; j < m_n; ++j)
            sdp += a[j] * x[j];
        m_r[i] = sdp;
    }
    solve(m_r, m_r);
    for (std::size_t i = 0; i < n; ++i)
        x[i] -= m_r[i];
}
