#include "DatabaseBackup.h"

#include <QFile>

bool DatabaseBackup::moveToBackup(const QString &fileName) {
    if (!QFile::exists(fileName))
        return true;
    const QString backup = backupName(fileName);
    if (QFile::exists(backup))
        QFile::remove(backup);
    return QFile::rename(fileName, backup);
}
