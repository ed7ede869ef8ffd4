#include "CalcCommand.h"

#include "CliOutput.h"
#include "CriteriaOptions.h"
#include "JsonWriter.h"
#include "ProjectEvaluation.h"
#include "ResultsJson.h"
#include "TextSummary.h"

#include <model/ReportSettings.h>

#include <QCommandLineParser>

#include <vector>

QString CalcCommand::synopsis() const {
    return tr("calc [options] FILE...       recalculate project files, print results and criteria as JSON");
}

QString CalcCommand::usage() const {
    return tr("Usage: hygrolux2-cli calc [options] FILE...\n"
              "Loads each project file (.v2p or .vpj), recalculates it and prints the results and the criteria as "
              "JSON:\none object for one file, an array of objects for several.\n\n"
              "Options:\n"
              "  --text                 short human-readable summary instead of JSON\n") +
           CriteriaOptions::usage() +
           tr("\n\nExit code 0 when every file loaded, 2 when a file could not be loaded, 1 for bad usage.");
}

int CalcCommand::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption text(QStringLiteral("text"));
    parser.addOption(text);
    ReportSettings settings;
    int exitCode = ExitSuccess;
    if (!parseWithCriteria(parser, arguments, settings, exitCode))
        return exitCode;
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return usageError(tr("No project file given."));

    std::vector<ProjectEvaluation> evaluations;
    for (const QString &file : files) {
        evaluations.push_back(ProjectEvaluation::evaluate(file, settings));
        if (!evaluations.back().loaded) {
            CliOutput::printError(QStringLiteral("%1: %2").arg(file, evaluations.back().errorText));
            exitCode = ExitFileError;
        }
    }

    if (parser.isSet(text)) {
        QStringList summaries;
        for (const ProjectEvaluation &evaluation : evaluations)
            if (evaluation.loaded)
                summaries << TextSummary::text(evaluation);
        CliOutput::write(summaries.join(QLatin1Char('\n')).toUtf8());
        return exitCode;
    }
    JsonWriter json;
    if (evaluations.size() > 1)
        json.beginArray(JsonWriter::Block);
    for (const ProjectEvaluation &evaluation : evaluations)
        ResultsJson::writeEvaluation(json, evaluation);
    if (evaluations.size() > 1)
        json.endArray();
    CliOutput::write(json.text());
    return exitCode;
}
