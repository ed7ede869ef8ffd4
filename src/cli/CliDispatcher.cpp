#include "CliDispatcher.h"

#include "CalcCommand.h"
#include "CliOutput.h"
#include "ConvertCommand.h"
#include "CriteriaCommand.h"
#include "MaterialsCommand.h"

#include <model/ProgramInfo.h>

CliDispatcher::CliDispatcher() {
    m_commands.push_back(std::make_unique<CalcCommand>());
    m_commands.push_back(std::make_unique<MaterialsCommand>());
    m_commands.push_back(std::make_unique<ConvertCommand>());
    m_commands.push_back(std::make_unique<CriteriaCommand>());
}

int CliDispatcher::run(QStringList arguments) {
    QString languageId;
    QString errorText;
    if (!CliLanguage::take(arguments, languageId, errorText) || !m_language.apply(languageId, errorText)) {
        CliOutput::printError(errorText);
        return CliCommand::ExitUsage;
    }
    // "--verbose" may stand in front of the command as well; main() has already let the log through.
    while (!arguments.isEmpty() && arguments.constFirst() == QLatin1String("--verbose"))
        arguments.removeFirst();
    if (arguments.isEmpty()) {
        CliOutput::printError(tr("No command given; see hygrolux2-cli --help."));
        return CliCommand::ExitUsage;
    }
    const QString &first = arguments.constFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        return CliOutput::print(usage()) ? CliCommand::ExitSuccess : CliCommand::outputFailed();
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-V")) {
        return CliOutput::print(CliCommand::versionText()) ? CliCommand::ExitSuccess : CliCommand::outputFailed();
    }
    CliCommand *selected = command(first);
    if (!selected) {
        CliOutput::printError(tr("Unknown command '%1'; see hygrolux2-cli --help.").arg(first));
        return CliCommand::ExitUsage;
    }
    return selected->run(arguments.mid(1));
}

QString CliDispatcher::usage() const {
    QString text = tr("Usage: hygrolux2-cli COMMAND [options] [arguments]\n"
                      "Batch tool of %1: the program's own model, calculation and criteria without a window.\n\n"
                      "Commands:\n")
                       .arg(ProgramInfo::productName());
    for (const auto &command : m_commands)
        text += QStringLiteral("  ") + command->synopsis() + QLatin1Char('\n');
    text += tr("\n  -h, --help                   this text; 'hygrolux2-cli COMMAND --help' for a command\n"
               "  -V, --version                program version (also after a command)\n"
               "  --verbose                    the program's log on standard error (before or after a command)\n"
               "  --lang ID                    language of texts and numbers: en (default) or de (before or after a "
               "command)");
    return text;
}

QString CliDispatcher::commandName(const QStringList &arguments) {
    QStringList rest = arguments;
    QString languageId;
    QString errorText;
    CliLanguage::take(rest, languageId, errorText);
    rest.removeAll(QStringLiteral("--verbose"));
    return rest.value(0);
}

CliCommand *CliDispatcher::command(const QString &name) const {
    for (const auto &command : m_commands)
        if (command->name() == name)
            return command.get();
    return nullptr;
}
