#ifndef VerdictBlockH
#define VerdictBlockH

// The verdict a reader looks for first, printed on the report's first page below the project information:
// the overall result, the basis of the moisture criteria in one sentence, where and how much condensate
// forms, and every criterion row with the standard it is taken from and its verdict. Its rows are the
// criteria rows of DINCriteria::evaluate, the same the conclusions print.

#include <calculation/DINCriterion.h>

#include <QCoreApplication>
#include <QString>

#include <vector>

class CalculationResults;
class InputData;
class ReportSettings;

class VerdictBlock {
    Q_DECLARE_TR_FUNCTIONS(VerdictBlock)
public:
    /*! Overall result, basis, condensation and, where the two methods give very different condensate masses,
        which one the verdict uses and why; rich text paragraphs. */
    static QString summary(const InputData &input, const CalculationResults &results,
                           const std::vector<DINCriterion> &criteria, const ReportSettings &settings);
    /*! The standard (and edition) a criterion row is judged by. */
    static QString standard(const DINCriterion &row, const ReportSettings &settings);

private:
    static QString overall(const std::vector<DINCriterion> &criteria);
    static QString condensation(const InputData &input, const CalculationResults &results);
    static QString methodComparison(const CalculationResults &results);
};

#endif // VerdictBlockH
