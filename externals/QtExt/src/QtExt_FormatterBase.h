#ifndef QtExt_FormatterBaseH
#define QtExt_FormatterBaseH

// Text a validating line edit shows for a value, replacing its default number formatting. Used by editors whose
// values need a display of their own.

#include <QString>

namespace QtExt {

class FormatterBase {
public:
    virtual ~FormatterBase() = default;
    /*! The field's text for \a value. */
    virtual QString formatted(double value) const = 0;
};

} // namespace QtExt

#endif // QtExt_FormatterBaseH
