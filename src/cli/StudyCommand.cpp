#include "StudyCommand.h"

#include "CliFiles.h"
#include "CliOutput.h"
#include "CriteriaOptions.h"
#include "ProjectEvaluation.h"
#include "StudyOutput.h"

#include <model/ReportSettings.h>
#include <visualisation/StudyChart.h>

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

#include <cmath>

namespace {

const int MaxValues = 10000;

struct QuantityName {
    const char *name;
    VariantStudy::Quantity quantity;
};

const QuantityName QuantityNames[] = {{"width", VariantStudy::Quantity::Width},
                                      {"sd", VariantStudy::Quantity::SdValue},
                                      {"lambda", VariantStudy::Quantity::Lambda},
                                      {"mu", VariantStudy::Quantity::Mu},
                                      {"aw", VariantStudy::Quantity::Aw},
                                      {"rh-inside", VariantStudy::Quantity::InsideHumidity},
                                      {"t-inside", VariantStudy::Quantity::InsideTemperature}};

bool isLayerQuantity(VariantStudy::Quantity quantity) {
    return quantity != VariantStudy::Quantity::InsideHumidity && quantity != VariantStudy::Quantity::InsideTemperature;
}

bool readList(const QString &text, VariantStudy::Quantity quantity, std::vector<double> &values, QString &errorText) {
    for (const QString &item : text.split(QLatin1Char(','))) {
        const std::optional<double> value = StudyCommand::parseValue(item, quantity);
        if (!value) {
            errorText = StudyCommand::tr("Invalid value '%1' in --values.").arg(item);
            return false;
        }
        values.push_back(*value);
    }
    return true;
}

bool readRange(const QCommandLineParser &parser, VariantStudy::Quantity quantity, std::vector<double> &values,
               QString &errorText) {
    const std::optional<double> from = StudyCommand::parseValue(parser.value(QStringLiteral("from")), quantity);
    const std::optional<double> to = StudyCommand::parseValue(parser.value(QStringLiteral("to")), quantity);
    bool stepsOk = true;
    const int steps =
        parser.isSet(QStringLiteral("steps")) ? parser.value(QStringLiteral("steps")).toInt(&stepsOk) : 11;
    if (!from || !to) {
        errorText = StudyCommand::tr("--from and --to need numbers.");
        return false;
    }
    if (!stepsOk || steps < 1 || steps > MaxValues) {
        errorText = StudyCommand::tr("--steps needs a whole number from 1 to %1.").arg(MaxValues);
        return false;
    }
    values = VariantStudy::linearValues(*from, *to, steps);
    return true;
}

/*! The values of --values or of --from/--to/--steps, exactly one of the two. */
bool readValues(const QCommandLineParser &parser, VariantStudy::Quantity quantity, std::vector<double> &values,
                QString &errorText) {
    const bool list = parser.isSet(QStringLiteral("values"));
    const bool range = parser.isSet(QStringLiteral("from")) || parser.isSet(QStringLiteral("to"));
    if (list == range) {
        errorText = StudyCommand::tr("Give either --from A --to B [--steps K] or --values a,b,c.");
        return false;
    }
    if (list && !readList(parser.value(QStringLiteral("values")), quantity, values, errorText))
        return false;
    if (range && !readRange(parser, quantity, values, errorText))
        return false;
    if (values.size() > size_t(MaxValues)) {
        errorText = StudyCommand::tr("At most %1 values.").arg(MaxValues);
        return false;
    }
    return true;
}

StudyChart::Content chartContent(const StudyDescription &description, const std::vector<VariantStudy::Row> &rows) {
    StudyChart::Content content;
    content.title = QFileInfo(description.fileName).fileName() + QStringLiteral(": ") + description.quantityName;
    if (description.layer > 0)
        content.title += StudyCommand::tr(" of layer %1 (%2)").arg(description.layer).arg(description.layerName);
    content.valueTitle = description.quantityName + QStringLiteral(" [") + description.unit + QLatin1Char(']');
    std::vector<VariantStudy::Row> sorted = rows;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const VariantStudy::Row &a, const VariantStudy::Row &b) { return a.value < b.value; });
    for (const VariantStudy::Row &row : sorted) {
        StudyChart::Point point;
        point.value = row.value;
        point.Mc = row.Mc;
        point.dryingDays = row.dryingTimeDays;
        point.judged = row.basis.scope == CriteriaBasis::Scope::All;
        point.passes = row.passes();
        content.points.push_back(point);
    }
    return content;
}

} // namespace

int StudyCommand::writeChart(const QCommandLineParser &parser, const StudyChart::Content &content) {
    const QString chartFile = parser.value(QStringLiteral("plot"));
    QString errorText;
    const int refusal = CliFiles::checkOutput(chartFile, parser.positionalArguments(),
                                              parser.isSet(QStringLiteral("force")), errorText);
    if (refusal != ExitSuccess) {
        CliOutput::printError(errorText);
        return refusal;
    }
    QByteArray chart;
    if (!StudyChart::encode(QFileInfo(chartFile).suffix().toLower(), content, chart)) {
        CliOutput::printError(tr("%1: the chart could not be drawn.").arg(chartFile));
        return ExitFileError;
    }
    if (!CliFiles::write(chartFile, chart, errorText)) {
        CliOutput::printError(errorText);
        return ExitFileError;
    }
    return ExitSuccess;
}

QString StudyCommand::synopsis() const {
    return tr("study FILE --vary Q ...      vary one quantity, judge every value, find the limit");
}

QString StudyCommand::usage() const {
    return tr("Usage: hygrolux2-cli study FILE --vary width|sd|lambda|mu|aw --layer N (--from A --to B [--steps K] "
              "| --values a,b,c) [options]\n"
              "       hygrolux2-cli study FILE --vary rh-inside|t-inside (--from A --to B [--steps K] | --values "
              "a,b,c) [options]\n"
              "Loads the project FILE ('-': standard input), sets each value in turn, recalculates and judges it "
              "like 'calc' and prints one row per value.\n\n"
              "Options:\n"
              "  --vary Q        width (m, also with the suffix mm or cm), sd (m), lambda (W/(m K)), mu (-),\n"
              "                  aw (kg/(m2 h^0.5)) of layer N; rh-inside (%) or t-inside (°C) of the winter\n"
              "                  interior climate\n"
              "  --layer N       layer counted from 1 on the warm side, as in the report\n"
              "  --from A --to B --steps K   K evenly spaced values from A to B (default 11)\n"
              "  --values a,b,c  the values to judge\n"
              "  --json, --csv   JSON or CSV instead of the text table\n"
              "  --find-limit    search the boundary between passing and failing values by bisection on top of "
              "the scan,\n"
              "                  to 0.1 % of the scanned range\n"
              "  --plot OUT      draw M_c and drying time against the value to OUT (.svg, .png or .pdf)\n"
              "  --force         replace OUT when it exists\n") +
           CriteriaOptions::usage() +
           tr("\n\nA value that makes the input invalid gives a row saying so. Exit code 0 when the study ran, 1 for "
              "bad usage, 2 when the project could not be loaded or an output not written.");
}

std::optional<VariantStudy::Quantity> StudyCommand::quantityFromName(const QString &name) {
    for (const QuantityName &entry : QuantityNames)
        if (name == QLatin1String(entry.name))
            return entry.quantity;
    return std::nullopt;
}

QString StudyCommand::unit(VariantStudy::Quantity quantity) {
    switch (quantity) {
    case VariantStudy::Quantity::Width:
    case VariantStudy::Quantity::SdValue: return QStringLiteral("m");
    case VariantStudy::Quantity::Lambda: return QStringLiteral("W/(m K)");
    case VariantStudy::Quantity::Mu: return QStringLiteral("-");
    case VariantStudy::Quantity::Aw: return QStringLiteral("kg/(m2 h^0.5)");
    case VariantStudy::Quantity::InsideHumidity: return QStringLiteral("%");
    case VariantStudy::Quantity::InsideTemperature: return QStringLiteral("°C");
    }
    return QString();
}

std::optional<double> StudyCommand::parseValue(const QString &text, VariantStudy::Quantity quantity) {
    QString number = text.trimmed();
    double factor = 1;
    if (quantity == VariantStudy::Quantity::Width) {
        if (number.endsWith(QLatin1String("mm")))
            factor = 0.001;
        else if (number.endsWith(QLatin1String("cm")))
            factor = 0.01;
        if (factor != 1)
            number.chop(2);
        else if (number.endsWith(QLatin1Char('m')))
            number.chop(1);
    }
    bool ok = false;
    const double value = number.toDouble(&ok) * factor;
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int StudyCommand::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *option : {"vary", "layer", "from", "to", "steps", "values", "plot"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(option), QString(), QStringLiteral("VALUE")));
    for (const char *flag : {"json", "csv", "find-limit", "force"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(flag)));
    CriteriaOptions criteria;
    int exitCode = ExitSuccess;
    if (!parseWithCriteria(parser, arguments, criteria, exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1)
        return usageError(tr("study needs exactly one project file."));
    const std::optional<VariantStudy::Quantity> quantity = quantityFromName(parser.value(QStringLiteral("vary")));
    if (!quantity)
        return usageError(tr("--vary needs one of width, sd, lambda, mu, aw, rh-inside, t-inside."));
    int layer = 0;
    if (isLayerQuantity(*quantity)) {
        bool ok = false;
        layer = parser.value(QStringLiteral("layer")).toInt(&ok);
        if (!ok || layer < 1)
            return usageError(tr("--vary %1 needs --layer N (N from 1).").arg(parser.value(QStringLiteral("vary"))));
    }
    std::vector<double> values;
    QString errorText;
    if (!readValues(parser, *quantity, values, errorText))
        return usageError(errorText);
    if (parser.isSet(QStringLiteral("json")) && parser.isSet(QStringLiteral("csv")))
        return usageError(tr("Choose one of --json and --csv."));
    const QString chartFormat = QFileInfo(parser.value(QStringLiteral("plot"))).suffix().toLower();
    if (parser.isSet(QStringLiteral("plot")) && !QStringList{"svg", "png", "pdf"}.contains(chartFormat))
        return usageError(tr("--plot needs a file ending in .svg, .png or .pdf."));

    const QString fileName = parser.positionalArguments().constFirst();
    const ProjectEvaluation evaluation = ProjectEvaluation::evaluate(fileName, criteria);
    if (!evaluation.loaded) {
        CliOutput::printError(QStringLiteral("%1: %2").arg(fileName, evaluation.errorText));
        return ExitFileError;
    }
    const Document &document = evaluation.document;
    // The evaluated project carries the choices in force.
    VariantStudy study(document.inputData(), document.projectInformation().m_heatFlowDirection, ReportSettings(),
                       *quantity, layer);
    if (!study.problem().isEmpty())
        return usageError(study.problem());
    const std::vector<VariantStudy::Row> rows = study.run(values);
    std::optional<VariantStudy::Limit> limit;
    if (parser.isSet(QStringLiteral("find-limit")))
        limit = study.findLimit(rows);

    StudyDescription description;
    description.fileName = fileName;
    description.quantityName = parser.value(QStringLiteral("vary"));
    description.layer = layer;
    if (layer > 0)
        description.layerName = document.inputData().layers()[layer - 1].name();
    description.unit = unit(*quantity);
    if (parser.isSet(QStringLiteral("plot"))) {
        const int chartExit = writeChart(parser, chartContent(description, rows));
        if (chartExit != ExitSuccess)
            return chartExit;
    }
    QByteArray text;
    if (parser.isSet(QStringLiteral("json")))
        text = StudyOutput::json(description, rows, limit);
    else if (parser.isSet(QStringLiteral("csv")))
        text = StudyOutput::csv(rows);
    else
        text = StudyOutput::text(description, rows, limit);
    return CliOutput::write(text) ? ExitSuccess : outputFailed();
}
