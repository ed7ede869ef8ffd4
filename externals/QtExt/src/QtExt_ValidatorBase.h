#ifndef QtExt_ValidatorBaseH
#define QtExt_ValidatorBaseH

// External check of a number typed into a validating line edit, replacing its range check. Editors derive
// validators that compare against other fields or project data (winter temperatures, moisture storage).

#include <QObject>
#include <QString>

namespace QtExt {

class ValidatorBase : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /*! True when \a value is acceptable. */
    virtual bool isValid(double value) = 0;
    /*! Why the last checked value was refused; an empty text lets the field show its own message. */
    virtual QString errorMessage() const { return QString(); }
};

} // namespace QtExt

#endif // QtExt_ValidatorBaseH
