#include <QtTest>

// The built program started as a user starts it, with a private home directory.
class tst_StartUp : public QObject {
    Q_OBJECT
private slots:
    void helpPrintsSyntaxAndEnds();
};

void tst_StartUp::helpPrintsSyntaxAndEnds() {
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    // As on a machine without a display: no platform chosen and none to connect to.
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(HYGROLUX_PROGRAM, {"--lang=de", "project.v2p", "--help"});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString output = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(output.endsWith("Vapro 2 Command Line Syntax:\n\n  --help  \n  --no-splash  \n  --lang=<language ID>  \n"),
             qPrintable(output));
    // The log file was opened and the start line written before the command line was read; no window
    // wrote the settings.
    QFile log(home.filePath("data/Hygrolux2/Hygrolux2.log"));
    QVERIFY2(log.open(QIODevice::ReadOnly), qPrintable(log.fileName()));
    QVERIFY(QString::fromUtf8(log.readAll())
                .contains(QRegularExpression("main +\t\\[Progress\\]\tHygrolux 2 Pro started ")));
    QVERIFY(QDir(home.filePath("config")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

QTEST_GUILESS_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
