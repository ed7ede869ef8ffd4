#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ZOT_MessageHandler.h>

#include <cstdlib>

namespace {

class SilentMessageHandler : public ZOT::MessageHandler {
public:
    void msg(const std::string &, int, const char *, int) override {}
};

} // namespace

namespace FuzzSupport {

void silenceMessages() {
    static SilentMessageHandler handler;
    ZOT::MessageHandlerRegistry::instance().setMessageHandler(&handler);
}

QString workDirectory() {
    // Memory-backed when possible: every input is written and read once, thousands of times a second.
    static QTemporaryDir dir(
        (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
        QStringLiteral("/hygrolux-fuzz-XXXXXX"));
    if (!dir.isValid())
        std::abort();
    return dir.path();
}

QString writeInput(const std::uint8_t *data, std::size_t size, const QString &fileName) {
    const QString path = workDirectory() + QLatin1Char('/') + fileName;
    QFile file(path);
    // A fuzz run that cannot write its input would silently test nothing.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    return path;
}

} // namespace FuzzSupport
