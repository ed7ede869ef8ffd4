#ifndef FunctionTableH
#define FunctionTableH

// A smooth function of one variable sampled once at equal steps and read by linear interpolation: the
// transient solver evaluates the saturation pressure and the vapour permeability of air for every cell and
// Newton iteration, and a table look-up costs a fraction of a pow(). Outside the range the function itself
// is called.

#include <cmath>
#include <vector>

class FunctionTable {
public:
    /*! Samples f on [low, high] at the given step. Choose the step such that f'' step^2 / 8 is negligible. */
    template <typename F> FunctionTable(double low, double high, double step, F f) : m_low(low), m_step(step) {
        const int n = static_cast<int>(std::ceil((high - low) / step)) + 1;
        m_values.reserve(n);
        for (int i = 0; i < n; ++i)
            m_values.push_back(f(low + i * step));
        m_high = low + (n - 1) * step;
    }

    /*! True when x lies in the sampled range. */
    bool covers(double x) const { return x >= m_low && x < m_high; }
    /*! The interpolated value at x (covers(x) must hold) and its slope. */
    double value(double x, double &slope) const {
        const double position = (x - m_low) / m_step;
        const int i = static_cast<int>(position);
        const double v0 = m_values[i];
        const double dv = m_values[i + 1] - v0;
        slope = dv / m_step;
        return v0 + (position - i) * dv;
    }

private:
    double m_low;
    double m_high = 0;
    double m_step;
    std::vector<double> m_values;
};

#endif // FunctionTableH
