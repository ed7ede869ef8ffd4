#include "Settings.h"

#include <QDir>
#include <QSettings>
#include <QUndoStack>

#include <model/UserDirectories.h>

#include <ZOT_MessageHandler.h>
#include <ZOT_MessageStream.h>

#include <iostream>

const char *const Settings::Organization = "Varnholt";
const char *const Settings::Application = "Hygrolux 2.4 Pro";

namespace {

const char *const DefaultFramesText = "1 1 1 1 1 1 1 1 1 1 0 1 0 0 ";

// Widths are divided by the unit factor when entered: only the four offered units are usable.
int validLayerWidthUnit(int unit) {
    return (unit == 1 || unit == 10 || unit == 100 || unit == 1000) ? unit : 1000;
}

} // namespace

Settings &Settings::instance() {
    static Settings settings;
    return settings;
}

Settings::Settings() : m_defaultFrames(decodeFrames(QString())), m_undoStack(std::make_unique<QUndoStack>()) {}

Settings::~Settings() = default;

void Settings::read() {
    QSettings settings(Organization, Application);
    read(settings);
}

void Settings::read(QSettings &settings) {
    m_lastProjectFile = settings.value("LastProjectFile", QString()).toString();
    m_languageID = settings.value("LanguageID", QString()).toString();
    m_projectFileToOpen = m_lastProjectFile;
    readProjectDefaults(settings);
    m_reportSettings.read(settings);
}

void Settings::write() const {
    QSettings settings(Organization, Application);
    write(settings);
}

void Settings::write(QSettings &settings) const {
    settings.setValue("LastProjectFile", m_lastProjectFile);
    settings.setValue("LanguageID", m_languageID);
    writeProjectDefaults(settings);
    m_reportSettings.write(settings);
}

void Settings::readProjectDefaults(QSettings &settings) {
    settings.beginGroup("ProjectDefaults");
    m_awInSeconds = settings.value("AwInSeconds", false).toBool();
    m_recentProjects = settings.value("RecentProjects", QStringList()).toStringList();
    m_defaultRestartMode = settings.value("DefaultRestartMode", 1).toInt();
    m_layerWidthUnit = validLayerWidthUnit(settings.value("DefaultLayerWidthUnit", 1000).toInt());
    m_lastExportFile = settings.value("LastExportFile", QString()).toString();
    m_userMaterialsDirectory = settings.value("UserMaterialsDirectory", QString()).toString();
    settings.endGroup();
    m_defaultProjectInformation.readDefaults(settings);
    settings.beginGroup("ProjectDefaults");
    m_defaultFrames = decodeFrames(settings.value("ProjectDefaultFrames", QString()).toString());
    m_pageNumbersVisible = settings.value("PageNumbersVisible", false).toBool();
    m_defaultUserLogo.read(settings);
    settings.endGroup();
}

void Settings::writeProjectDefaults(QSettings &settings) const {
    settings.beginGroup("ProjectDefaults");
    settings.setValue("AwInSeconds", m_awInSeconds);
    settings.setValue("RecentProjects", m_recentProjects);
    settings.setValue("DefaultRestartMode", m_defaultRestartMode);
    settings.setValue("DefaultLayerWidthUnit", m_layerWidthUnit);
    settings.setValue("LastExportFile", m_lastExportFile);
    settings.setValue("UserMaterialsDirectory", m_userMaterialsDirectory);
    settings.endGroup();
    m_defaultProjectInformation.writeDefaults(settings);
    settings.beginGroup("ProjectDefaults");
    settings.setValue("ProjectDefaultFrames", encodeFrames(m_defaultFrames));
    settings.setValue("PageNumbersVisible", m_pageNumbersVisible);
    m_defaultUserLogo.write(settings);
    settings.endGroup();
}

bool Settings::parseCommandLine(const QStringList &args, std::ostream &out) {
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == "--help") {
            out << "Vapro 2 Command Line Syntax:\n" << std::endl;
            out << "  --help  " << std::endl;
            out << "  --no-splash  " << std::endl;
            out << "  --lang=<language ID>  " << std::endl;
            return false;
        }
        if (arg == "--no-splash")
            m_showSplash = false;
        else if (arg.startsWith("--lang")) {
            const int pos = arg.indexOf('=');
            if (pos != -1)
                m_commandLineLanguage = arg.mid(pos + 1);
        }
        else if (!arg.startsWith('-'))
            m_projectFileToOpen = arg.trimmed();
    }
    return true;
}

bool Settings::parseCommandLine(const QStringList &args) {
    return parseCommandLine(args, std::cout);
}

QString Settings::userMaterialsDir() const {
    if (!m_userMaterialsDirectory.isEmpty())
        return m_userMaterialsDirectory;
    const QString dir = QDir::toNativeSeparators(UserDirectories::defaultUserMaterialsDir());
    if (!QDir(dir).exists() && !QDir().mkpath(dir)) {
        ZOT::MessageStream log("Settings::userMaterialsDir", ZOT::MSG_ERROR, 1);
        log << "Cannot create user material directory '" << QDir(dir).absolutePath().toStdString();
        log.flush();
    }
    return dir;
}

QString Settings::userDataDir() {
    return UserDirectories::userDataDir();
}

QString Settings::logFile() {
    return userDataDir() + QStringLiteral("/Hygrolux2.log");
}

QSet<int> Settings::decodeFrames(const QString &text) {
    const QStringList parts = (text.isEmpty() ? QString(DefaultFramesText) : text).split(' ');
    QSet<int> frames;
    for (int id = 0; id < ReportSettings::NumFrames && id < parts.size(); ++id) {
        bool ok = false;
        const int active = parts[id].toInt(&ok);
        if (ok && active != 0)
            frames.insert(id);
    }
    frames.insert(ReportSettings::FooterFrameId);
    return frames;
}

QString Settings::encodeFrames(const QSet<int> &frames) {
    QString text;
    for (int id = 0; id < ReportSettings::NumFrames; ++id)
        text += frames.contains(id) ? "1 " : "0 ";
    return text;
}
