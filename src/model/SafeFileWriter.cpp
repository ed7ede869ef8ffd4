#include "SafeFileWriter.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSaveFile>

bool SafeFileWriter::write(const QString &fileName, const QByteArray &data, QString *errorText) {
    return write(fileName, data, errorText, [](QSaveFile &file, QString &reason) {
        if (file.commit())
            return true;
        reason = file.errorString();
        return false;
    });
}

bool SafeFileWriter::write(const QString &fileName, const QByteArray &data, QString *errorText,
                           const CommitStep &commit) {
    const auto failed = [errorText](const QString &text) {
        if (errorText)
            *errorText = text;
        return false;
    };
    // The temporary file is renamed over the target: that would replace a device, a pipe or a directory by a
    // plain file, which with enough rights destroys it.
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile())
        return failed(tr("Cannot write file '%1': it is not a regular file.").arg(fileName));
    // Unbuffered, so that a short write shows at once instead of being lost in the final flush.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(tr("Cannot open file '%1' for writing: %2").arg(fileName, file.errorString()));
    qint64 written = 0;
    while (written < data.size()) {
        const qint64 n = file.write(data.constData() + written, data.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return failed(tr("Error writing file '%1': %2").arg(fileName, reason));
        }
        written += n;
    }
    QString reason;
    if (!commit(file, reason))
        return failed(tr("Error writing file '%1': %2").arg(fileName, reason));
    return true;
}
