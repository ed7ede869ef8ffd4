#ifndef SimulateCommandH
#define SimulateCommandH

// "simulate": the transient heat and moisture simulation (EN 15026) of a project's construction under hourly
// climates, with the hourly values as CSV, a summary as text or JSON and a chart of the layers' water content,
// relative humidity and temperature over time. Ctrl+C stops the run and writes what has been computed.

#include "CliCommand.h"

#include <calculation/HourlyClimate.h>

#include <QCoreApplication>

#include <vector>

class SimulateCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(SimulateCommand)
public:
    /*! Exit code of a run stopped with Ctrl+C (after writing the partial results). */
    static const int ExitInterrupted = 130;

    QString name() const override { return QStringLiteral("simulate"); }
    bool needsGuiApplication() const override { return true; }
    QString synopsis() const override;
    QString usage() const override;
    int run(const QStringList &arguments) override;

    /*! The exterior climate of --exterior: "sine:NAME" (built-in monthly means, 80 % relative humidity),
        "sine:T1,...,T12" or an hourly CSV file. False with the reason (naming the line of a bad file). */
    static bool exteriorClimate(const QString &choice, HourlyClimate &climate, QString &errorText);
    /*! The interior climate of --interior: "en15026-normal", "en15026-high" (from the exterior climate) or an
        hourly CSV file. */
    static bool interiorClimate(const QString &choice, const HourlyClimate &exterior, HourlyClimate &climate,
                                QString &errorText);
    /*! Comma-separated monitor positions in m (also with the suffix "mm" or "cm"). */
    static bool parseMonitors(const QString &text, std::vector<double> &positions);
};

#endif // SimulateCommandH
