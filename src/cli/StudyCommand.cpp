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
#include <QRegularExpression>

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

/*! True when the items of a list read as a number written with a decimal comma: "0,06" (decimals with a leading
    zero) or "0,5" (a whole number after a single 0). */
bool looksLikeDecimalComma(const QStringList &items) {
    const QRegularExpression digits(QStringLiteral("^\\d+$"));
    for (int i = 1; i < items.size(); ++i) {
        const QString item = items[i].trimmed();
        const QString before = items[i - 1].trimmed();
        if (digits.match(item).hasMatch() && digits.match(before).hasMatch() &&
            (item.startsWith(QLatin1Char('0')) || (items.size() == 2 && before == QLatin1String("0"))))
            return true;
    }
    return false;
}

bool readList(const QString &text, VariantStudy::Quantity quantity, std::vector<double> &values, QString &errorText) {
    const QStringList items = text.split(QLatin1Char(','));
    if (looksLikeDecimalComma(items)) {
        errorText = StudyCommand::tr("--values '%1' looks like a number with a decimal comma; write decimals with a "
                                     "point (0.06) and separate values with commas (0.06,0.08).")
                        .arg(text);
        return false;
    }
    for (const QString &item : items) {
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
    if (!std::isfinite(*to - *from)) {
        errorText =
            StudyCommand::tr("The range from %1 to %2 is too wide to be divided into steps.").arg(*from).arg(*to);
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

/*! The value axis scale of --x-scale. */
std::optional<StudyChart::AxisScale> axisScale(const QCommandLineParser &parser) {
    const QString name = parser.value(QStringLiteral("x-scale"));
    if (name.isEmpty() || name == QLatin1String("auto"))
        return StudyChart::AxisScale::Automatic;
    if (name == QLatin1String("linear"))
        return StudyChart::AxisScale::Linear;
    if (name == QLatin1String("log"))
        return StudyChart::AxisScale::Logarithmic;
    return std::nullopt;
}

} // namespace

int StudyCommand::writeChart(const QCommandLineParser &parser, const StudyChart::Paper &paper,
                             const StudyChart::Content &content) {
    const QString chartFile = parser.value(QStringLiteral("plot"));
    QString errorText;
    const int refusal = CliFiles::checkOutput(chartFile, parser.positionalArguments(),
                                              parser.isSet(QStringLiteral("force")), errorText);
    if (refusal != ExitSuccess) {
        CliOutput::printError(errorText);
        return refusal;
    }
    QByteArray chart;
    if (!StudyChart::encode(QFileInfo(chartFile).suffix().toLower(), paper, content, chart)) {
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
              "                  interior climate (no --layer)\n"
              "  --layer N       layer counted from 1 on the warm side, as in the report\n"
              "  --from A --to B --steps K   K evenly spaced values from A to B (default 11)\n"
              "  --values a,b,c  the values to judge, decimals with a point\n"
              "  --json, --csv   JSON or CSV instead of the text table; the CSV header names the quantity and\n"
              "                  unit, numbers are in their shortest exact form\n"
              "  --find-limit    find every change between passing and failing values in the scan and refine\n"
              "                  each by bisection to 1e-4 of its values (the tolerance is printed); JSON: \"limit\"\n"
              "                  with \"changes\", CSV: comment lines '# limit,...' and '# change,...' after the rows\n"
              "  --plot OUT      draw M_c and drying time against the value to OUT (.svg, .png or .pdf, 16 cm wide)\n"
              "  --dpi D         resolution of a PNG chart (default 300)\n"
              "  --x-scale S     value axis of the chart: auto (logarithmic for sd and for values spanning more\n"
              "                  than two decades), linear or log\n"
              "  --force         replace OUT when it exists\n") +
           CriteriaOptions::usage() +
           tr("\n\nA value that makes the input invalid gives a row saying so. Exit codes: 0 the study ran, 1 bad "
              "usage, 2 the project could not be loaded or an output not written, 3 no value could be judged.");
}

std::optional<VariantStudy::Quantity> StudyCommand::quantityFromName(const QString &name) {
    for (const QuantityName &entry : QuantityNames)
        if (name == QLatin1String(entry.name))
            return entry.quantity;
    return std::nullopt;
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
    for (const char *option : {"vary", "layer", "from", "to", "steps", "values", "plot", "dpi", "x-scale"})
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
    if (!VariantStudy::isLayerQuantity(*quantity) && parser.isSet(QStringLiteral("layer")))
        return usageError(tr("--vary %1 is a value of the interior climate; --layer does not apply.")
                              .arg(parser.value(QStringLiteral("vary"))));
    if (VariantStudy::isLayerQuantity(*quantity)) {
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
    StudyChart::Paper paper;
    bool ok = true;
    if (parser.isSet(QStringLiteral("dpi")))
        paper.dpi = parser.value(QStringLiteral("dpi")).toDouble(&ok);
    if (!ok || !(paper.dpi >= 30 && paper.dpi <= 1200))
        return usageError(tr("--dpi needs a resolution between 30 and 1200."));
    const std::optional<StudyChart::AxisScale> scale = axisScale(parser);
    if (!scale)
        return usageError(tr("--x-scale needs auto, linear or log."));

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
    if (!study.warning().isEmpty())
        CliOutput::printError(tr("warning: %1").arg(study.warning()));
    const std::vector<VariantStudy::Row> rows = study.run(values);
    std::optional<VariantStudy::Limit> limit;
    if (parser.isSet(QStringLiteral("find-limit")))
        limit = study.findLimit(rows);
    const bool anyJudged =
        std::any_of(rows.begin(), rows.end(), [](const VariantStudy::Row &row) { return row.allFulfilled; });

    StudyDescription description;
    description.fileName = fileName;
    description.quantityName = parser.value(QStringLiteral("vary"));
    description.layer = layer;
    if (layer > 0)
        description.layerName = document.inputData().layers()[layer - 1].name();
    description.unit = VariantStudy::unit(*quantity);
    if (parser.isSet(QStringLiteral("plot"))) {
        StudyChart::Content content =
            StudyChart::content(rows, limit ? &*limit : nullptr, *quantity, layer, description.layerName, *scale);
        content.title = QFileInfo(fileName).fileName().toHtmlEscaped();
        const int chartExit = writeChart(parser, paper, content);
        if (chartExit != ExitSuccess)
            return chartExit;
    }
    QByteArray text;
    if (parser.isSet(QStringLiteral("json")))
        text = StudyOutput::json(description, rows, limit);
    else if (parser.isSet(QStringLiteral("csv")))
        text = StudyOutput::csv(description, rows, limit);
    else
        text = StudyOutput::text(description, rows, limit);
    if (!CliOutput::write(text))
        return outputFailed();
    if (anyJudged)
        return ExitSuccess;
    CliOutput::printError(tr("%1: no value could be judged: every row is invalid or has no result.").arg(fileName));
    return ExitNotAssessed;
}
