#ifndef VariantStudyH
#define VariantStudyH

// A variant study: one quantity of a project's input varied over a list of values. Each value is set in a copy
// of the input data, checked and calculated by the program's one calculation and judged by the one criteria
// evaluation, so that every row is exactly what the program would show for the project edited by hand.
// The command-line tool's "study" command prints and draws the rows.

#include "Calculation.h"
#include "CriteriaBasis.h"
#include "DINCriterion.h"

#include <model/InputData.h>
#include <model/ReportSettings.h>

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

class VariantStudy {
    Q_DECLARE_TR_FUNCTIONS(VariantStudy)
public:
    /*! The varied quantity: a layer's width (m), sd-value (m), thermal conductivity (W/(m K)), diffusion
        resistance factor or water absorption coefficient (kg/(m2 h^0.5)); the winter interior relative humidity
        (%) or temperature (°C). */
    enum class Quantity { Width, SdValue, Lambda, Mu, Aw, InsideHumidity, InsideTemperature };

    /*! The project judged at one value. */
    struct Row {
        double value = 0;
        /*! Input status after the value was set: anything but Valid marks the row invalid. */
        InputStatus inputStatus = InputStatus::Valid;
        ResultCode resultCode = ResultCode::NoLayers;
        /*! U-value of the dry construction, W/(m2 K). */
        double U = 0;
        double glaserMc = 0;
        /*! Condensate mass (kg/m2) and drying time (d) the criteria judged: the moisture-dependent figures, or
            the Glaser figures where those are the criteria basis. */
        double Mc = 0;
        double dryingTimeDays = 0;
        /*! What the criteria judged (moisture-dependent or Glaser figures) and why rows were not assessed. */
        CriteriaBasis basis = CriteriaBasis(CalculationResults());
        std::vector<DINCriterion> criteria;
        /*! False if a criterion is not fulfilled, else no value if one is not assessed, else true. */
        std::optional<bool> allFulfilled;

        bool isValid() const { return inputStatus == InputStatus::Valid; }
        bool passes() const { return allFulfilled.value_or(false); }
    };

    /*! One change of verdict between neighbouring judged values of the scan, refined by bisection. */
    struct Change {
        /*! The neighbouring scan values on either side of the change. */
        double scanPassing = 0;
        double scanFailing = 0;
        /*! The closest passing and failing values found: |failing - passing| is at most the tolerance, or the two
            are neighbouring doubles. */
        double passing = 0;
        double failing = 0;
        /*! Width the bracket was refined to: the relative tolerance times the larger magnitude of the scan pair,
            in the unit of the values. */
        double tolerance = 0;
        /*! The criteria whose verdict differs between the passing and the failing value. */
        std::vector<DINCriterion::Kind> flipped;
        /*! The failing value is judged on another basis (Glaser instead of moisture-dependent, or not at all). */
        bool basisChanged = false;
    };

    /*! Boundaries between passing and failing values found by findLimit(). */
    struct Limit {
        /*! Found: at least one change; AllPass, NonePass: every judged value passes or fails; NoneJudged: no
            value could be judged at all (invalid input or no result everywhere). */
        enum Kind { Found, AllPass, NonePass, NoneJudged };
        Kind kind = NoneJudged;
        /*! Every change in increasing value. */
        std::vector<Change> changes;
    };

    /*! Bisection stops when the bracket is this fraction of its values' magnitude. */
    static constexpr double RelativeTolerance = 1e-4;
    /*! ... or after this many halvings, which reach neighbouring doubles from any finite bracket of sane
        values. */
    static constexpr int MaximumBisections = 200;

    /*! \a layer counts from 1 as in the report; it is ignored for the climate quantities. */
    VariantStudy(const InputData &input, HeatFlowDirection heatFlowDirection, const ReportSettings &settings,
                 Quantity quantity, int layer = 0);

    /*! Empty when the quantity can be varied in this input, else why not (no such layer). */
    QString problem() const;
    /*! Empty, or why the values will change nothing: an air layer's thermal conductivity and diffusion
        resistance follow from its width and the heat flow direction alone. */
    QString warning() const;

    Row evaluate(double value);
    std::vector<Row> run(const std::vector<double> &values);

    /*! Finds every change between passing and failing among the judged rows of \a scan (sorted by value) and
        refines each by bisection to \a relativeTolerance of the values' magnitude (0: to neighbouring doubles).
        A value between the two without a verdict counts as failing. */
    Limit findLimit(const std::vector<Row> &scan, double relativeTolerance = RelativeTolerance);

    /*! Short translated text of a row's outcome: the invalid input, or the calculation's finding by result code
        ("surface condensation on the warm side", "condensation in one plane", ...). */
    static QString resultText(const Row &row);
    /*! What changes at \a change, translated: the criteria names, and "criteria basis" when the basis changes. */
    static QString flippedText(const Change &change);
    /*! Unit of the values: "m", "W/(m K)", "-", "kg/(m2 h^0.5)", "%" or "°C". */
    static QString unit(Quantity quantity);
    /*! The quantity in words, translated: "Thickness", "sd-value", ..., "Indoor relative humidity". */
    static QString quantityText(Quantity quantity);
    static bool isLayerQuantity(Quantity quantity);

    /*! Short translated name of a criterion ("minimum thermal resistance", "condensate mass", ...). */
    static QString criterionName(DINCriterion::Kind kind);

    /*! Sets \a value into \a input. Widths and sd-values keep a product layer consistent: its width follows
        from its sd-value, as when the layer is edited; a layer without an sd-value takes an sd-value through
        its mu at the current width. */
    static void apply(InputData &input, Quantity quantity, int layerIndex, double value);

    /*! \a steps values from \a from to \a to, both included (one value when steps is 1): from + i step
        rounded to 15 significant digits, the last exactly \a to, a value within rounding of zero exactly 0. */
    static std::vector<double> linearValues(double from, double to, int steps);

private:
    Change refine(Row passing, Row failing, double relativeTolerance);

    const InputData m_input;
    const HeatFlowDirection m_heatFlowDirection;
    const ReportSettings m_settings;
    const Quantity m_quantity;
    const int m_layerIndex;
    /*! Working copy of the input and the calculation, reused from value to value. */
    InputData m_work;
    Calculation m_calculation;
};

#endif // VariantStudyH
