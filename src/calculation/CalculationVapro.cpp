#include "Calculation.h"

int Calculation::moistureDependentCalculation(const InputData &, int) {
    m_results.resultCode = m_results.glaserResultCode;
    publishMessages();
    return m_results.resultCode;
}
