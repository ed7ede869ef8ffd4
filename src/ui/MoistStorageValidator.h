#ifndef MoistStorageValidatorH
#define MoistStorageValidatorH

// Validator of the two moisture content fields (at 80 % RH and at saturation) of the material editors: the
// content at 80 % RH must stay below the saturation content, also when extrapolated to 95 % RH. The other
// value comes from the material, or from a partner field when there is no material.

#include <model/Material.h>

#include <QtExt_ValidatorBase.h>

#include <QPointer>

#include <optional>

namespace QtExt {
class ValidatingLineEdit;
}

class MoistStorageValidator : public QtExt::ValidatorBase {
    Q_OBJECT
public:
    /*! Results of the last check; Valid (0) or the reason of the rejection. */
    enum Result {
        Valid = 0,
        W80NotPositive = 1,
        WsatNotPositive = 2,
        W80NotBelowWsat = 3,
        W95NotBelowWsat = 4,
        W80TooLarge = 5,
        WsatTooLarge = 6
    };

    /*! \a material: the material whose other value is used, or nullptr; \a guardsW80: the guarded field holds
        the content at 80 % RH, else the saturation content. */
    MoistStorageValidator(const Material *material, bool guardsW80, QtExt::ValidatingLineEdit *partner = nullptr);

    bool isValid(double value) override;
    QString errorMessage() const override;

    /*! Result of the last check (Result). */
    int result() const { return m_result; }

private:
    int check(double value) const;
    int checkPair(double w80, double wsat) const;

    std::optional<Material> m_material;
    bool m_guardsW80;
    QPointer<QtExt::ValidatingLineEdit> m_partner;
    /*! Cleared while the partner field re-validates, so that its check does not come back here. */
    bool m_guard = true;
    int m_result = Valid;
};

#endif // MoistStorageValidatorH
