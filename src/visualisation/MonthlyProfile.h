#ifndef MonthlyProfileH
#define MonthlyProfileH

// One month of the monthly method as a profile diagram of the diagram engine: its temperatures, saturation
// pressures and vapour pressure line put into the form the temperature and vapour pressure profiles draw. Used
// by the report's diagram of the worst month and by the batch tool's picture of it.

#include <calculation/CalculationResults.h>
#include <model/InputData.h>

struct MonthlyAssessment;

class MonthlyProfile {
public:
    /*! The month to draw: the one with the most condensate, else the coldest (earliest on a tie); 0 for invalid
        results. */
    static int month(const MonthlyAssessment &assessment);

    /*! The construction of \a input with the month's interior and exterior climate, and its profiles. */
    MonthlyProfile(const InputData &input, const MonthlyAssessment &assessment, int month);

    InputData input;
    CalculationResults results;
};

#endif // MonthlyProfileH
