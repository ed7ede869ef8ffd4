#ifndef ResultsJsonH
#define ResultsJsonH

// JSON form of a judged project for the command-line tool: the file, the input status, the assessment type, the
// heat flow direction, every field of the results record under its own name and the criteria rows.

class CalculationResults;
class JsonWriter;
class ProjectEvaluation;

namespace ResultsJson {

/*! Every field of \a results in record order; vectors as arrays of numbers, zones as [first, last] pairs. */
void writeResults(JsonWriter &json, const CalculationResults &results);
/*! One object per project: {"file", "error"} when it could not be loaded, else file, inputStatus,
    assessmentType, heatFlowDirection, results and criteria. */
void writeEvaluation(JsonWriter &json, const ProjectEvaluation &evaluation);

} // namespace ResultsJson

#endif // ResultsJsonH
