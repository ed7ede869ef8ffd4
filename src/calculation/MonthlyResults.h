#ifndef MonthlyResultsH
#define MonthlyResultsH

// Results of the monthly method of DIN EN ISO 13788 (MonthlyMethod): per month the climate, the vapour
// pressure line and the condensate per interface, the yearly figures and the surface check. Read by the monthly
// criteria, the batch tool and the report.
//
// Index conventions: layers j = 0..n-1 from the warm side; interfaces k = 0..n, 0 the inner surface, n the outer
// surface, interface k between layer k-1 and layer k. Months are numbered 1..12 from January; 0 means none.
// Units SI (°C, Pa, m, kg/m2).

#include <QStringList>

#include <array>
#include <vector>

/*! One month of the yearly cycle. */
struct MonthlyMonthResult {
    int month = 0;
    double thetaE = 0;         ///< exterior temperature, °C
    double pE = 0;             ///< exterior vapour pressure, Pa
    double thetaI = 0;         ///< interior temperature, °C
    double pI = 0;             ///< interior vapour pressure, Pa
    std::vector<double> T;     ///< interface temperatures, n+1
    std::vector<double> p_sat; ///< saturation pressures at the interfaces, n+1
    std::vector<double> p;     ///< vapour pressure line at the interfaces, n+1
    /*! g_c t_month per interface, n+1 (positive condensation, negative evaporation), not limited by what is
        there; 0 where the interface is not a fixed point of the line. */
    std::vector<double> condensed;
    /*! Condensate M_a at the end of the month per interface, n+1. */
    std::vector<double> accumulated;
    /*! Sum of accumulated. */
    double total = 0;
};

class MonthlyResults {
public:
    /*! The twelve values of the surface check, calendar order (index 0 = January). */
    using MonthValues = std::array<double, 12>;

    /*! The month result of the calendar month m (1..12), nullptr when there is none. */
    const MonthlyMonthResult *month(int m) const;
    /*! The month of the largest total condensate, nullptr when nothing condenses. */
    const MonthlyMonthResult *worstMonth() const { return month(maxMonth); }
    /*! True when a month condenses. */
    bool condenses() const { return startMonth != 0; }

    /*! False for invalid input; messages then say why and nothing else is set. */
    bool valid = false;
    QStringList messages;

    /*! Cumulative equivalent air layer thickness s_d from the inner surface, interfaces 0..n, m. */
    std::vector<double> sd;
    /*! Sum of the layer thermal resistances d / lambda, m2K/W. */
    double R_layers = 0;

    /*! First month of the cycle, 0 when no month condenses (then the months run January to December). */
    int startMonth = 0;
    /*! Twelve months in computed order, from startMonth. */
    std::vector<MonthlyMonthResult> months;
    /*! Interfaces with condensate at the end of any month, ascending. */
    std::vector<int> condensateInterfaces;
    /*! Largest end-of-month condensate per interface, n+1, kg/m2. */
    std::vector<double> maxPerInterface;
    /*! Largest end-of-month total, kg/m2, and its calendar month (first in computed order on a tie; 0: none). */
    double maxAccumulated = 0;
    int maxMonth = 0;
    /*! Every interface is dry at the end of the twelfth month. */
    bool driesOut = true;

    /*! f_Rsi = 1 - 0.25 U with U = 1 / (0.25 + R_layers + 0.04). */
    double fRsi = 0;
    /*! Lowest admissible surface temperature of each month (80 % at the surface), °C. */
    MonthValues thetaSiMin{};
    /*! Minimum temperature factor of each month, NaN where there is none (theta_i <= theta_e). */
    MonthValues fRsiMin{};
    /*! The largest fRsiMin and its month (earliest on a tie); NaN and 0 when no month has one. */
    double designFRsiMin = 0;
    int designMonth = 0;
};

#endif // MonthlyResultsH
