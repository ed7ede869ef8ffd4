#include "SimulateCommand.h"

#include "CliFiles.h"
#include "CliOutput.h"
#include "CriteriaOptions.h"
#include "ProjectEvaluation.h"
#include "SimulationOutput.h"

#include <calculation/TransientSimulation.h>
#include <visualisation/SimulationChart.h>

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

const double SINE_RH = 0.8;
const double SINE_DAILY_SWING = 4;
const int MAX_YEARS = 100;

std::atomic<bool> interrupted(false);

extern "C" void onInterrupt(int) {
    interrupted = true;
}

/*! Installs the Ctrl+C handler for the lifetime of the object and restores the previous one. */
class InterruptGuard {
public:
    InterruptGuard() {
        interrupted = false;
        m_previous = std::signal(SIGINT, onInterrupt);
    }
    ~InterruptGuard() { std::signal(SIGINT, m_previous); }

private:
    void (*m_previous)(int) = nullptr;
};

bool readClimateFile(const QString &fileName, HourlyClimate &climate, QString &errorText) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = SimulateCommand::tr("%1: cannot be read (%2).").arg(fileName, file.errorString());
        return false;
    }
    if (!climate.readCsv(file.readAll(), errorText)) {
        errorText = QStringLiteral("%1: %2").arg(fileName, errorText);
        return false;
    }
    return true;
}

/*! Progress on standard error once the run takes longer than a second: one line rewritten in a terminal,
    a line per tenth otherwise. */
class Progress {
public:
    Progress() : m_terminal(isatty(fileno(stderr))) { m_timer.start(); }
    ~Progress() {
        if (m_shown && m_terminal)
            std::fputc('\n', stderr);
    }
    void update(double done, double total) {
        if (m_timer.elapsed() < 1000)
            return;
        const int tenth = static_cast<int>(10 * done / total);
        if (m_terminal ? m_timer.elapsed() - m_lastShown < 200 : tenth == m_lastTenth)
            return;
        m_lastShown = m_timer.elapsed();
        m_lastTenth = tenth;
        m_shown = true;
        const QString line = SimulateCommand::tr("simulated %1 of %2 days (%3 %)")
                                 .arg(static_cast<int>(done / 24))
                                 .arg(static_cast<int>(total / 24))
                                 .arg(static_cast<int>(100 * done / total));
        std::fprintf(stderr, m_terminal ? "\r%s" : "%s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
    }

private:
    QElapsedTimer m_timer;
    bool m_terminal = false;
    bool m_shown = false;
    qint64 m_lastShown = 0;
    int m_lastTenth = -1;
};

SimulationChart::Content chartContent(const TransientSimulation &simulation, const InputData &input,
                                      const QString &fileName) {
    SimulationChart::Content content;
    content.title = QFileInfo(fileName).fileName();
    SimulationChart::Panel water{SimulateCommand::tr("Water content [kg/m²]"), {}};
    SimulationChart::Panel rh{SimulateCommand::tr("Relative humidity [%]"), {}};
    SimulationChart::Panel temperature{SimulateCommand::tr("Temperature [°C]"), {}};
    const int layers = input.layers().size();
    for (int j = 0; j < layers; ++j) {
        const MaterialLayer &layer = input.layers()[j];
        const QString name = QStringLiteral("%1 %2").arg(j + 1).arg(layer.name());
        const QColor colour = layer.color().isValid() ? layer.color().darker(130) : QColor(Qt::black);
        water.series.push_back({name, colour, {}});
        rh.series.push_back({name, colour, {}});
        temperature.series.push_back({name, colour, {}});
    }
    for (const TransientSimulation::Record &r : simulation.records()) {
        content.hours.push_back(r.hour);
        for (int j = 0; j < layers; ++j) {
            water.series[j].values.push_back(r.layerWater[j]);
            rh.series[j].values.push_back(r.layerRh[j]);
            temperature.series[j].values.push_back(r.layerT[j]);
        }
    }
    content.panels = {water, rh, temperature};
    return content;
}

/*! Writes \a data to \a output unless it is an input file or exists without --force. */
int writeFile(const QString &output, const QByteArray &data, const QStringList &inputs, bool force) {
    QString errorText;
    const int refusal = CliFiles::checkOutput(output, inputs, force, errorText);
    if (refusal != CliCommand::ExitSuccess) {
        CliOutput::printError(errorText);
        return refusal;
    }
    if (!CliFiles::write(output, data, errorText)) {
        CliOutput::printError(errorText);
        return CliCommand::ExitFileError;
    }
    return CliCommand::ExitSuccess;
}

QString invalidLayers(const InputData &input) {
    if (input.layers().isEmpty())
        return SimulateCommand::tr("The construction has no layers.");
    for (int j = 0; j < input.layers().size(); ++j) {
        const MaterialLayer &layer = input.layers()[j];
        if (!(layer.width() > 0) || !(layer.rho() > 0) || !(layer.lambda(HeatFlowDirection::Horizontal) > 0) ||
            !(layer.mu() > 0))
            return SimulateCommand::tr("Layer %1 (%2) needs a width, density, thermal conductivity and diffusion "
                                       "resistance factor above 0.")
                .arg(j + 1)
                .arg(layer.name());
    }
    return QString();
}

} // namespace

QString SimulateCommand::synopsis() const {
    return tr("simulate FILE [options]       transient heat and moisture simulation (EN 15026) under hourly climates");
}

QString SimulateCommand::usage() const {
    return tr("Usage: hygrolux2-cli simulate FILE [options]\n"
              "Simulates the construction of the project FILE ('-': standard input) hour by hour with coupled heat "
              "and moisture transport after EN 15026; material functions come from the catalogue values of the "
              "layers.\n\n"
              "Options:\n"
              "  --years N          simulated years (default 1)\n"
              "  --exterior C       sine:NAME (monthly means of a built-in climate: potsdam), sine:T1,...,T12 "
              "(twelve\n"
              "                     monthly means in °C) - both with a daily swing of ±4 K and 80 % relative "
              "humidity -\n"
              "                     or an hourly CSV file (default sine:potsdam)\n"
              "  --interior C       en15026-normal, en15026-high (EN 15026 Annex C from the exterior climate) or "
              "an\n"
              "                     hourly CSV file (default en15026-normal)\n"
              "  --initial-rh P     initial relative humidity in % (default 80), at 20 °C\n"
              "  --monitor X,Y      monitor positions from the interior surface in m (or with mm, cm) for the CSV\n"
              "  --refine F         mesh refinement factor (default 1)\n"
              "  --out-csv OUT      hourly values as CSV ('-': standard output)\n"
              "  --json             the summary as JSON instead of text\n"
              "  --plot OUT         water content, relative humidity and temperature of each layer over time "
              "(.svg, .png, .pdf)\n"
              "  --force            replace existing output files\n\n"
              "Hourly CSV climate: one header line, then 'time in h, temperature in °C, relative humidity in %' in "
              "equal steps;\n"
              "a shorter series repeats. Ctrl+C stops the run and writes what is computed (exit code 130).\n"
              "Exit code 0 on success, 1 for bad usage, 2 when a file could not be read or written, 3 when the "
              "solver failed\n"
              "(the results up to that hour are written).");
}

bool SimulateCommand::exteriorClimate(const QString &choice, HourlyClimate &climate, QString &errorText) {
    if (!choice.startsWith(QLatin1String("sine:")))
        return readClimateFile(choice, climate, errorText);
    const QString name = choice.mid(5);
    double means[12];
    if (!HourlyClimate::monthlyMeans(name, means)) {
        const QStringList values = name.split(QLatin1Char(','));
        bool ok = values.size() == 12;
        for (int m = 0; ok && m < 12; ++m)
            means[m] = values[m].toDouble(&ok);
        if (!ok) {
            errorText = tr("--exterior sine: needs a built-in climate (potsdam) or twelve monthly means in °C.");
            return false;
        }
    }
    climate = HourlyClimate::sineFromMonthlyMeans(means, SINE_RH, SINE_DAILY_SWING);
    return true;
}

bool SimulateCommand::interiorClimate(const QString &choice, const HourlyClimate &exterior, HourlyClimate &climate,
                                      QString &errorText) {
    if (choice == QLatin1String("en15026-normal") || choice == QLatin1String("en15026-high")) {
        climate = HourlyClimate::en15026Interior(
            exterior, choice.endsWith(QLatin1String("high")) ? HourlyClimate::HighLoad : HourlyClimate::NormalLoad);
        return true;
    }
    return readClimateFile(choice, climate, errorText);
}

bool SimulateCommand::parseMonitors(const QString &text, std::vector<double> &positions) {
    for (QString item : text.split(QLatin1Char(','))) {
        item = item.trimmed();
        double factor = 1;
        if (item.endsWith(QLatin1String("mm")) || item.endsWith(QLatin1String("cm"))) {
            factor = item.endsWith(QLatin1String("mm")) ? 0.001 : 0.01;
            item.chop(2);
        }
        else if (item.endsWith(QLatin1Char('m'))) {
            item.chop(1);
        }
        bool ok = false;
        const double x = item.toDouble(&ok) * factor;
        if (!ok || !(x >= 0))
            return false;
        positions.push_back(x);
    }
    return true;
}

int SimulateCommand::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *option : {"years", "exterior", "interior", "initial-rh", "monitor", "refine", "out-csv", "plot"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(option), QString(), QStringLiteral("VALUE")));
    for (const char *flag : {"json", "force"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(flag)));
    int exitCode = ExitSuccess;
    if (!parse(parser, arguments, exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1)
        return usageError(tr("simulate needs exactly one project file."));

    SimulationDescription description;
    TransientSimulation::Options options;
    bool ok = true;
    if (parser.isSet(QStringLiteral("years"))) {
        options.years = parser.value(QStringLiteral("years")).toInt(&ok);
        if (!ok || options.years < 1 || options.years > MAX_YEARS)
            return usageError(tr("--years needs a whole number from 1 to %1.").arg(MAX_YEARS));
    }
    if (parser.isSet(QStringLiteral("initial-rh"))) {
        const double rh = parser.value(QStringLiteral("initial-rh")).toDouble(&ok);
        if (!ok || !(rh > 0 && rh <= 100))
            return usageError(tr("--initial-rh needs a relative humidity above 0 and up to 100 %."));
        options.initialRh = rh / 100;
    }
    if (parser.isSet(QStringLiteral("refine"))) {
        options.refinement = parser.value(QStringLiteral("refine")).toDouble(&ok);
        if (!ok || !(options.refinement >= 0.25 && options.refinement <= 10))
            return usageError(tr("--refine needs a factor from 0.25 to 10."));
    }
    if (parser.isSet(QStringLiteral("monitor")) &&
        !parseMonitors(parser.value(QStringLiteral("monitor")), options.monitors))
        return usageError(tr("--monitor needs positions in m separated by commas."));
    const QString plotFile = parser.value(QStringLiteral("plot"));
    const QString plotFormat = QFileInfo(plotFile).suffix().toLower();
    if (parser.isSet(QStringLiteral("plot")) && !QStringList{"svg", "png", "pdf"}.contains(plotFormat))
        return usageError(tr("--plot needs a file ending in .svg, .png or .pdf."));
    const QString csvFile = parser.value(QStringLiteral("out-csv"));
    if (CliFiles::isStandardOutput(csvFile) && parser.isSet(QStringLiteral("json")))
        return usageError(tr("--out-csv - and --json cannot share standard output."));

    description.exterior = parser.isSet(QStringLiteral("exterior")) ? parser.value(QStringLiteral("exterior"))
                                                                    : QStringLiteral("sine:potsdam");
    description.interior = parser.isSet(QStringLiteral("interior")) ? parser.value(QStringLiteral("interior"))
                                                                    : QStringLiteral("en15026-normal");
    HourlyClimate exterior, interior;
    QString errorText;
    if (!exteriorClimate(description.exterior, exterior, errorText) ||
        !interiorClimate(description.interior, exterior, interior, errorText)) {
        CliOutput::printError(errorText);
        return description.exterior.startsWith(QLatin1String("sine:")) && errorText.startsWith(QLatin1String("--"))
                   ? ExitUsage
                   : ExitFileError;
    }

    const QString fileName = parser.positionalArguments().constFirst();
    const ProjectEvaluation evaluation = ProjectEvaluation::evaluate(fileName, CriteriaOptions());
    if (!evaluation.loaded) {
        CliOutput::printError(QStringLiteral("%1: %2").arg(fileName, evaluation.errorText));
        return ExitFileError;
    }
    const InputData &input = evaluation.document.inputData();
    const QString problem = invalidLayers(input);
    if (!problem.isEmpty()) {
        CliOutput::printError(QStringLiteral("%1: %2").arg(fileName, problem));
        return ExitNotAssessed;
    }
    description.fileName = fileName;
    description.years = options.years;
    description.initialRhPercent = options.initialRh * 100;
    description.monitors = options.monitors;
    for (const MaterialLayer &layer : input.layers())
        description.layerWidths.push_back(layer.width());

    TransientSimulation simulation(input, evaluation.document.projectInformation().m_heatFlowDirection, interior,
                                   exterior, options);
    bool solved = true;
    {
        InterruptGuard guard;
        Progress progress;
        solved = simulation.run([&progress](double done, double total) {
            progress.update(done, total);
            return !interrupted;
        });
    }
    if (!solved)
        CliOutput::printError(tr("%1: the simulation stopped: %2").arg(fileName, simulation.errorText()));
    const bool stopped = interrupted;
    if (stopped)
        CliOutput::printError(tr("%1: interrupted after %2 h; writing what is computed.")
                                  .arg(fileName)
                                  .arg(simulation.records().back().hour));

    const QStringList inputs = parser.positionalArguments();
    const bool force = parser.isSet(QStringLiteral("force"));
    int result = ExitSuccess;
    if (parser.isSet(QStringLiteral("out-csv")))
        result = writeFile(csvFile, SimulationOutput::csv(simulation, interior, exterior, description), inputs, force);
    if (result == ExitSuccess && parser.isSet(QStringLiteral("plot"))) {
        QByteArray chart;
        if (!SimulationChart::encode(plotFormat, chartContent(simulation, input, fileName), chart)) {
            CliOutput::printError(tr("%1: the chart could not be drawn.").arg(plotFile));
            return ExitFileError;
        }
        result = writeFile(plotFile, chart, inputs, force);
    }
    if (result != ExitSuccess)
        return result;
    const TransientSimulation::Summary summary = simulation.summary();
    if (!CliFiles::isStandardOutput(csvFile) || !parser.isSet(QStringLiteral("out-csv"))) {
        const QByteArray text = parser.isSet(QStringLiteral("json")) ? SimulationOutput::json(summary, description)
                                                                     : SimulationOutput::text(summary, description);
        if (!CliOutput::write(text))
            return outputFailed();
    }
    if (stopped)
        return ExitInterrupted;
    return solved ? ExitSuccess : ExitNotAssessed;
}
