#include "InputData.h"

#include <cmath>

int InputData::check() {
    m_inputStatus = m_conditions.isValid() ? InputValid : InvalidClimate;
    for (const MaterialLayer &layer : m_layers) {
        const double width = layer.width();
        if (!(width > 0) || !std::isfinite(width)) {
            m_inputStatus = InvalidWidth;
            break;
        }
        if (!layer.material().isValid()) {
            m_inputStatus = InvalidMaterial;
            break;
        }
    }
    return m_inputStatus;
}

bool InputData::operator==(const InputData &other) const {
    if (m_layers.size() != other.m_layers.size())
        return false;
    for (int i = 0; i < m_layers.size(); ++i) {
        if (m_layers[i].width() != other.m_layers[i].width() || m_layers[i].material() != other.m_layers[i].material())
            return false;
    }
    return true;
}
