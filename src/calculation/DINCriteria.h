#ifndef DINCriteriaH
#define DINCriteriaH

// Evaluation of the moisture-protection and thermal requirements after a calculation: minimum thermal
// resistance (DIN 4108-2), temperature factor f_Rsi, condensate mass, wood and wood-based materials and drying
// time (DIN 4108-3), and the drying reserve (DIN 68800-2). The report's conclusions and the command-line tool
// both take their rows from evaluate(); nothing else derives a verdict.

#include "DINCriterion.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QVector>
#include <optional>
#include <vector>

enum class HeatFlowDirection;
class CalculationResults;
class CriteriaBasis;
class DINCriteriaResult;
class InputData;
class MaterialLayer;
class ReportSettings;
struct ClimateRecord;

class DINCriteria {
    Q_DECLARE_TR_FUNCTIONS(DINCriteria)
public:
    /*! Inner surface resistance of the mould check (m2K/W), independent of the project's climate. */
    static constexpr double FrsiInnerSurfaceResistance = 0.25;

    /*! Rows in report order: minimum resistance (always), f_Rsi (when switched on), surface condensation (when
        the calculation stopped at dew on a surface), condensate mass (always),
        wood (with wood or wood-based layers in a zone), drying time (always), drying reserve (with a stationary
        condensate mass and a reserve set).
        The moisture rows judge the figures of CriteriaBasis(results); rows outside its scope are not
        assessed. The rules are the project's assessment choices, or those of \a defaults for a project
        without them. */
    static std::vector<DINCriterion> evaluate(const InputData &input, HeatFlowDirection heatFlowDirection,
                                              const CalculationResults &results, const ReportSettings &defaults);

    /*! The rows as a JSON object with the keys "basis" (see CriteriaBasis::methodName), "allFulfilled",
        "minimumResistance", "frsi", "condensate", "wood", "dryingTime", "dryingReserve" and "surfaceCondensation"
        ({"side": "warm"|"cold", "fulfilled"}); criteria that were not evaluated are null, rows not assessed have
        "fulfilled": null. */
    static QJsonObject toJson(const std::vector<DINCriterion> &criteria, const CriteriaBasis &basis);
    /*! False when a row is not fulfilled, else no value when a row is not assessed, else true. */
    static std::optional<bool> allFulfilled(const std::vector<DINCriterion> &criteria);

    /*! Translated verdict text. */
    static QString verdictText(bool fulfilled);
    /*! "Not assessed", translated. */
    static QString notAssessedText();
    /*! The verdict of \a row as the report and the results panel show it: bold, red when not fulfilled, grey
        when not assessed. */
    static QString verdictHtml(const DINCriterion &row);
    /*! Caption of the surface condensation row. */
    static QString surfaceCondensationCaption(bool warmSide);
    /*! The surface condensation verdict in one sentence, for summaries. */
    static QString surfaceCondensationSentence(bool warmSide);

    /*! Minimum f_Rsi for the interior climate T_i (°C), rh_i (%) against -5 °C outside: surface temperature at
        80 % surface humidity, theta_si = (T_i + 109.8) (rh_i / 80)^0.1247 - 109.8, then
        (theta_si + 5) / (T_i + 5) cut (not rounded) to one decimal. */
    static double minimumTemperatureFactor(double T_i, double rh_i);
    /*! f_Rsi of a construction with resistance R of the layers and outer surface resistance R_se (m2K/W),
        with 0.25 m2K/W inside: (R + R_se) / (0.25 + R + R_se). */
    static double temperatureFactor(double R, double R_se);

private:
    static DINCriterion minimumResistanceCriterion(const ReportSettings &settings, double R_layers);
    static DINCriterion temperatureFactorCriterion(const QVector<MaterialLayer> &layers,
                                                   HeatFlowDirection heatFlowDirection, const ClimateRecord &inside,
                                                   const ClimateRecord &outside);
    /*! awLimit: the A_w limit applied to mark non-capillary layers, kg/(m2 s^0.5); the caption prints it. */
    static DINCriterion condensateCriterion(const DINCriteriaResult &classification, const CriteriaBasis &basis,
                                            int edition, double awLimit);
    static DINCriterion woodCriterion(const DINCriteriaResult &classification, double Mc);
    static DINCriterion dryingTimeCriterion(const CriteriaBasis &basis);
    static DINCriterion surfaceCondensationCriterion(bool warmSide);
    static DINCriterion dryingReserveCriterion(const CriteriaBasis &basis, double reserve);
};

#endif // DINCriteriaH
