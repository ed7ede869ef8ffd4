#ifndef CliCommandH
#define CliCommandH

// One subcommand of the command-line tool ("calc", "materials", "convert", ...). The dispatcher owns one object
// per command, picks it by name and hands it the arguments that follow the name. A new command is one more
// class in its own file, registered in CliDispatcher.

#include <QString>
#include <QStringList>

class QCommandLineParser;
class CriteriaOptions;
class MonthlyOptions;
class ProjectEvaluation;

class CliCommand {
public:
    /*! Exit codes shared by all commands. */
    enum ExitCode {
        ExitSuccess = 0,
        /*! Unknown command or option, missing or malformed argument. */
        ExitUsage = 1,
        /*! A file could not be read or written. */
        ExitFileError = 2,
        /*! Every file loaded, but a project's input is invalid or its calculation has no result the criteria
            could judge. A file error wins over this. */
        ExitNotAssessed = 3,
        /*! The output is complete but a warning applies (materials: missing user directory, damaged database). */
        ExitWarning = 3
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
    /*! True when the command draws with the graphics scene, which needs a GUI application object. */
    virtual bool needsGuiApplication() const { return false; }

    /*! "hygrolux2-cli" with product name and version. */
    static QString versionText();

    /*! Says on standard error that standard output could not be written; returns ExitFileError. */
    static int outputFailed();

protected:
    /*! Writes \a bytes to \a outFile safely; a file of a project without judged results is written all the same,
        and the reason goes to standard error. Returns ExitFileError, ExitNotAssessed or ExitSuccess. */
    static int writeOutputOf(const ProjectEvaluation &evaluation, const QString &outFile, const QByteArray &bytes);
    /*! As writeOutputOf(), with the reason why the results of the project \a fileName were not judged given (plain
        text, empty when they were). */
    static int writeOutput(const QString &fileName, const QString &outFile, const QByteArray &bytes,
                           const QString &notAssessedReason);
    /*! Prints \a message and a pointer to --help as one line to standard error; returns ExitUsage. */
    int usageError(const QString &message) const;
    /*! Adds -h/--help, -V/--version and --verbose to \a parser and parses \a arguments; false when the command
        ends here with \a exitCode: ExitUsage after a parse error, ExitSuccess after printing the usage text for
        --help or the version for --version. --verbose lets the log through to standard error. */
    bool parse(QCommandLineParser &parser, const QStringList &arguments, int &exitCode) const;
    /*! parse() with the criteria options as well, read into \a criteria; an invalid criteria value ends the
        command with ExitUsage. */
    bool parseWithCriteria(QCommandLineParser &parser, const QStringList &arguments, CriteriaOptions &criteria,
                           int &exitCode) const;
    /*! Reads the monthly method's options into \a monthly; false when the command ends here with \a exitCode
        (ExitUsage for a bad value, the file error code when a climate file cannot be read). */
    bool readMonthly(const QCommandLineParser &parser, MonthlyOptions &monthly, int &exitCode) const;
};

#endif // CliCommandH
