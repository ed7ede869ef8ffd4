#include "CliFiles.h"

#include "CliCommand.h"
#include "CliOutput.h"

#include <model/SafeFileWriter.h>

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

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
