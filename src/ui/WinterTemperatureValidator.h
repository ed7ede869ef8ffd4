#ifndef WinterTemperatureValidatorH
#define WinterTemperatureValidatorH

// Validator of the condensation-period temperature field of the climate editor: the warm side must not be
// colder than the cold side. Reads the other side's temperature from the project, or from a partner field
// when there is no project.

#include <QtExt_ValidatorBase.h>

#include <QPointer>

class Project;
namespace QtExt {
class ValidatingLineEdit;
}

class WinterTemperatureValidator : public QtExt::ValidatorBase {
    Q_OBJECT
public:
    /*! Results of the last check. */
    enum Result { NoData = 0, Valid = 1, WarmColderThanCold = 2 };

    /*! \a project may be null; \a warmSide: the guarded field holds the warm side's temperature. */
    WinterTemperatureValidator(const Project *project, bool warmSide, QtExt::ValidatingLineEdit *partner = nullptr);

    bool isValid(double value) override;
    QString errorMessage() const override;

private:
    /*! Condensation-period temperature of the other side, false when neither project nor partner has one. */
    bool otherTemperature(double &T) const;

    QPointer<const Project> m_project;
    bool m_warmSide;
    QPointer<QtExt::ValidatingLineEdit> m_partner;
    /*! Cleared while the partner field re-validates, so that its check does not come back here. */
    bool m_guard = true;
    int m_result = NoData;
};

#endif // WinterTemperatureValidatorH
