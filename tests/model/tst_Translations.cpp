#include <QtTest>

#include <model/Translations.h>

#include "MessageCapture.h"

// Both catalogues or neither: a temporary translations directory gets the catalogues of each case copied
// from the build's resources directory.
class tst_Translations : public QObject {
    Q_OBJECT
private slots:
    void install_data();
    void install();
    void languageId_data();
    void languageId();
    void numberLocale_data();
    void numberLocale();
};

void tst_Translations::install_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("catalogues");
    QTest::addColumn<bool>("translated");
    const QStringList qt = {"qt_de", "qtbase_de", "qtscript_de", "qtmultimedia_de", "qtxmlpatterns_de"};
    QTest::newRow("both catalogues") << "de" << (qt + QStringList{"Hygrolux2_de"}) << true;
    QTest::newRow("only the toolkit's") << "de" << qt << false;
    QTest::newRow("only the program's") << "de" << QStringList{"Hygrolux2_de"} << false;
    QTest::newRow("english needs none") << "en" << (qt + QStringList{"Hygrolux2_de"}) << false;
}

void tst_Translations::install() {
    QFETCH(QString, language);
    QFETCH(QStringList, catalogues);
    QFETCH(bool, translated);
    QTemporaryDir dir;
    for (const QString &name : catalogues)
        QVERIFY(
            QFile::copy(QString(HYGROLUX_RESOURCES_DIR) + "/translations/" + name + ".qm", dir.filePath(name + ".qm")));
    QString stored = "fr";
    MessageCapture log;
    {
        Translations translations;
        QCOMPARE(translations.installFor(language, stored, dir.path()), language);
        QCOMPARE(stored, translated ? language : QStringLiteral("fr"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"),
                 translated ? QStringLiteral("&Nein") : QStringLiteral("&No"));
        QCOMPARE(log.contains(" not found"), language != "en" && !translated);
    }
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&No"));
}

void tst_Translations::languageId_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("expected");
    QTest::newRow("stored language") << "de"
                                     << ""
                                     << "de";
    QTest::newRow("command line wins, lower case") << "en"
                                                   << "DE"
                                                   << "de";
    QTest::newRow("system language when nothing is set") << ""
                                                         << "" << QLocale::system().name().section('_', 0, 0).toLower();
}

void tst_Translations::languageId() {
    QFETCH(QString, stored);
    QFETCH(QString, commandLine);
    QFETCH(QString, expected);
    QCOMPARE(Translations::languageId(commandLine, stored), expected);
}

void tst_Translations::numberLocale_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("translated");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("number");
    QTest::newRow("German window on an English desktop") << "en_US"
                                                         << "de" << true << "de_DE"
                                                         << "12345,5";
    QTest::newRow("German window on an Austrian desktop keeps its country") << "de_AT"
                                                                            << "de" << true << "de_AT"
                                                                            << "12345,5";
    QTest::newRow("catalogue missing: the desktop's locale") << "en_US"
                                                             << "de" << false << "en_US"
                                                             << "12345.5";
    QTest::newRow("English window on a German desktop") << "de_DE"
                                                        << "en" << false << "de_DE"
                                                        << "12345,5";
}

void tst_Translations::numberLocale() {
    QFETCH(QString, system);
    QFETCH(QString, language);
    QFETCH(bool, translated);
    QFETCH(QString, expected);
    QFETCH(QString, number);
    const QLocale locale = Translations::numberLocale(QLocale(system), language, translated);
    QCOMPARE(locale.name(), expected);
    QCOMPARE(locale.toString(12345.5, 'f', 1), number);
}

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
