#ifndef HourlyClimateH
#define HourlyClimateH

// Climate of one side for the transient simulation: air temperature and relative humidity at equidistant
// times, linearly interpolated between them and repeated after the last value (a one-year series drives a
// run of several years). Read from an hourly CSV file or built in: a constant climate, a sine through the
// twelve monthly means of an outdoor climate, and the indoor climate of EN 15026 Annex C.

#include <QCoreApplication>
#include <QString>
#include <vector>

class HourlyClimate {
    Q_DECLARE_TR_FUNCTIONS(HourlyClimate)
public:
    /*! Moisture load of the EN 15026 indoor climate. */
    enum MoistureLoad { NormalLoad, HighLoad };

    /*! Reads "time (h), temperature (°C), relative humidity (%)" per line after one header line; columns
        separated by commas, semicolons, tabs or blanks; empty lines and lines starting with '#' are skipped.
        The times must rise in equal steps. On failure returns false and names the line in errorText. */
    bool readCsv(const QByteArray &data, QString &errorText);

    /*! Constant climate: temperature in °C, relative humidity 0..1. */
    static HourlyClimate constant(double temperature, double rh);
    /*! One year (8760 h) of hourly values: the monthly mean temperatures (°C, January first, taken at the middle
        of each month and joined by a periodic cosine interpolation) plus a daily sine of amplitude dailySwing
        (K) with its maximum at 15:00; constant relative humidity rh (0..1). */
    static HourlyClimate sineFromMonthlyMeans(const double (&monthlyMeans)[12], double rh, double dailySwing);
    /*! Indoor climate of EN 15026 Annex C from the daily mean of the outdoor temperature Te, per hour of
        the outdoor series: T = 20 °C at Te <= 10 °C, 25 °C at Te >= 20 °C, linear between; relative humidity
        30 % (high load 40 %) at Te <= -10 °C, 60 % (70 %) at Te >= 20 °C, linear between. */
    static HourlyClimate en15026Interior(const HourlyClimate &outdoor, MoistureLoad load);

    /*! Monthly mean temperatures (°C) of a built-in outdoor climate by name ("potsdam"); false if unknown. */
    static bool monthlyMeans(const QString &name, double (&means)[12]);

    /*! Temperature (°C) and relative humidity (0..1) at time t in seconds from the start of the run. */
    void valueAt(double t, double &temperature, double &rh) const;
    /*! Spacing of the values in seconds; 0 for a constant climate. */
    double step() const { return m_values.size() > 1 ? m_step : 0; }
    int size() const { return static_cast<int>(m_values.size()); }

private:
    struct Value {
        double T;
        double rh;
    };
    std::vector<Value> m_values;
    double m_step = 3600;
    double m_start = 0;
};

#endif // HourlyClimateH
