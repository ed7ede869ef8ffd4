#include "ProgramInfo.h"

namespace ProgramInfo {

QString productName() {
    return QStringLiteral("Hygrolux 2 Pro");
}

QString version() {
    return QStringLiteral(HYGROLUX_VERSION);
}

} // namespace ProgramInfo
