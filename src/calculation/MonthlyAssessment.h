#ifndef MonthlyAssessmentH
#define MonthlyAssessmentH

// A construction judged by the monthly method: the climate and interior it was computed for, the results and the
// criteria rows. Made once by evaluate() and read by the batch tool's JSON and text, the report frames and the
// diagrams, so that none of them computes anything itself.

#include "DINCriterion.h"
#include "MonthlyClimate.h"
#include "MonthlyInterior.h"
#include "MonthlyResults.h"

#include <vector>

class InputData;
enum class HeatFlowDirection;

struct MonthlyAssessment {
    /*! MonthlyMethod::calculate and, for valid input, MonthlyCriteria::evaluate with the A_w limit
        \a awLayerLimit (kg/(m2 s^0.5), see DINCriteriaResult::layerAwLimit). */
    static MonthlyAssessment evaluate(const InputData &input, HeatFlowDirection heatFlowDirection,
                                      const MonthlyClimate &climate, const MonthlyInterior &interior,
                                      double awLayerLimit);

    MonthlyClimate climate;
    MonthlyInterior interior;
    MonthlyResults results;
    /*! Rows of MonthlyCriteria; empty for invalid input. */
    std::vector<DINCriterion> criteria;
};

#endif // MonthlyAssessmentH
