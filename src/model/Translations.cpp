#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <ZOT_MessageHandler.h>
#include <ZOT_MessageStream.h>

namespace {

bool loadCatalogue(QTranslator &translator, const QString &baseName, const QString &directory) {
    const bool loaded = translator.load(baseName, directory);
    ZOT::MessageStream log("Translations::install", ZOT::MSG_PROGRESS, -1);
    log << (baseName + (loaded ? " loaded" : " not found")).toStdString();
    log.flush();
    return loaded;
}

} // namespace

Translations::Translations() = default;

Translations::~Translations() {
    remove();
}

QString Translations::languageId(const QString &commandLine, const QString &stored) {
    QString id = commandLine.isEmpty() ? stored : commandLine;
    if (id.isEmpty())
        id = QLocale::system().name().section('_', 0, 0);
    return id.toLower();
}

bool Translations::install(const QString &languageId, const QString &directory) {
    remove();
    ZOT::MessageStream log("Translations::install", ZOT::MSG_PROGRESS, -1);
    if (languageId == QLatin1String("en")) {
        log << "No Translation required for locale: en";
        log.flush();
        return false;
    }
    log << "Translation required for locale: " << languageId.toStdString();
    log.flush();
    auto qtTranslator = std::make_unique<QTranslator>();
    auto programTranslator = std::make_unique<QTranslator>();
    const bool qtLoaded = loadCatalogue(*qtTranslator, "qt_" + languageId, directory);
    const bool programLoaded = loadCatalogue(*programTranslator, "Hygrolux2_" + languageId, directory);
    if (!qtLoaded || !programLoaded)
        return false;
    m_qtTranslator = std::move(qtTranslator);
    m_programTranslator = std::move(programTranslator);
    QCoreApplication::installTranslator(m_qtTranslator.get());
    QCoreApplication::installTranslator(m_programTranslator.get());
    return true;
}

QString Translations::installFor(const QString &commandLine, QString &stored, const QString &directory) {
    const QString id = languageId(commandLine, stored);
    ZOT::MessageStream log("Translations::installFor", ZOT::MSG_PROGRESS, -1);
    log << "Installing translator for language: " << id.toStdString();
    log.flush();
    if (install(id, directory))
        stored = id;
    return id;
}

QLocale Translations::numberLocale(const QLocale &system, const QString &languageId, bool translated) {
    QLocale locale = system;
    if (translated && QLocale(languageId).language() != system.language())
        locale = QLocale(languageId);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

void Translations::remove() {
    if (m_qtTranslator)
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    if (m_programTranslator)
        QCoreApplication::removeTranslator(m_programTranslator.get());
    m_qtTranslator.reset();
    m_programTranslator.reset();
}
