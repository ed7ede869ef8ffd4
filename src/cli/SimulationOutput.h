#ifndef SimulationOutputH
#define SimulationOutputH

// Output of the "simulate" command: the hourly values as CSV, the summary as JSON or as a short text.

#include <calculation/TransientSimulation.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <vector>

class HourlyClimate;

struct SimulationDescription {
    QString fileName;
    QString interior;
    QString exterior;
    int years = 1;
    double initialRhPercent = 80;
    std::vector<double> monitors;
    std::vector<double> layerWidths;
};

class SimulationOutput {
    Q_DECLARE_TR_FUNCTIONS(SimulationOutput)
public:
    /*! One header line, then one line per hour: the hour, the interior and exterior climate, per layer the total
        water content (kg/m2), mean relative humidity (%) and mean temperature (°C), per monitor position the
        temperature, relative humidity and water content (kg/m3). */
    static QByteArray csv(const TransientSimulation &simulation, const HourlyClimate &interior,
                          const HourlyClimate &exterior, const SimulationDescription &description);
    static QByteArray json(const TransientSimulation::Summary &summary, const SimulationDescription &description);
    static QByteArray text(const TransientSimulation::Summary &summary, const SimulationDescription &description);

    /*! Day of a 365-day year starting on 1 January, as "MM-DD", and the year counted from 1, of an hour. */
    static QString date(double hour, int &year);
};

#endif // SimulationOutputH
