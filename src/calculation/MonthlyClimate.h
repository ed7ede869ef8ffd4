#ifndef MonthlyClimateH
#define MonthlyClimateH

// Twelve monthly mean exterior climates (January first) for the monthly method of DIN EN ISO 13788, with the
// name and the data attribution that are shown wherever the climate is named. The shipped reference climate is
// potsdam(); user climates come from MonthlyClimateCsv.

#include <QCoreApplication>
#include <QString>

#include <array>

struct MonthlyClimate {
    Q_DECLARE_TR_FUNCTIONS(MonthlyClimate)
public:
    static constexpr int Months = 12;

    /*! Potsdam, DWD station 10379, monthly means 2003-2021. */
    static MonthlyClimate potsdam();
    /*! Days of month m = 1..12 of a common year. */
    static int days(int month);
    /*! Translated short month name of m = 1..12. */
    static QString monthName(int month);

    QString name;
    /*! Data attribution; empty for user climates. */
    QString source;
    /*! Monthly mean exterior temperature theta_e, °C, index 0 = January. */
    std::array<double, Months> thetaE{};
    /*! Monthly mean exterior vapour pressure p_e, Pa, index 0 = January. */
    std::array<double, Months> pE{};
};

#endif // MonthlyClimateH
