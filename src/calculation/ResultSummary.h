#ifndef ResultSummaryH
#define ResultSummaryH

// The figures that sum up one calculation, as one list of rows: construction thickness, dry thermal
// resistance, the U-values (with the surface resistances of the condensation period, and of DIN EN ISO 6946),
// the verdict line, condensate mass and drying time. The results panel, the report's
// conclusions and the command-line tool's text summary each present this list in their own form; which
// figures exist, which ones the moisture criteria judge (CriteriaBasis), their captions, units and rounding,
// and why a figure is not shown are decided here only.

#include <QCoreApplication>
#include <QString>

#include <utility>
#include <vector>

class CalculationResults;
class InputData;

class ResultSummary {
    Q_DECLARE_TR_FUNCTIONS(ResultSummary)
public:
    enum class Key {
        Thickness,
        ResistanceDry,
        TransmittanceDry,
        TransmittanceMoist,
        TransmittanceIso6946,
        Verdict,
        CondensateMass,
        DryingTime
    };

    struct Row {
        Key key = Key::Thickness;
        /*! Short translated caption, for a list that groups the U-values under a heading of its own. */
        QString label;
        /*! Translated caption that stands alone: names the construction and the method where the label does not. */
        QString caption;
        /*! Formula symbol followed by "=", rich text; empty for the verdict row. */
        QString symbol;
        double value = 0;
        /*! Decimals of the value in fixed notation. */
        int decimals = 3;
        /*! Unit, rich text. */
        QString unit;
        /*! False where the calculation gives no such figure and value is only a placeholder: no dry figures for
            missing or invalid input, no moisture-dependent U-value before that method ran, no condensate mass or
            drying time without condensation. */
        bool available = true;
        /*! Translated text shown instead of the value ("Not assessed", "Not applicable", "No drying"), empty when
            the value is shown. The verdict row holds the coloured verdict line (rich text) here. */
        QString verdict;
    };

    /*! A condensate mass as shown: kg/m2 with three decimals, below 0.01 kg/m2 in g/m2 with three decimals, so
        that a small mass never reads "0.000 kg/m2". */
    struct Mass {
        double value = 0;
        int decimals = 3;
        QString unit; ///< rich text
    };
    static Mass condensateMass(double kgPerSquareMetre);

    /*! Where the condensate forms, as a phrase: "in the plane between layer 3 (name) and layer 4 (name)", zones
        "in the zone between ...", several joined by "; "; empty without condensation zones. \a zones are layer
        ranges (first, last) counted from 0, as CriteriaBasis::zones. */
    static QString condensationPlace(const InputData &input, const std::vector<std::pair<int, int>> &zones);

    /*! The rows of \a results, calculated from \a input; see rows(). */
    ResultSummary(const InputData &input, const CalculationResults &results);

    /*! In the order of the keys: thickness, dry resistance, dry and moisture-dependent U-value, U-value of
        DIN EN ISO 6946, verdict, condensate mass, drying time. */
    const std::vector<Row> &rows() const { return m_rows; }
    const Row &row(Key key) const;

private:
    std::vector<Row> m_rows;
};

#endif // ResultSummaryH
