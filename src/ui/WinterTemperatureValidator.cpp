#include "WinterTemperatureValidator.h"

#include <QtExt_ValidatingLineEdit.h>

#include <model/Project.h>

WinterTemperatureValidator::WinterTemperatureValidator(const Project *project, bool warmSide,
                                                       QtExt::ValidatingLineEdit *partner)
    : m_project(project), m_warmSide(warmSide), m_partner(partner) {}

bool WinterTemperatureValidator::isValid(double value) {
    if (m_guard) {
        m_guard = false;
        double other = 0;
        if (!otherTemperature(other))
            m_result = NoData;
        else {
            const double warm = m_warmSide ? value : other;
            const double cold = m_warmSide ? other : value;
            m_result = warm >= cold ? Valid : WarmColderThanCold;
        }
        if (m_partner)
            m_partner->setText(m_partner->text());
        m_guard = true;
    }
    return m_result == Valid;
}

QString WinterTemperatureValidator::errorMessage() const {
    switch (m_result) {
    case NoData: return tr("Cannot retrieve input data.");
    case WarmColderThanCold: return tr("Temperature at warm side must be bigger than tempareature at cold side");
    default: return QString();
    }
}

bool WinterTemperatureValidator::otherTemperature(double &T) const {
    if (m_project && m_project->hasDocument()) {
        const AssessmentConditions &conditions = m_project->document()->inputData().conditions();
        T = m_warmSide ? conditions.T_e() : conditions.T_i();
        return true;
    }
    if (m_partner && m_partner->isValid()) {
        T = m_partner->value();
        return true;
    }
    return false;
}
