#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramInfo {

QString productName() {
    return QStringLiteral("Hygrolux 2 Pro");
}

QString version() {
    return QStringLiteral(HYGROLUX_VERSION);
}

QString resourcesDir() {
    // Beside the executable in the build tree and a private installation; under share/ in a system
    // installation (the Debian package), where nothing but programs may live in bin/.
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString beside = appDir + QStringLiteral("/resources");
    const QString shared = QDir::cleanPath(appDir + QStringLiteral("/../share/hygrolux2/resources"));
    return QDir(beside).exists() || !QDir(shared).exists() ? beside : shared;
}

} // namespace ProgramInfo
