#include "BlockTridiagonal.h"

#include <cmath>

namespace {

bool invert(const Block2 &m, Block2 &inverse) {
    const double det = m.a * m.d - m.b * m.c;
    if (det == 0 || !std::isfinite(det))
        return false;
    inverse = {m.d / det, -m.b / det, -m.c / det, m.a / det};
    return true;
}

Block2 product(const Block2 &x, const Block2 &y) {
    return {x.a * y.a + x.b * y.c, x.a * y.b + x.b * y.d, x.c * y.a + x.d * y.c, x.c * y.b + x.d * y.d};
}

} // namespace

void BlockTridiagonal::resize(int rows) {
    m_lower.resize(rows);
    m_diag.resize(rows);
    m_upper.resize(rows);
    m_rhs.resize(2 * static_cast<size_t>(rows));
}

bool BlockTridiagonal::solve() {
    const int n = rows();
    Block2 inverse;
    // Forward sweep: upper[i] becomes diag'[i]^-1 upper[i], rhs[i] becomes diag'[i]^-1 rhs'[i].
    for (int i = 0; i < n; ++i) {
        Block2 &dg = m_diag[i];
        double *r = &m_rhs[2 * i];
        if (i > 0) {
            const Block2 &l = m_lower[i];
            const Block2 &u = m_upper[i - 1];
            dg.a -= l.a * u.a + l.b * u.c;
            dg.b -= l.a * u.b + l.b * u.d;
            dg.c -= l.c * u.a + l.d * u.c;
            dg.d -= l.c * u.b + l.d * u.d;
            const double *rp = &m_rhs[2 * (i - 1)];
            r[0] -= l.a * rp[0] + l.b * rp[1];
            r[1] -= l.c * rp[0] + l.d * rp[1];
        }
        if (!invert(dg, inverse))
            return false;
        if (i + 1 < n)
            m_upper[i] = product(inverse, m_upper[i]);
        const double r0 = r[0];
        r[0] = inverse.a * r0 + inverse.b * r[1];
        r[1] = inverse.c * r0 + inverse.d * r[1];
    }
    // Back substitution: x[i] = rhs[i] - upper[i] x[i+1].
    for (int i = n - 2; i >= 0; --i) {
        const Block2 &u = m_upper[i];
        double *r = &m_rhs[2 * i];
        const double *rn = &m_rhs[2 * (i + 1)];
        r[0] -= u.a * rn[0] + u.b * rn[1];
        r[1] -= u.c * rn[0] + u.d * rn[1];
    }
    return true;
}
