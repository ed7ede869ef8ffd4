#ifndef CliCommandH
#define CliCommandH

// One subcommand of the command-line tool ("calc", "materials", "convert", ...). The dispatcher owns one object
// per command, picks it by name and hands it the arguments that follow the name. A new command is one more
// class in its own file, registered in CliDispatcher.

#include <QString>
#include <QStringList>

class CliCommand {
public:
    /*! Exit codes shared by all commands. */
    enum ExitCode {
        ExitSuccess = 0,
        /*! Unknown command or option, missing or malformed argument. */
        ExitUsage = 1,
        /*! A file could not be read or written. */
        ExitFileError = 2
    };

    virtual ~CliCommand() = default;

    /*! Name on the command line. */
    virtual QString name() const = 0;
    /*! One line for the command overview. */
    virtual QString synopsis() const = 0;
    /*! Full usage text with all options. */
    virtual QString usage() const = 0;
    /*! Runs the command with the arguments after its name; returns the exit code. */
    virtual int run(const QStringList &arguments) = 0;

protected:
    /*! Prints \a message and the usage text to standard error; returns ExitUsage. */
    int usageError(const QString &message) const;
};

#endif // CliCommandH
