#include "MoistStorageValidator.h"

#include <QtExt_ValidatingLineEdit.h>

#include <calculation/PhysicalProperties.h>

namespace {
/*! Moisture contents are volume fractions. */
const double MAX_CONTENT = 1.0;
} // namespace

MoistStorageValidator::MoistStorageValidator(const Material *material, bool guardsW80,
                                             QtExt::ValidatingLineEdit *partner)
    : m_guardsW80(guardsW80), m_partner(partner) {
    if (material)
        m_material = *material;
}

bool MoistStorageValidator::isValid(double value) {
    if (m_guard) {
        m_guard = false;
        m_result = check(value);
        if (m_partner)
            m_partner->setText(m_partner->text());
        m_guard = true;
    }
    return m_result == Valid;
}

int MoistStorageValidator::check(double value) const {
    // A content of 1 or more is never a material's value, whatever the other field says.
    if (value >= MAX_CONTENT)
        return m_guardsW80 ? W80TooLarge : WsatTooLarge;
    if (m_material) {
        return m_guardsW80 ? checkPair(value, m_material->w_sat()) : checkPair(m_material->w_80(), value);
    }
    if (m_partner && m_partner->isValid())
        return m_guardsW80 ? checkPair(value, m_partner->value()) : checkPair(m_partner->value(), value);
    if (value <= 0)
        return m_guardsW80 ? W80NotPositive : WsatNotPositive;
    return Valid;
}

int MoistStorageValidator::checkPair(double w80, double wsat) const {
    if (w80 <= 0)
        return W80NotPositive;
    if (wsat <= 0)
        return WsatNotPositive;
    if (w80 >= wsat)
        return W80NotBelowWsat;
    // The sorption curve extrapolated to 95 % RH must stay below saturation.
    if (w95FromW80(w80) >= wsat)
        return W95NotBelowWsat;
    return Valid;
}

QString MoistStorageValidator::errorMessage() const {
    switch (m_result) {
    case W80NotPositive: return tr("Moisture content at 80%RH less or equal 0");
    case WsatNotPositive: return tr("Saturation moisture content less or equal 0");
    case W80NotBelowWsat: return tr("Moisture content at 80%RH greater or equal saturation moisture content");
    case W95NotBelowWsat:
        return tr("Moisture content at 80%RH leads to a moisture content at 95%RH greater or equal saturation "
                  "moisture content");
    case W80TooLarge: return tr("Moisture content at 80%RH greater or equal to 1.0");
    case WsatTooLarge: return tr("Moisture content at saturation greater or equal to 1.0");
    default: return QString();
    }
}
