#include "CliCommand.h"

#include "CliOutput.h"
#include "CriteriaOptions.h"

#include <QCommandLineParser>

int CliCommand::outputFailed() {
    CliOutput::printError(QCoreApplication::translate("CliCommand", "Standard output could not be written."));
    return ExitFileError;
}

int CliCommand::usageError(const QString &message) const {
    // One line that says what is wrong; the whole help text would bury it.
    CliOutput::printError(message + QLatin1Char(' ') +
                          QCoreApplication::translate("CliCommand", "See hygrolux2-cli %1 --help.").arg(name()));
    return ExitUsage;
}

bool CliCommand::parse(QCommandLineParser &parser, const QStringList &arguments, int &exitCode) const {
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!parser.parse(QStringList{name()} + arguments)) {
        exitCode = usageError(parser.errorText());
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        CliOutput::print(usage());
        exitCode = ExitSuccess;
        return false;
    }
    return true;
}

bool CliCommand::parseWithCriteria(QCommandLineParser &parser, const QStringList &arguments, ReportSettings &settings,
                                   int &exitCode) const {
    CriteriaOptions::addTo(parser);
    if (!parse(parser, arguments, exitCode))
        return false;
    QString errorText;
    if (!CriteriaOptions::read(parser, settings, errorText)) {
        exitCode = usageError(errorText);
        return false;
    }
    return true;
}
