#ifndef CliFilesH
#define CliFilesH

// The output files of the commands: "-" for standard output, never one of the command's own input files, an
// existing file replaced only on request, and every write complete or not at all.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QByteArray;

class CliFiles {
    Q_DECLARE_TR_FUNCTIONS(CliFiles)
public:
    /*! True for "-", standard output. */
    static bool isStandardOutput(const QString &output);
    /*! True when \a a and \a b name the same existing file, also through links, hard links and bind mounts. */
    static bool sameFile(const QString &a, const QString &b);
    /*! Whether \a output may be written: it must not be one of \a inputs, and an existing file needs \a force.
        Returns the exit code of the refusal (usage error for an input file, file error for an existing one) with
        the reason in \a errorText, or 0. */
    static int checkOutput(const QString &output, const QStringList &inputs, bool force, QString &errorText);
    /*! Writes \a data to \a output ("-": standard output) completely or not at all; false with the reason. */
    static bool write(const QString &output, const QByteArray &data, QString &errorText);
    /*! The refusal for the first of the \a count raw arguments in \a arguments whose bytes do not survive decoding
        with the system's encoding (a file name with bytes that are not UTF-8 under a UTF-8 locale): such a
        name would be opened as a different, mangled one. Bytes outside printable ASCII are shown as \\xNN.
        Empty when every argument decodes. */
    static QString undecodableArgument(int count, const char *const *arguments);
};

#endif // CliFilesH
