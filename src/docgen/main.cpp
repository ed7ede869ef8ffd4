// Build-time generator of the user manual: renders the real main window offscreen for the pictures and turns
// one language's Markdown document into the PDF that the program's help opens.
//
// Usage: hygrolux2-docgen --lang <id> --project <example .v2p> <manual .md> <output .pdf>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>

#include <iostream>

#include <app/Globals.h>
#include <model/Translations.h>

#include "ManualPrinter.h"
#include "WindowShots.h"

namespace {

QString pageLabel(const QString &languageId) {
    return languageId == QLatin1String("de") ? QStringLiteral("Seite %1 von %2") : QStringLiteral("Page %1 of %2");
}

int fail(const QString &text) {
    std::cerr << "hygrolux2-docgen: " << qPrintable(text) << "\n";
    return 1;
}

} // namespace

int main(int argc, char *argv[]) {
    // A build step: no display, and never the user's settings, databases or log file.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Language of the manual."),
                                  QStringLiteral("id"), QStringLiteral("en"));
    const QCommandLineOption project(QStringLiteral("project"), QStringLiteral("Example project of the pictures."),
                                     QStringLiteral("file"));
    parser.addOptions({lang, project});
    parser.addPositionalArgument(QStringLiteral("manual"), QStringLiteral("Markdown document"));
    parser.addPositionalArgument(QStringLiteral("pdf"), QStringLiteral("PDF file to write"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2 || !parser.isSet(project))
        return fail(QStringLiteral("usage: hygrolux2-docgen --lang <id> --project <file> <manual.md> <out.pdf>"));

    const QString languageId = parser.value(lang);
    Translations translations;
    if (languageId != QLatin1String("en") &&
        !translations.install(languageId, Globals::resourcesDir() + QStringLiteral("/translations")))
        std::cerr << "hygrolux2-docgen: warning: the pictures of the '" << qPrintable(languageId)
                  << "' manual show the untranslated program\n";
    Globals::instance().setLanguageId(languageId);
    QLocale locale(languageId);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);

    QFile manual(files[0]);
    if (!manual.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1 cannot be read").arg(files[0]));
    const QString markdown = QString::fromUtf8(manual.readAll());

    const QMap<QString, QImage> shots = WindowShots(parser.value(project)).take();
    if (shots.isEmpty())
        return fail(QStringLiteral("the main window did not show %1").arg(parser.value(project)));

    QString error;
    if (!ManualPrinter(pageLabel(languageId)).print(markdown, shots, files[1], error))
        return fail(error);
    return 0;
}
