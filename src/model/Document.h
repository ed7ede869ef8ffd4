#ifndef DocumentH
#define DocumentH

// One open project: its input data, the calculation with its results and the project information,
// in this order. Owned by Project; copying a document copies all three parts.

#include "calculation/Calculation.h"
#include "InputData.h"
#include "ProjectInformation.h"

class Document {
public:
    const InputData &inputData() const { return m_inputData; }
    InputData &inputData() { return m_inputData; }
    const Calculation &calculation() const { return m_calculation; }
    Calculation &calculation() { return m_calculation; }
    const ProjectInformation &projectInformation() const { return m_projectInformation; }
    ProjectInformation &projectInformation() { return m_projectInformation; }

    /*! Runs the input check and the calculation with the project's heat flow direction. */
    void recalculate();

private:
    InputData m_inputData;
    Calculation m_calculation;
    ProjectInformation m_projectInformation;
};

#endif // DocumentH
