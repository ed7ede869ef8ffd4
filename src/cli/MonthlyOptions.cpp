#include "MonthlyOptions.h"

#include "CliCommand.h"
#include "PlainText.h"
#include "ProjectEvaluation.h"

#include <calculation/DINCriteriaResult.h>
#include <calculation/MonthlyClimateCsv.h>
#include <model/ReportSettings.h>

#include <QCommandLineParser>

#include <cmath>

namespace {

const char *const Method = "method";
const char *const Climate = "climate";
const char *const IndoorRh = "indoor-rh";
const char *const MoistureClass = "moisture-class";
const char *const MoistureExcess = "moisture-excess";
const char *const IndoorT = "indoor-t";

/*! Far above the excess of any building (pools reach about 0.01 kg/m3), kg/m3. */
const double MaximumExcess = 0.1;

/*! The value of option \a name as a finite number in [low, high] (low excluded when \a openLow). */
bool number(const QCommandLineParser &parser, const char *name, double low, double high, bool openLow, double &value) {
    bool ok = false;
    value = parser.value(QLatin1String(name)).toDouble(&ok);
    return ok && std::isfinite(value) && (openLow ? value > low : value >= low) && value <= high;
}

} // namespace

void MonthlyOptions::addTo(QCommandLineParser &parser) {
    parser.addOption({QLatin1String(Method), QString(), QStringLiteral("M")});
    parser.addOption({QLatin1String(Climate), QString(), QStringLiteral("C")});
    parser.addOption({QLatin1String(IndoorRh), QString(), QStringLiteral("P")});
    parser.addOption({QLatin1String(MoistureClass), QString(), QStringLiteral("N")});
    parser.addOption({QLatin1String(MoistureExcess), QString(), QStringLiteral("DV")});
    parser.addOption({QLatin1String(IndoorT), QString(), QStringLiteral("T")});
}

int MonthlyOptions::read(const QCommandLineParser &parser, QString &errorText) {
    const QString method =
        parser.isSet(QLatin1String(Method)) ? parser.value(QLatin1String(Method)) : QStringLiteral("period");
    if (method != QLatin1String("period") && method != QLatin1String("monthly")) {
        errorText = tr("--method must be 'period' or 'monthly', not '%1'.").arg(method);
        return CliCommand::ExitUsage;
    }
    monthly = method == QLatin1String("monthly");
    for (const char *option : {Climate, IndoorRh, MoistureClass, MoistureExcess, IndoorT}) {
        if (!monthly && parser.isSet(QLatin1String(option))) {
            errorText = tr("--%1 needs --method monthly.").arg(QLatin1String(option));
            return CliCommand::ExitUsage;
        }
    }
    if (const int refused = readInterior(parser, errorText))
        return refused;
    const QString name = parser.value(QLatin1String(Climate));
    if (parser.isSet(QLatin1String(Climate)) && name.compare(QLatin1String("potsdam"), Qt::CaseInsensitive) != 0 &&
        !MonthlyClimateCsv::readFile(name, climate, errorText))
        return CliCommand::ExitFileError;
    return 0;
}

int MonthlyOptions::readInterior(const QCommandLineParser &parser, QString &errorText) {
    int models = 0;
    for (const char *option : {IndoorRh, MoistureClass, MoistureExcess})
        models += parser.isSet(QLatin1String(option)) ? 1 : 0;
    if (models > 1) {
        errorText = tr("--indoor-rh, --moisture-class and --moisture-excess exclude each other.");
        return CliCommand::ExitUsage;
    }
    double value = 0;
    if (parser.isSet(QLatin1String(IndoorT))) {
        if (!number(parser, IndoorT, -40, 80, false, value)) {
            errorText = tr("--indoor-t needs a temperature from -40 to 80 °C.");
            return CliCommand::ExitUsage;
        }
        interior.theta = value;
    }
    if (parser.isSet(QLatin1String(IndoorRh))) {
        if (!number(parser, IndoorRh, 0, 100, true, value)) {
            errorText = tr("--indoor-rh needs a relative humidity above 0 and at most 100 %.");
            return CliCommand::ExitUsage;
        }
        interior.phi = value;
    }
    if (parser.isSet(QLatin1String(MoistureClass))) {
        bool ok = false;
        const int humidityClass = parser.value(QLatin1String(MoistureClass)).toInt(&ok);
        if (!ok || humidityClass < 1 || humidityClass > 5) {
            errorText = tr("--moisture-class needs a humidity class from 1 to 5.");
            return CliCommand::ExitUsage;
        }
        interior.model = MonthlyInterior::Model::MoistureExcess;
        interior.excess = MonthlyInterior::classExcess(humidityClass);
    }
    if (parser.isSet(QLatin1String(MoistureExcess))) {
        if (!number(parser, MoistureExcess, 0, MaximumExcess, false, value)) {
            errorText = tr("--moisture-excess needs a moisture excess from 0 to %1 kg/m3.").arg(MaximumExcess);
            return CliCommand::ExitUsage;
        }
        interior.model = MonthlyInterior::Model::MoistureExcess;
        interior.excess = value;
    }
    return 0;
}

QString MonthlyOptions::usage() {
    return tr("Method:\n"
              "  --method M             period (Glaser scheme and moisture-dependent method, the default) or\n"
              "                         monthly (monthly method of DIN EN ISO 13788)\n"
              "  --climate C            monthly climate: potsdam (default) or a CSV file of 12 rows\n"
              "                         month, theta_e, phi_e in % or p_e in Pa\n"
              "  --indoor-rh P          constant interior relative humidity in % (default 50)\n"
              "  --moisture-class N     interior moisture excess of humidity class 1..5\n"
              "  --moisture-excess DV   interior moisture excess at 0 °C outside in kg/m3\n"
              "  --indoor-t T           interior temperature in °C (default 20)");
}

MonthlyAssessment MonthlyOptions::evaluate(const ProjectEvaluation &evaluation) const {
    const Document &document = evaluation.document;
    const AssessmentChoices choices = document.inputData().assessment().value_or(AssessmentChoices());
    return MonthlyAssessment::evaluate(
        document.inputData(), document.projectInformation().m_heatFlowDirection, climate, interior,
        DINCriteriaResult::layerAwLimit(choices.m_DIN4108_3Accordance_Type, choices.m_nonCapillarAw));
}

QString MonthlyOptions::notAssessedReason(const MonthlyAssessment &assessment) {
    return assessment.results.valid ? QString()
                                    : PlainText::fromHtml(assessment.results.messages.join(QLatin1Char(' ')));
}
