#include "CliCommand.h"

#include "CliFiles.h"
#include "CliMessageHandler.h"
#include "CliOutput.h"
#include "CriteriaOptions.h"
#include "MonthlyOptions.h"
#include "ProjectEvaluation.h"

#include <model/ProgramInfo.h>

#include <QCommandLineParser>

int CliCommand::outputFailed() {
    CliOutput::printError(QCoreApplication::translate("CliCommand", "Standard output could not be written."));
    return ExitFileError;
}

int CliCommand::writeOutputOf(const ProjectEvaluation &evaluation, const QString &outFile, const QByteArray &bytes) {
    return writeOutput(evaluation.fileName, outFile, bytes, evaluation.notAssessedReason());
}

int CliCommand::writeOutput(const QString &fileName, const QString &outFile, const QByteArray &bytes,
                            const QString &reason) {
    QString errorText;
    if (!CliFiles::write(outFile, bytes, errorText)) {
        CliOutput::printError(errorText);
        return ExitFileError;
    }
    // the file is written all the same; the caller learns that it holds no judged results
    if (!reason.isEmpty()) {
        CliOutput::printError(QCoreApplication::translate("CliCommand", "%1: not assessed: %2").arg(fileName, reason));
        return ExitNotAssessed;
    }
    return ExitSuccess;
}

int CliCommand::usageError(const QString &message) const {
    // One line that says what is wrong; the whole help text would bury it.
    CliOutput::printError(message + QLatin1Char(' ') +
                          QCoreApplication::translate("CliCommand", "See hygrolux2-cli %1 --help.").arg(name()));
    return ExitUsage;
}

QString CliCommand::versionText() {
    return QStringLiteral("hygrolux2-cli (%1) %2").arg(ProgramInfo::productName(), ProgramInfo::version());
}

bool CliCommand::parse(QCommandLineParser &parser, const QStringList &arguments, int &exitCode) const {
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("V"), QStringLiteral("version")}));
    parser.addOption(QCommandLineOption(QStringLiteral("verbose")));
    if (!parser.parse(QStringList{name()} + arguments)) {
        exitCode = usageError(parser.errorText());
        return false;
    }
    CliMessageHandler::setVerbose(parser.isSet(QStringLiteral("verbose")));
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        exitCode = CliOutput::print(parser.isSet(QStringLiteral("help")) ? usage() : versionText()) ? ExitSuccess
                                                                                                    : outputFailed();
        return false;
    }
    return true;
}

bool CliCommand::parseWithCriteria(QCommandLineParser &parser, const QStringList &arguments, CriteriaOptions &criteria,
                                   int &exitCode) const {
    CriteriaOptions::addTo(parser);
    if (!parse(parser, arguments, exitCode))
        return false;
    QString errorText;
    if (!criteria.read(parser, errorText)) {
        exitCode = usageError(errorText);
        return false;
    }
    return true;
}

bool CliCommand::readMonthly(const QCommandLineParser &parser, MonthlyOptions &monthly, int &exitCode) const {
    QString problem;
    const int refused = monthly.read(parser, problem);
    if (!refused)
        return true;
    if (refused == ExitUsage) {
        exitCode = usageError(problem);
    }
    else {
        CliOutput::printError(problem);
        exitCode = refused;
    }
    return false;
}
