#ifndef InputDataH
#define InputDataH

// Input of one assessment case: the layer sequence (interior side first), the climate boundary conditions
// and the status of the last input check. Held by the document, read by the calculation.

#include "AssessmentConditions.h"
#include "MaterialLayer.h"

#include <QVector>

class InputData {
public:
    /*! Results of check(). */
    enum InputStatus { InputValid = 0, InvalidWidth = 1, InvalidMaterial = 2, InvalidClimate = 3 };

    /*! Layers, interior (left) side first. */
    const QVector<MaterialLayer> &layers() const { return m_layers; }
    QVector<MaterialLayer> &layers() { return m_layers; }

    const AssessmentConditions &conditions() const { return m_conditions; }
    AssessmentConditions &conditions() { return m_conditions; }

    /*! Status of the last check() (InputStatus). */
    int inputStatus() const { return m_inputStatus; }
    /*! Lets readers of project files mark input they found invalid. */
    void setInputStatus(int status) { m_inputStatus = status; }

    /*! Recomputes and returns the input status: 3 for invalid climate values, overridden by the first layer
        with width <= 0 (1) or with an invalid material (2). */
    int check();

    /*! Same number of layers with pairwise equal widths and materials. */
    bool operator==(const InputData &other) const;
    bool operator!=(const InputData &other) const { return !(*this == other); }

private:
    QVector<MaterialLayer> m_layers;
    AssessmentConditions m_conditions;
    int m_inputStatus = InputValid;
};

#endif // InputDataH
