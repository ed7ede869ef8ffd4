#include "CliCommand.h"

#include "CliOutput.h"

int CliCommand::usageError(const QString &message) const {
    CliOutput::printError(message);
    CliOutput::printError(usage());
    return ExitUsage;
}
