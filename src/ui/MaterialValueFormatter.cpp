#include "MaterialValueFormatter.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
const int SIGNIFICANT_DIGITS = 6;
/*! Whole numbers up to this many digits are shown in full (a diffusion resistance factor of 1000000). */
const int MAX_INTEGER_DIGITS = 7;
} // namespace

QString MaterialValueFormatter::formatted(double value) const {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    if (value == 0 || !std::isfinite(value))
        return locale.toString(value);
    // 'g' drops trailing zeros and turns to scientific notation below 1e-4 and above the precision.
    const int integerDigits = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    const int precision = std::clamp(integerDigits, SIGNIFICANT_DIGITS, MAX_INTEGER_DIGITS);
    return locale.toString(value, 'g', precision);
}
