#ifndef MonthlyJsonH
#define MonthlyJsonH

// JSON form of a project judged by the monthly method ("calc --method monthly"): the file, the heat flow
// direction and the "monthly" object with the climate, the months in computed order, the yearly figures, the
// surface check and the criteria. Numbers unrounded; non-finite ones and missing months are null.

class JsonWriter;
class ProjectEvaluation;
struct MonthlyAssessment;

namespace MonthlyJson {

/*! The "monthly" object of \a assessment; null for invalid input. */
void writeMonthly(JsonWriter &json, const MonthlyAssessment &assessment);
/*! One object per project: {"file", "error"} when it could not be loaded, else file, heatFlowDirection and
    monthly. */
void writeEvaluation(JsonWriter &json, const ProjectEvaluation &project, const MonthlyAssessment &assessment);

} // namespace MonthlyJson

#endif // MonthlyJsonH
