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

    /*! Boundary between passing and failing values found by findLimit(). */
    struct Limit {
        enum Kind { Found, AllPass, NonePass };
        Kind kind = NonePass;
        /*! Found only: the closest passing and failing values; |failing - passing| is at most the tolerance. */
        double passing = 0;
        double failing = 0;
        /*! Found only: number of changes between passing and failing in the scan (more than one: the first is
            refined). */
        int changes = 0;
    };

    /*! \a layer counts from 1 as in the report; it is ignored for the climate quantities. */
    VariantStudy(const InputData &input, HeatFlowDirection heatFlowDirection, const ReportSettings &settings,
                 Quantity quantity, int layer = 0);

    /*! Empty when the quantity can be varied in this input, else why not (no such layer). */
    QString problem() const;

    Row evaluate(double value);
    std::vector<Row> run(const std::vector<double> &values);

    /*! Searches the first change between passing and failing rows of \a scan (judged rows in value order) by
        bisection, until the interval is at most \a relativeTolerance times the scanned range. */
    Limit findLimit(const std::vector<Row> &scan, double relativeTolerance = 0.001);

    /*! Sets \a value into \a input. Widths and sd-values keep a product layer consistent: its width follows
        from its sd-value, as when the layer is edited; a layer without an sd-value takes an sd-value through
        its mu at the current width. */
    static void apply(InputData &input, Quantity quantity, int layerIndex, double value);

    /*! \a steps values from \a from to \a to, both included (one value when steps is 1). */
    static std::vector<double> linearValues(double from, double to, int steps);

private:
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
