#ifndef MonthlyCriteriaH
#define MonthlyCriteriaH

// Verdicts of the monthly method: the largest accumulated condensate against the DIN 4108-3 limits (the
// classification of DINCriteriaResult over the two layers bordering each interface with condensate), the wood
// limits, complete drying within the year (instead of the 90-day drying time) and the interior surface against
// mould. The batch tool and the report take their rows from evaluate(); fulfilled and not-assessed rows follow
// DINCriteria, so DINCriteria::allFulfilled applies.

#include "DINCriterion.h"

#include <QCoreApplication>
#include <QVector>

#include <vector>

class MaterialLayer;
class MonthlyResults;

class MonthlyCriteria {
    Q_DECLARE_TR_FUNCTIONS(MonthlyCriteria)
public:
    /*! Rows: CondensateMass (required = limit, value = largest total condensate), Wood (only with a wood or
        wood-based layer at the condensate; required = admissible mass), DryingTime (fulfilled = dries out within
        the year) and TemperatureFactor (required = design f_Rsi,min, value = f_Rsi; not assessed when no month
        has a design value). \a awLayerLimit in kg/(m2 s^0.5), see DINCriteriaResult::layerAwLimit. */
    static std::vector<DINCriterion> evaluate(const QVector<MaterialLayer> &layers, const MonthlyResults &results,
                                              double awLayerLimit);
};

#endif // MonthlyCriteriaH
