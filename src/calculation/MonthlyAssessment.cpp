#include "MonthlyAssessment.h"

#include "MonthlyCriteria.h"
#include "MonthlyMethod.h"
#include "model/InputData.h"

MonthlyAssessment MonthlyAssessment::evaluate(const InputData &input, HeatFlowDirection heatFlowDirection,
                                              const MonthlyClimate &climate, const MonthlyInterior &interior,
                                              double awLayerLimit) {
    MonthlyAssessment assessment;
    assessment.climate = climate;
    assessment.interior = interior;
    assessment.results = MonthlyMethod::calculate(input, heatFlowDirection, climate, interior);
    if (assessment.results.valid)
        assessment.criteria = MonthlyCriteria::evaluate(input.layers(), assessment.results, awLayerLimit);
    return assessment;
}
