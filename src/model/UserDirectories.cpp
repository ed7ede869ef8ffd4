#include "UserDirectories.h"

#include <QDir>
#include <QStandardPaths>

namespace UserDirectories {

QString userDataDir() {
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                           QStringLiteral("/../Hygrolux2"));
}

QString defaultUserMaterialsDir() {
    return userDataDir() + QStringLiteral("/user_materials");
}

} // namespace UserDirectories
