#ifndef QtExt_ValidatingInputBaseH
#define QtExt_ValidatingInputBaseH

// Parsing, checking and formatting of a numeric input field, independent of the widget: range check with
// inclusive or exclusive bounds or an external validator, the user's locale with the C locale as fallback,
// and the last valid value. Mixed into ValidatingLineEdit.

#include "QtExt_FormatterBase.h"
#include "QtExt_ValidatorBase.h"

#include <QString>

#include <limits>
#include <memory>

namespace QtExt {

class ValidatingInputBase {
public:
    ValidatingInputBase();
    virtual ~ValidatingInputBase();
    ValidatingInputBase(const ValidatingInputBase &) = delete;
    ValidatingInputBase &operator=(const ValidatingInputBase &) = delete;

    /*! Range check between \a minimum and \a maximum; bounds are excluded unless marked inclusive. \a message is
        the tool tip of an invalid value. */
    void setup(double minimum, double maximum, const QString &message, bool minimumInclusive = false,
               bool maximumInclusive = false);
    /*! Installs an external validator (owned) instead of the range check; nullptr restores the range check. */
    void setValidator(ValidatorBase *validator);
    ValidatorBase *validator() const { return m_validator.get(); }
    /*! Installs a formatter (owned) for setValue(); nullptr restores the number formatting. */
    void setFormatter(FormatterBase *formatter);

    /*! An empty or blank text counts as valid (the last valid value stays). */
    void setAcceptEmpty(bool acceptEmpty) { m_acceptEmpty = acceptEmpty; }
    /*! The text is parsed as an integer. */
    void setIntegerMode(bool integerMode) { m_integerMode = integerMode; }
    /*! Number format of setValue(): 'a' (shortest of fixed or scientific, 15 significant digits), else a format
        character and precision as for QLocale::toString. */
    void setFormat(char format, int precision);

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    const QString &errorMessage() const { return m_errorMessage; }

    /*! The last valid value. */
    double value() const { return m_value; }

protected:
    /*! Parses \a text and checks the number; a valid number becomes the last valid value. */
    bool isValidText(const QString &text);
    /*! The text for \a value: the formatter's, or the locale formatting of the set format. */
    QString formattedText(double value) const;
    /*! The tool tip of an invalid value: the validator's message when it has one, else the field's own. */
    QString invalidMessage() const;

    double m_value = 0;

private:
    /*! The number in \a text, in the default locale or else in the C locale; false when neither reads it. */
    bool parse(const QString &text, double &number) const;
    bool inRange(double number) const;

    double m_minimum = std::numeric_limits<double>::lowest();
    double m_maximum = std::numeric_limits<double>::max();
    QString m_errorMessage;
    bool m_minimumInclusive = false;
    bool m_maximumInclusive = false;
    bool m_acceptEmpty = false;
    bool m_integerMode = false;
    std::unique_ptr<ValidatorBase> m_validator;
    std::unique_ptr<FormatterBase> m_formatter;
    char m_format = 'a';
    int m_precision = 0;
};

} // namespace QtExt

#endif // QtExt_ValidatingInputBaseH
