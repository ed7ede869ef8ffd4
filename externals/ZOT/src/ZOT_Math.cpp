#include "ZOT_Math.h"

#include "ZOT_Exception.h"
#include "ZOT_FormatString.h"

#include <cmath>

namespace ZOT {

double f_log10(double x) {
    if (x <= 0)
        throw Exception(FormatString("Negative or zero value in log function, x = %1").arg(x), "[ZOT::f_log10]");
    return std::log10(x);
}

double f_pow10(double x) {
    if (x > 50)
        throw Exception(FormatString("Exponent too large in power function, exponent = %1").arg(x), "[ZOT::f_pow10]");
    return std::pow(10.0, x);
}

} // namespace ZOT
