#ifndef MonthlySummaryH
#define MonthlySummaryH

// The figures of a monthly-method result as a consultant reads them: climate with its attribution, interior
// model, start month, worst month, drying and the surface design month. Labels and values are rich text; the
// report and the batch tool's text summary print the same rows.

#include <QCoreApplication>
#include <QString>
#include <QVector>

class MonthlyResults;
struct MonthlyClimate;
struct MonthlyInterior;

class MonthlySummary {
    Q_DECLARE_TR_FUNCTIONS(MonthlySummary)
public:
    struct Row {
        QString label;
        QString value;
    };

    /*! Rows for valid results; the climate row names the source on a line of its own when there is one. */
    static QVector<Row> rows(const MonthlyResults &results, const MonthlyClimate &climate,
                             const MonthlyInterior &interior);
    /*! "20 °C, 50 %" or "20 °C, moisture excess 0.004 kg/m³ at θe ≤ 0 °C". */
    static QString interiorText(const MonthlyInterior &interior);
    /*! Name and, where there is one, the attribution in brackets. */
    static QString climateText(const MonthlyClimate &climate);
};

#endif // MonthlySummaryH
