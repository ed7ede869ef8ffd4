#ifndef CliDispatcherH
#define CliDispatcherH

// Entry of the command-line tool: applies --lang, answers --help and --version and hands everything else to the
// command named by the first argument. Commands are registered in the constructor, one line each.

#include "CliCommand.h"
#include "CliLanguage.h"

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
    /*! The command name among \a arguments: the first one after the options allowed in front of it (--verbose,
        --lang ID). */
    static QString commandName(const QStringList &arguments);

private:
    std::vector<std::unique_ptr<CliCommand>> m_commands;
    // Installed for the whole run, before any text is written.
    CliLanguage m_language;
};

#endif // CliDispatcherH
