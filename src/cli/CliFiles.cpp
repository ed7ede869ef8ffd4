#include "CliFiles.h"

#include "CliCommand.h"
#include "CliOutput.h"

#include <model/SafeFileWriter.h>

#include <QFileInfo>

bool CliFiles::isStandardOutput(const QString &output) {
    return output == QLatin1String("-");
}

bool CliFiles::sameFile(const QString &a, const QString &b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
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
