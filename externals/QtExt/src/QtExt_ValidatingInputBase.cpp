#include "QtExt_ValidatingInputBase.h"

#include <QLocale>

#include <cmath>

namespace QtExt {

namespace {

/*! \a locale with group separators neither written nor accepted. */
QLocale withoutGroupSeparators(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

bool toNumber(const QLocale &locale, const QString &text, bool integer, double &number) {
    bool ok = false;
    number = integer ? locale.toLongLong(text, &ok) : locale.toDouble(text, &ok);
    return ok;
}

} // namespace

ValidatingInputBase::ValidatingInputBase() = default;

ValidatingInputBase::~ValidatingInputBase() = default;

void ValidatingInputBase::setup(double minimum, double maximum, const QString &message, bool minimumInclusive,
                                bool maximumInclusive) {
    m_minimum = minimum;
    m_maximum = maximum;
    m_errorMessage = message;
    m_minimumInclusive = minimumInclusive;
    m_maximumInclusive = maximumInclusive;
}

void ValidatingInputBase::setValidator(ValidatorBase *validator) {
    m_validator.reset(validator);
}

void ValidatingInputBase::setFormatter(FormatterBase *formatter) {
    m_formatter.reset(formatter);
}

void ValidatingInputBase::setFormat(char format, int precision) {
    m_format = format;
    m_precision = precision;
}

bool ValidatingInputBase::isValidText(const QString &text) {
    if (m_acceptEmpty && text.trimmed().isEmpty())
        return true;
    double number = 0;
    if (!parse(text, number))
        return false;
    const bool valid = m_validator ? m_validator->isValid(number) : inRange(number);
    if (valid)
        m_value = number;
    return valid;
}

QString ValidatingInputBase::formattedText(double value) const {
    if (m_formatter)
        return m_formatter->formatted(value);
    const QLocale locale = withoutGroupSeparators(QLocale());
    if (m_format == 'a')
        return locale.toString(value, 'g', 15);
    return locale.toString(value, m_format, m_precision);
}

QString ValidatingInputBase::invalidMessage() const {
    if (m_validator && !m_validator->errorMessage().isEmpty())
        return m_validator->errorMessage();
    return m_errorMessage;
}

bool ValidatingInputBase::parse(const QString &text, double &number) const {
    // "inf" and "nan" are read by QLocale, but no field of the program may hold them.
    return (toNumber(withoutGroupSeparators(QLocale()), text, m_integerMode, number) ||
            toNumber(withoutGroupSeparators(QLocale::c()), text, m_integerMode, number)) &&
           std::isfinite(number);
}

bool ValidatingInputBase::inRange(double number) const {
    const bool aboveMinimum = m_minimumInclusive ? number >= m_minimum : number > m_minimum;
    const bool belowMaximum = m_maximumInclusive ? number <= m_maximum : number < m_maximum;
    return aboveMinimum && belowMaximum;
}

} // namespace QtExt
