#include "Document.h"

void Document::recalculate() {
    m_inputData.check();
    m_calculation.calculate(m_inputData, m_projectInformation.m_heatFlowDirection);
}
