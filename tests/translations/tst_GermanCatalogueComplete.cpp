#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

#include "CatalogueReader.h"

// Every text of the sources has a finished German translation. lupdate refreshes a copy of the catalogue from the
// sources, so a new text fails here even before anyone refreshes the catalogue itself.
class tst_GermanCatalogueComplete : public QObject {
    Q_OBJECT
private slots:
    void everyTextTranslated();
};

void tst_GermanCatalogueComplete::everyTextTranslated() {
    QTemporaryDir dir;
    const QString copy = dir.filePath("Hygrolux2_de.ts");
    QVERIFY(QFile::copy(HYGROLUX_GERMAN_CATALOGUE, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.setWorkingDirectory(HYGROLUX_SOURCE_DIR);
    lupdate.start(HYGROLUX_LUPDATE, {"-silent", "-no-obsolete", "-locations", "none", "src", "externals", "-ts", copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QVector<Message> messages = readCatalogue(copy);
    QVERIFY(!messages.isEmpty());
    QStringList untranslated;
    for (const Message &message : messages)
        if (!message.finished)
            untranslated << message.context + ": " + message.source;
    QVERIFY2(untranslated.isEmpty(), qPrintable("translate these in translations/Hygrolux2_de.json, then run "
                                                "scripts/translations.py update:\n" +
                                                untranslated.join('\n')));
}

QTEST_GUILESS_MAIN(tst_GermanCatalogueComplete)
#include "tst_GermanCatalogueComplete.moc"
