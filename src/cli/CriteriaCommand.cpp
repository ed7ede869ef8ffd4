#include "CriteriaCommand.h"

#include "CliOutput.h"
#include "CriteriaOptions.h"

#include <QCommandLineParser>

QString CriteriaCommand::synopsis() const {
    return tr("criteria --list              the editions, tables and construction kinds of the criteria options");
}

QString CriteriaCommand::usage() const {
    return tr("Usage: hygrolux2-cli criteria [--list]\n"
              "Lists the values of --din-edition, --min-res-version and --min-res-kind: the DIN 4108-3 editions and,\n"
              "per DIN 4108-2 table, its construction kinds with the table row and R_min. 'calc --list-kinds' prints "
              "the same.\n\n"
              "Exit codes: 0 listed, 1 bad usage, 2 standard output could not be written.");
}

int CriteriaCommand::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringLiteral("list")));
    int exitCode = ExitSuccess;
    if (!parse(parser, arguments, exitCode))
        return exitCode;
    if (!parser.positionalArguments().isEmpty())
        return usageError(tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    return CliOutput::write(CriteriaOptions::choices().toUtf8()) ? ExitSuccess : outputFailed();
}
