#include "CliLanguage.h"

#include <model/ProgramInfo.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

namespace {

const QString OptionName = QStringLiteral("lang");

} // namespace

void CliLanguage::addTo(QCommandLineParser &parser) {
    parser.addOption(QCommandLineOption(OptionName, QString(), QStringLiteral("ID")));
}

bool CliLanguage::apply(const QCommandLineParser &parser, QString &errorText) {
    // Without the option the texts stay English and the numbers follow the system, as they always did.
    const QString id = parser.isSet(OptionName) ? parser.value(OptionName).toLower() : QStringLiteral("en");
    const QString directory = ProgramInfo::resourcesDir() + QStringLiteral("/translations");
    if (id != QLatin1String("en") && !m_translations.install(id, directory)) {
        errorText = QCoreApplication::translate("CliLanguage", "Language '%1' is not available: its catalogues "
                                                               "are missing in %2.")
                        .arg(id, directory);
        return false;
    }
    QLocale::setDefault(Translations::numberLocale(QLocale::system(), id, m_translations.isInstalled()));
    return true;
}
