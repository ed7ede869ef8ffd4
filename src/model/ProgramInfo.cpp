#include "ProgramInfo.h"

#include <QCoreApplication>

namespace ProgramInfo {

QString productName() {
    return QStringLiteral("Hygrolux 2 Pro");
}

QString version() {
    return QStringLiteral(HYGROLUX_VERSION);
}

QString resourcesDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
}

} // namespace ProgramInfo
