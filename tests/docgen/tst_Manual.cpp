#include <QtTest>

#include <ui/MainWindow.h>

// The manuals made by the build, read with the PDF tools of poppler-utils: the file the help opens for each
// language exists, is a whole manual in that language and carries the pictures of the window.
class tst_Manual : public QObject {
    Q_OBJECT
private slots:
    void manualOpenedByHelp_data();
    void manualOpenedByHelp();

private:
    static QString run(const QString &program, const QStringList &arguments);
};

QString tst_Manual::run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void tst_Manual::manualOpenedByHelp_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("otherLanguageWord");
    QTest::newRow("en") << "en" << QStringList{"DIN 4108-3", "DIN 68800-2",   "Drying reserve",
                                               "VAPRO",      "hygrolux2-cli", "Page 3 of"}
                        << "Benutzerhandbuch";
    QTest::newRow("de") << "de" << QStringList{"Tauwasser",         "Verdunstung", "Wärmedurchlasswiderstand",
                                               "Trocknungsreserve", "DIN 68800-2", "Seite 3 von"}
                        << "User manual";
    QTest::newRow("a language without a manual reads the English one")
        << "fr" << QStringList{"DIN 4108-3", "Drying reserve", "Page 3 of"} << "Benutzerhandbuch";
}

void tst_Manual::manualOpenedByHelp() {
    QFETCH(QString, language);
    QFETCH(QStringList, words);
    QFETCH(QString, otherLanguageWord);

    // The build's resources directory, which this test does not sit beside.
    const QString pdf = MainWindow::helpFilePath(QStringLiteral(HYGROLUX_RESOURCES_DIR), language);
    QVERIFY2(QFileInfo::exists(pdf), qPrintable(pdf));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY2(pages.hasMatch(), qPrintable(info));
    QVERIFY2(pages.captured(1).toInt() >= 10, qPrintable(pages.captured(0)));

    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const QString &word : words)
        QVERIFY2(text.contains(word), qPrintable(word));
    QVERIFY(!text.contains(otherLanguageWord));

    // Seven pictures of the program (window, both editors, results panel, both diagrams, report page), not the
    // small stand-in the text layout draws for a picture it cannot find.
    const QString images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    int pictures = 0;
    for (const QString &line : images.split('\n')) {
        const QStringList columns = line.simplified().split(' ');
        if (columns.size() > 4 && columns[2] == QLatin1String("image") && columns[3].toInt() >= 300)
            ++pictures;
    }
    QVERIFY2(pictures >= 7, qPrintable(images));
}

QTEST_MAIN(tst_Manual)
#include "tst_Manual.moc"
