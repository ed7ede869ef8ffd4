// Linked into every test and benchmark executable: before anything reads settings or user data, the process
// gets a fresh home, configuration and data directory of its own, removed when it ends. So no run reads what
// the real user or an earlier run left there (a font, a language), and none writes into the real settings.
// Settings name their organisation and application themselves, so the directories are what must change.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void usePrivateUserDirectories() {
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/hygrolux-run-XXXXXX"));
    if (!home.isValid())
        qFatal("cannot create a private home directory: %s", qPrintable(home.errorString()));
    // The font cache stays where it was: building it anew would slow every run down.
    if (qEnvironmentVariableIsEmpty("XDG_CACHE_HOME"))
        qputenv("XDG_CACHE_HOME", QFile::encodeName(QDir::homePath() + QStringLiteral("/.cache")));
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, home.filePath(QStringLiteral("config")));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(usePrivateUserDirectories)
