#include "CliFiles.h"

#include "CliCommand.h"
#include "CliOutput.h"

#include <model/SafeFileWriter.h>

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

#include <sys/stat.h>

bool CliFiles::isStandardOutput(const QString &output) {
    return output == QLatin1String("-");
}

namespace {

/*! stat() of a file; "-" is standard input, which may be redirected from a file. */
bool fileStatus(const QString &name, struct stat &status) {
    if (CliFiles::isStandardOutput(name))
        return ::fstat(0, &status) == 0 && S_ISREG(status.st_mode);
    return ::stat(QFile::encodeName(name).constData(), &status) == 0;
}

} // namespace

bool CliFiles::sameFile(const QString &a, const QString &b) {
    // Paths cannot tell: a bind mount or a hard link reaches the same file under an unrelated name. The device
    // and inode numbers name the file itself.
    struct stat first {};
    struct stat second {};
    return fileStatus(a, first) && fileStatus(b, second) && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

int CliFiles::checkOutput(const QString &output, const QStringList &inputs, bool force, QString &errorText) {
    if (isStandardOutput(output))
        return CliCommand::ExitSuccess;
    for (const QString &input : inputs) {
        if (sameFile(output, input)) {
            errorText = tr("%1: this is an input file; it is never written over.").arg(output);
            return CliCommand::ExitUsage;
        }
    }
    if (QFileInfo::exists(output) && !force) {
        errorText = tr("%1: the file exists; use --force to replace it.").arg(output);
        return CliCommand::ExitFileError;
    }
    return CliCommand::ExitSuccess;
}

bool CliFiles::write(const QString &output, const QByteArray &data, QString &errorText) {
    if (isStandardOutput(output)) {
        if (CliOutput::write(data))
            return true;
        errorText = tr("Standard output could not be written.");
        return false;
    }
    return SafeFileWriter::write(output, data, &errorText);
}

QString CliFiles::undecodableArgument(int count, const char *const *arguments) {
    for (int i = 0; i < count; ++i) {
        const QByteArray bytes(arguments[i]);
        if (QFile::encodeName(QFile::decodeName(bytes)) == bytes)
            continue;
        QString shown;
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            shown += byte >= 0x20 && byte < 0x7F ? QString(QLatin1Char(c))
                                                 : QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        }
        return tr("%1: the name has bytes that are not valid %2 text, so no file of this name can be opened or "
                  "written; rename the file.")
            .arg(shown, QString::fromLatin1(QTextCodec::codecForLocale()->name()));
    }
    return QString();
}
