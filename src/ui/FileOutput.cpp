#include "FileOutput.h"

#include <QDir>
#include <QMessageBox>

QString FileOutput::startPath(const QString &lastExportFile, const QString &projectFile) {
    if (!lastExportFile.isEmpty())
        return QDir::toNativeSeparators(lastExportFile);
    if (!projectFile.isEmpty())
        return QDir::toNativeSeparators(projectFile);
    return QDir::toNativeSeparators(QDir::homePath());
}

void FileOutput::showWriteError(QWidget *parent, const QString &title, const QString &errorText) {
    QMessageBox::critical(parent, title, errorText);
}
