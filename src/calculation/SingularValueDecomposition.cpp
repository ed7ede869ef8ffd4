#include "SingularValueDecomposition.h"

#include <algorithm>
#include <cmath>

#include <ZOT_Exception.h>

namespace {

/*! |a| with the sign of b, where b = 0 (also −0) counts as positive. */
double withSignOf(double a, double b) {
    return b >= 0.0 ? std::fabs(a) : -std::fabs(a);
}

/*! Applies the plane rotation (c, s) to columns p and q of M. */
void rotateColumns(DenseMatrix &M, int p, int q, double c, double s) {
    for (int r = 0; r < M.rows(); ++r) {
        const double y = M(r, p);
        const double z = M(r, q);
        M(r, p) = y * c + z * s;
        M(r, q) = z * c - y * s;
    }
}

} // namespace

constexpr double SingularValueDecomposition::eps;

SingularValueDecomposition::SingularValueDecomposition(const DenseMatrix &A) {
    decompose(A);
}

void SingularValueDecomposition::decompose(const DenseMatrix &A) {
    m_m = A.rows();
    m_n = A.cols();
    m_u = A;
    m_v.resize(m_n, m_n);
    m_w.assign(std::size_t(m_n), 0.0);
    m_rv1.assign(std::size_t(m_n), 0.0);
    const double anorm = bidiagonalize();
    accumulateRightTransformations();
    accumulateLeftTransformations();
    diagonalize(anorm);
    reorder();
    orientColumns();
    m_tsh = m_n > 0 ? 0.5 * std::sqrt(m_m + m_n + 1.0) * m_w[0] * eps : 0.0;
}

// Householder reduction to bidiagonal form: diagonal in w, superdiagonal in rv1[1..n-1]. Returns the
// norm estimate max(|w_i| + |rv1_i|) that scales the negligibility tests of the QR iteration.
double SingularValueDecomposition::bidiagonalize() {
    double anorm = 0.0;
    double superdiagonal = 0.0;
    for (int i = 0; i < m_n; ++i) {
        m_rv1[i] = superdiagonal;
        m_w[i] = householderColumn(i);
        superdiagonal = householderRow(i);
        anorm = std::max(anorm, std::fabs(m_w[i]) + std::fabs(m_rv1[i]));
    }
    return anorm;
}

// Left transformation zeroing column i below the diagonal; returns the new diagonal element.
double SingularValueDecomposition::householderColumn(int i) {
    if (i >= m_m)
        return 0.0;
    double scale = 0.0;
    for (int k = i; k < m_m; ++k)
        scale += std::fabs(m_u(k, i));
    if (scale == 0.0)
        return 0.0;
    double s = 0.0;
    for (int k = i; k < m_m; ++k) {
        m_u(k, i) /= scale;
        s += m_u(k, i) * m_u(k, i);
    }
    const double f = m_u(i, i);
    const double g = -withSignOf(std::sqrt(s), f);
    const double h = f * g - s;
    m_u(i, i) = f - g;
    for (int j = i + 1; j < m_n; ++j) {
        double sum = 0.0;
        for (int k = i; k < m_m; ++k)
            sum += m_u(k, i) * m_u(k, j);
        const double factor = sum / h;
        for (int k = i; k < m_m; ++k)
            m_u(k, j) += factor * m_u(k, i);
    }
    for (int k = i; k < m_m; ++k)
        m_u(k, i) *= scale;
    return scale * g;
}

// Right transformation zeroing row i right of the superdiagonal; returns the new superdiagonal element.
// rv1[i+1..n-1] serves as scratch space until the next column step overwrites it.
double SingularValueDecomposition::householderRow(int i) {
    const int l = i + 1;
    if (l > m_m || l == m_n)
        return 0.0;
    double scale = 0.0;
    for (int k = l; k < m_n; ++k)
        scale += std::fabs(m_u(i, k));
    if (scale == 0.0)
        return 0.0;
    double s = 0.0;
    for (int k = l; k < m_n; ++k) {
        m_u(i, k) /= scale;
        s += m_u(i, k) * m_u(i, k);
    }
    const double f = m_u(i, l);
    const double g = -withSignOf(std::sqrt(s), f);
    const double h = f * g - s;
    m_u(i, l) = f - g;
    for (int k = l; k < m_n; ++k)
        m_rv1[k] = m_u(i, k) / h;
    for (int j = l; j < m_m; ++j) {
        double sum = 0.0;
        for (int k = l; k < m_n; ++k)
            sum += m_u(j, k) * m_u(i, k);
        for (int k = l; k < m_n; ++k)
            m_u(j, k) += sum * m_rv1[k];
    }
    for (int k = l; k < m_n; ++k)
        m_u(i, k) *= scale;
    return scale * g;
}

// Builds V from the right Householder vectors stored in the rows of u.
void SingularValueDecomposition::accumulateRightTransformations() {
    for (int i = m_n - 1; i >= 0; --i) {
        const int l = i + 1;
        if (l < m_n) {
            const double g = m_rv1[l];
            if (g != 0.0) {
                for (int j = l; j < m_n; ++j)
                    m_v(j, i) = (m_u(i, j) / m_u(i, l)) / g; // double division avoids underflow
                for (int j = l; j < m_n; ++j) {
                    double s = 0.0;
                    for (int k = l; k < m_n; ++k)
                        s += m_u(i, k) * m_v(k, j);
                    for (int k = l; k < m_n; ++k)
                        m_v(k, j) += s * m_v(k, i);
                }
            }
            for (int j = l; j < m_n; ++j) {
                m_v(i, j) = 0.0;
                m_v(j, i) = 0.0;
            }
        }
        m_v(i, i) = 1.0;
    }
}

// Builds U in place from the left Householder vectors stored in the columns of u.
void SingularValueDecomposition::accumulateLeftTransformations() {
    for (int i = std::min(m_m, m_n) - 1; i >= 0; --i) {
        const int l = i + 1;
        for (int j = l; j < m_n; ++j)
            m_u(i, j) = 0.0;
        if (m_w[i] != 0.0) {
            const double g = 1.0 / m_w[i];
            for (int j = l; j < m_n; ++j) {
                double s = 0.0;
                for (int k = l; k < m_m; ++k)
                    s += m_u(k, i) * m_u(k, j);
                const double f = (s / m_u(i, i)) * g;
                for (int k = i; k < m_m; ++k)
                    m_u(k, j) += f * m_u(k, i);
            }
            for (int j = i; j < m_m; ++j)
                m_u(j, i) *= g;
        }
        else {
            for (int j = i; j < m_m; ++j)
                m_u(j, i) = 0.0;
        }
        m_u(i, i) += 1.0;
    }
}

// Diagonalises the bidiagonal form by implicit-shift QR, one singular value at a time from the last.
void SingularValueDecomposition::diagonalize(double anorm) {
    for (int k = m_n - 1; k >= 0; --k) {
        for (int its = 0; its < 30; ++its) {
            bool cancel = false;
            const int l = splitPoint(k, anorm, cancel);
            if (cancel)
                cancelSuperdiagonal(l, k, anorm);
            if (l == k) {
                if (m_w[k] < 0.0) { // singular values are made non-negative
                    m_w[k] = -m_w[k];
                    for (int j = 0; j < m_n; ++j)
                        m_v(j, k) = -m_v(j, k);
                }
                break;
            }
            if (its == 29)
                throw ZOT::Exception("no convergence in 30 svdcmp iterations",
                                     "[SingularValueDecomposition::constructor]");
            qrStep(l, k);
        }
    }
}

// Start l of the unreduced block ending at k: rv1[l] is negligible (or l = 0). cancel is set when
// w[l-1] is negligible instead, so that rv1[l] must first be rotated away.
int SingularValueDecomposition::splitPoint(int k, double anorm, bool &cancel) const {
    int l = k;
    for (; l > 0; --l) {
        if (std::fabs(m_rv1[l]) <= eps * anorm)
            break;
        if (std::fabs(m_w[l - 1]) <= eps * anorm) {
            cancel = true;
            break;
        }
    }
    return l;
}

void SingularValueDecomposition::cancelSuperdiagonal(int l, int k, double anorm) {
    const int nm = l - 1;
    double c = 0.0;
    double s = 1.0;
    for (int i = l; i <= k; ++i) {
        const double f = s * m_rv1[i];
        m_rv1[i] = c * m_rv1[i];
        if (std::fabs(f) <= eps * anorm)
            break;
        const double g = m_w[i];
        const double h = std::hypot(f, g);
        m_w[i] = h;
        c = g / h;
        s = -f / h;
        rotateColumns(m_u, nm, i, c, s);
    }
}

// One QR sweep over the block l..k with the shift taken from the trailing 2×2 minor.
void SingularValueDecomposition::qrStep(int l, int k) {
    const int nm = k - 1;
    double x = m_w[l];
    double y = m_w[nm];
    double z = m_w[k];
    double g = m_rv1[nm];
    double h = m_rv1[k];
    double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
    g = std::hypot(f, 1.0);
    f = ((x - z) * (x + z) + h * ((y / (f + withSignOf(g, f))) - h)) / x;
    double c = 1.0;
    double s = 1.0;
    for (int j = l; j <= nm; ++j) {
        const int i = j + 1;
        g = m_rv1[i];
        y = m_w[i];
        h = s * g;
        g = c * g;
        z = std::hypot(f, h);
        m_rv1[j] = z;
        c = f / z;
        s = h / z;
        f = x * c + g * s;
        g = g * c - x * s;
        h = y * s;
        y *= c;
        rotateColumns(m_v, j, i, c, s);
        z = std::hypot(f, h);
        m_w[j] = z;
        if (z != 0.0) { // rotation can be arbitrary when z = 0
            c = f / z;
            s = h / z;
        }
        f = c * g + s * y;
        x = c * y - s * g;
        rotateColumns(m_u, j, i, c, s);
    }
    m_rv1[l] = 0.0;
    m_rv1[k] = f;
    m_w[k] = x;
}

// Insertion sort into descending singular values, moving the columns of u and v along.
void SingularValueDecomposition::reorder() {
    m_tmp.resize(std::size_t(m_m + m_n));
    for (int i = 1; i < m_n; ++i) {
        const double wi = m_w[i];
        for (int r = 0; r < m_m; ++r)
            m_tmp[r] = m_u(r, i);
        for (int r = 0; r < m_n; ++r)
            m_tmp[m_m + r] = m_v(r, i);
        int j = i;
        for (; j > 0 && m_w[j - 1] < wi; --j)
            moveColumn(j - 1, j);
        m_w[j] = wi;
        for (int r = 0; r < m_m; ++r)
            m_u(r, j) = m_tmp[r];
        for (int r = 0; r < m_n; ++r)
            m_v(r, j) = m_tmp[m_m + r];
    }
}

void SingularValueDecomposition::moveColumn(int from, int to) {
    m_w[to] = m_w[from];
    for (int r = 0; r < m_m; ++r)
        m_u(r, to) = m_u(r, from);
    for (int r = 0; r < m_n; ++r)
        m_v(r, to) = m_v(r, from);
}

// The decomposition is unique only up to the sign of each column pair; flip a pair when more than half
// of its elements are negative, so that results are reproducible.
void SingularValueDecomposition::orientColumns() {
    for (int k = 0; k < m_n; ++k) {
        int negatives = 0;
        for (int r = 0; r < m_m; ++r)
            negatives += m_u(r, k) < 0.0 ? 1 : 0;
        for (int r = 0; r < m_n; ++r)
            negatives += m_v(r, k) < 0.0 ? 1 : 0;
        if (negatives > (m_m + m_n) / 2) {
            for (int r = 0; r < m_m; ++r)
                m_u(r, k) = -m_u(r, k);
            for (int r = 0; r < m_n; ++r)
                m_v(r, k) = -m_v(r, k);
        }
    }
}

void SingularValueDecomposition::solve(const std::vector<double> &b, std::vector<double> &x, double thresh) {
    if (b.size() != std::size_t(m_m) || m_m <= 1)
        throw ZOT::Exception("SingularValueDecomposition::solve bad size", "[SingularValueDecomposition<T>::solve]");
    const double threshold = thresh >= 0.0 ? thresh : m_tsh;
    m_tmp.resize(std::size_t(m_n));
    for (int j = 0; j < m_n; ++j) {
        double s = 0.0;
        if (m_w[j] > threshold) {
            for (int i = 0; i < m_m; ++i)
                s += m_u(i, j) * b[i];
            s /= m_w[j];
        }
        m_tmp[j] = s;
    }
    x.resize(std::size_t(m_n));
    for (int j = 0; j < m_n; ++j) {
        double s = 0.0;
        for (int jj = 0; jj < m_n; ++jj)
            s += m_v(j, jj) * m_tmp[jj];
        x[j] = s;
    }
}
