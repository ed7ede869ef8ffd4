#ifndef FuzzyCompareH
#define FuzzyCompareH

// Tolerant comparison of floating point results: passes when |actual - expected| is within
// an absolute allowance or a relative allowance of |expected|, and prints all three on failure.

#include <QtTest>
#include <cmath>

#define HYG_COMPARE_DOUBLE(actual, expected, relTol, absTol)                                                           \
    do {                                                                                                               \
        const double a_ = (actual);                                                                                    \
        const double e_ = (expected);                                                                                  \
        const double allow_ = std::max((absTol), (relTol)*std::fabs(e_));                                              \
        if (!(std::fabs(a_ - e_) <= allow_) && !(a_ == e_))                                                            \
            QFAIL(qPrintable(QString("%1: expected %2, actual %3, allowance %4")                                       \
                                 .arg(#actual)                                                                         \
                                 .arg(e_, 0, 'g', 17)                                                                  \
                                 .arg(a_, 0, 'g', 17)                                                                  \
                                 .arg(allow_, 0, 'g', 3)));                                                            \
    } while (false)

#endif // FuzzyCompareH
