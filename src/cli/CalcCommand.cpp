#include "CalcCommand.h"

#include "CliOutput.h"
#include "CriteriaOptions.h"
#include "JsonWriter.h"
#include "MonthlyJson.h"
#include "MonthlyOptions.h"
#include "MonthlyText.h"
#include "PlainText.h"
#include "ProjectEvaluation.h"
#include "ResultsJson.h"
#include "TextSummary.h"

#include <calculation/CriteriaBasis.h>

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>

#include <vector>

QString CalcCommand::synopsis() const {
    return tr("calc [options] FILE...       recalculate project files, print results and criteria as JSON");
}

QString CalcCommand::usage() const {
    return tr("Usage: hygrolux2-cli calc [options] FILE...\n"
              "Loads each project file (.v2p or .vpj; '-': standard input), recalculates it and prints the results "
              "and the\ncriteria as JSON: one object for one file, an array of objects for several.\n\n"
              "Options:\n"
              "  --json                 JSON (the default)\n"
              "  --text                 short human-readable summary instead of JSON\n"
              "  --array                always an array, also for one file\n"
              "  --json-lines           one JSON object per line\n"
              "  @LIST                  read the project files from the file LIST, one per line\n"
              "  --list-kinds           print the editions, tables and construction kinds the criteria options\n"
              "                         accept, and nothing else\n") +
           CriteriaOptions::usage() + QStringLiteral("\n") + MonthlyOptions::usage() +
           tr("\n\nExit codes:\n"
              "  0  every file loaded and assessed\n"
              "  1  bad usage\n"
              "  2  a file could not be loaded\n"
              "  3  every file loaded, but a project's input is invalid or its calculation has no result the "
              "criteria could judge (its rows are \"Not assessed\")");
}

int CalcCommand::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption text(QStringLiteral("text"));
    const QCommandLineOption array(QStringLiteral("array"));
    const QCommandLineOption jsonLines(QStringLiteral("json-lines"));
    const QCommandLineOption listKinds(QStringLiteral("list-kinds"));
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    parser.addOptions({text, array, jsonLines, listKinds, jsonOption});
    MonthlyOptions::addTo(parser);
    CriteriaOptions criteria;
    int exitCode = ExitSuccess;
    if (!parseWithCriteria(parser, arguments, criteria, exitCode))
        return exitCode;
    if (parser.isSet(text) && (parser.isSet(array) || parser.isSet(jsonLines)))
        return usageError(tr("--text prints no JSON; choose one of --text, --array and --json-lines."));
    MonthlyOptions monthly;
    if (!readMonthly(parser, monthly, exitCode))
        return exitCode;
    if (parser.isSet(listKinds))
        return CliOutput::write(CriteriaOptions::choices().toUtf8()) ? ExitSuccess : outputFailed();
    QStringList files;
    for (const QString &argument : parser.positionalArguments()) {
        if (!argument.startsWith(QLatin1Char('@'))) {
            files << argument;
            continue;
        }
        // "@list.txt": one project file per line, for lists longer than a command line.
        QFile list(argument.mid(1));
        if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
            CliOutput::printError(tr("%1: the file list cannot be read.").arg(argument.mid(1)));
            return ExitFileError;
        }
        for (const QString &line : QString::fromUtf8(list.readAll()).split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                files << line.trimmed();
    }
    if (files.isEmpty())
        return usageError(tr("No project file given."));

    std::vector<ProjectEvaluation> evaluations;
    for (const QString &file : files)
        evaluations.push_back(ProjectEvaluation::evaluate(file, criteria));
    if (monthly.monthly)
        return runMonthly(evaluations, monthly, parser.isSet(text), parser.isSet(jsonLines),
                          evaluations.size() > 1 || parser.isSet(array));
    exitCode = reportProblems(evaluations);

    if (parser.isSet(text)) {
        QStringList summaries;
        for (const ProjectEvaluation &evaluation : evaluations)
            if (evaluation.loaded)
                summaries << TextSummary::text(evaluation);
        return CliOutput::write(summaries.join(QLatin1Char('\n')).toUtf8()) ? exitCode : outputFailed();
    }
    if (parser.isSet(jsonLines))
        return CliOutput::write(jsonLinesText(evaluations)) ? exitCode : outputFailed();
    // A glob that matches one file must not change the shape for a script: --array keeps the array.
    const bool asArray = evaluations.size() > 1 || parser.isSet(array);
    JsonWriter json;
    if (asArray)
        json.beginArray(JsonWriter::Block);
    for (const ProjectEvaluation &evaluation : evaluations)
        ResultsJson::writeEvaluation(json, evaluation);
    if (asArray)
        json.endArray();
    return CliOutput::write(json.text()) ? exitCode : outputFailed();
}

int CalcCommand::runMonthly(const std::vector<ProjectEvaluation> &evaluations, const MonthlyOptions &options, bool text,
                            bool jsonLines, bool asArray) {
    int exitCode = ExitSuccess;
    QStringList summaries;
    QByteArray lines;
    JsonWriter json;
    if (asArray)
        json.beginArray(JsonWriter::Block);
    for (const ProjectEvaluation &evaluation : evaluations) {
        const MonthlyAssessment monthly = options.evaluate(evaluation);
        if (!evaluation.loaded) {
            CliOutput::printError(QStringLiteral("%1: %2").arg(evaluation.fileName, evaluation.errorText));
            exitCode = ExitFileError;
        }
        else if (!monthly.results.valid) {
            CliOutput::printError(
                tr("%1: not assessed: %2").arg(evaluation.fileName, MonthlyOptions::notAssessedReason(monthly)));
            exitCode = exitCode == ExitFileError ? exitCode : int(ExitNotAssessed);
        }
        if (text && evaluation.loaded)
            summaries << MonthlyText::text(evaluation, monthly);
        if (jsonLines) {
            JsonWriter line;
            MonthlyJson::writeEvaluation(line, evaluation, monthly);
            lines += QJsonDocument::fromJson(line.text()).toJson(QJsonDocument::Compact) + '\n';
        }
        MonthlyJson::writeEvaluation(json, evaluation, monthly);
    }
    if (asArray)
        json.endArray();
    const QByteArray output = text ? summaries.join(QLatin1Char('\n')).toUtf8() : jsonLines ? lines : json.text();
    return CliOutput::write(output) ? exitCode : outputFailed();
}

QByteArray CalcCommand::jsonLinesText(const std::vector<ProjectEvaluation> &evaluations) {
    QByteArray text;
    for (const ProjectEvaluation &evaluation : evaluations) {
        JsonWriter json;
        ResultsJson::writeEvaluation(json, evaluation);
        text += QJsonDocument::fromJson(json.text()).toJson(QJsonDocument::Compact) + '\n';
    }
    return text;
}

int CalcCommand::reportProblems(const std::vector<ProjectEvaluation> &evaluations) {
    bool fileError = false;
    bool notAssessed = false;
    for (const ProjectEvaluation &evaluation : evaluations) {
        if (!evaluation.loaded) {
            CliOutput::printError(QStringLiteral("%1: %2").arg(evaluation.fileName, evaluation.errorText));
            fileError = true;
            continue;
        }
        const CriteriaBasis basis(evaluation.document.calculation().results());
        if (basis.judged())
            continue;
        CliOutput::printError(
            tr("%1: not assessed: %2").arg(evaluation.fileName, PlainText::fromHtml(basis.notAssessedReason())));
        notAssessed = true;
    }
    if (fileError)
        return ExitFileError;
    return notAssessed ? ExitNotAssessed : ExitSuccess;
}
