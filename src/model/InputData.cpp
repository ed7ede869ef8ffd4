#include "InputData.h"

#include "ReportSettings.h"

#include <cmath>

InputStatus InputData::check() {
    m_inputStatus = m_conditions.isValid() ? InputStatus::Valid : InputStatus::InvalidClimate;
    for (const MaterialLayer &layer : m_layers) {
        const double width = layer.width();
        if (!(width > 0) || !std::isfinite(width)) {
            m_inputStatus = InputStatus::InvalidWidth;
            break;
        }
        if (!layer.material().isValid()) {
            m_inputStatus = InputStatus::InvalidMaterial;
            break;
        }
    }
    return m_inputStatus;
}

QString InputData::checkMessage() const {
    for (int j = 0; j < m_layers.size(); ++j) {
        const MaterialLayer &layer = m_layers[j];
        if (m_inputStatus == InputStatus::InvalidWidth && !(layer.width() > 0 && std::isfinite(layer.width())))
            return tr("Invalid width %1 of <a href=\"layer-%2\">layer #%2</a>.").arg(layer.width()).arg(j + 1);
        if (m_inputStatus == InputStatus::InvalidMaterial && !layer.material().isValid())
            return tr("Invalid material values of \"%1\" in <a href=\"layer-%2\">layer #%2</a>.")
                .arg(layer.material().name().toHtmlEscaped())
                .arg(j + 1);
    }
    switch (m_inputStatus) {
    case InputStatus::InvalidWidth: return tr("Invalid layer width.");
    case InputStatus::InvalidMaterial: return tr("Invalid material values.");
    case InputStatus::InvalidClimate: return tr("Climate values or periods out of range.");
    case InputStatus::Valid: break;
    }
    return QString();
}

bool InputData::operator==(const InputData &other) const {
    return sameLayers(other) && m_conditions == other.m_conditions && m_assessment == other.m_assessment &&
           m_inputStatus == other.m_inputStatus;
}

ReportSettings InputData::withAssessment(const ReportSettings &settings) const {
    ReportSettings result = settings;
    if (m_assessment)
        static_cast<AssessmentChoices &>(result) = *m_assessment;
    return result;
}
