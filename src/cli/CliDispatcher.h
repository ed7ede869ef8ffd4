#ifndef CliDispatcherH
#define CliDispatcherH

// Entry of the command-line tool: answers --help and --version and hands everything else to the command named
// by the first argument. Commands are registered in the constructor, one line each.

#include "CliCommand.h"

#include <QCoreApplication>

#include <memory>
#include <vector>

class CliDispatcher {
    Q_DECLARE_TR_FUNCTIONS(CliDispatcher)
public:
    CliDispatcher();

    /*! Registers a command that needs more than the core (the executable adds those). */
    void addCommand(std::unique_ptr<CliCommand> command) { m_commands.push_back(std::move(command)); }

    /*! Runs the arguments after the program name; returns the exit code. */
    int run(QStringList arguments);

    /*! Overview of all commands. */
    QString usage() const;

    /*! The command called \a name, or nullptr. */
    CliCommand *command(const QString &name) const;

private:
    std::vector<std::unique_ptr<CliCommand>> m_commands;
};

#endif // CliDispatcherH
