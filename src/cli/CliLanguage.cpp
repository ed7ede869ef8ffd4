#include "CliLanguage.h"

#include <model/ProgramInfo.h>

#include <QCoreApplication>
#include <QLocale>

namespace {

const QString Option = QStringLiteral("--lang");

} // namespace

QString CliLanguage::s_current = QStringLiteral("en");

bool CliLanguage::take(QStringList &arguments, QString &languageId, QString &errorText) {
    for (int i = 0; i < arguments.size() && arguments.at(i) != QLatin1String("--");) {
        const QString &argument = arguments.at(i);
        if (argument.startsWith(Option + QLatin1Char('='))) {
            languageId = argument.mid(Option.size() + 1);
            arguments.removeAt(i);
        }
        else if (argument == Option) {
            if (i + 1 >= arguments.size()) {
                errorText = QCoreApplication::translate("CliLanguage", "--lang needs a language id (en or de).");
                return false;
            }
            languageId = arguments.at(i + 1);
            arguments.erase(arguments.begin() + i, arguments.begin() + i + 2);
        }
        else {
            ++i;
        }
    }
    return true;
}

bool CliLanguage::apply(const QString &languageId, QString &errorText) {
    // Without the option the texts stay English and the numbers follow the system, as they always did.
    const QString id = languageId.isEmpty() ? QStringLiteral("en") : languageId.toLower();
    const QString directory = ProgramInfo::resourcesDir() + QStringLiteral("/translations");
    if (id != QLatin1String("en") && !m_translations.install(id, directory)) {
        errorText = QCoreApplication::translate("CliLanguage", "Language '%1' is not available: its catalogues "
                                                               "are missing in %2.")
                        .arg(id, directory);
        return false;
    }
    QLocale::setDefault(Translations::numberLocale(QLocale::system(), id, m_translations.isInstalled()));
    s_current = id;
    return true;
}
