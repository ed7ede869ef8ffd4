// hygrolux2-cli: batch command-line tool on the program's model, calculation and criteria code.

#include "CliDispatcher.h"
#include "CliFiles.h"
#include "CliOutput.h"
#include "CliMessageHandler.h"
#include "DiagramCommand.h"
#include "ReportCommand.h"
#include "SimulateCommand.h"
#include "StudyCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

int main(int argc, char *argv[]) {
    // The message handler comes first, so that Qt's notes while the application object starts stay out of a
    // quiet run.
    CliMessageHandler handler;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--verbose") == 0)
            CliMessageHandler::setVerbose(true);
    // Without a runtime directory Qt warns on every run; a private one keeps standard error for our messages.
    QTemporaryDir runtimeDirectory;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDirectory.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDirectory.path()));
    CliDispatcher dispatcher;
    dispatcher.addCommand(std::make_unique<DiagramCommand>());
    dispatcher.addCommand(std::make_unique<ReportCommand>());
    dispatcher.addCommand(std::make_unique<StudyCommand>());
    dispatcher.addCommand(std::make_unique<SimulateCommand>());
    // A core application runs on any machine and never touches the settings store. A command that draws with the
    // graphics scene needs a GUI application; the offscreen platform spares it a display.
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    const CliCommand *command = dispatcher.command(CliDispatcher::commandName(rawArguments));
    const bool drawing = command && command->needsGuiApplication();
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(drawing ? new QApplication(argc, argv) : new QCoreApplication(argc, argv));
    // A name with bytes the system's encoding cannot decode would reach the command mangled.
    const QString undecodable = CliFiles::undecodableArgument(argc - 1, argv + 1);
    if (!undecodable.isEmpty()) {
        CliOutput::printError(undecodable);
        return CliCommand::ExitFileError;
    }
    return dispatcher.run(QCoreApplication::arguments().mid(1));
}
