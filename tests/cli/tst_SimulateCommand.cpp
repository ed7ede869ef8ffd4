// End-to-end tests of the "simulate" command: the outputs of a one-year run, Ctrl+C in the middle of a long
// run (partial results written), climate files with errors named by line, and bad usage.

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun finish(QProcess &process) {
    CliRun run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
    }
    return run;
}

CliRun runCli(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral(HYGROLUX_CLI_PATH), arguments);
    return finish(process);
}

QString example(const QString &name) {
    return QStringLiteral(HYGROLUX_EXAMPLES_DIR "/") + name;
}

QList<QByteArray> csvLines(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().trimmed().split('\n');
}

} // namespace

class tst_SimulateCommand : public QObject {
    Q_OBJECT
private slots:
    void oneYearOutputs();
    void interruptWritesWhatIsComputed();
    void climateErrors_data();
    void climateErrors();
    void badUsage_data();
    void badUsage();
};

void tst_SimulateCommand::oneYearOutputs() {
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("hours.csv"));
    const QString png = dir.filePath(QStringLiteral("plot.png"));
    const CliRun run = runCli(
        {"simulate", example("timber-roof.v2p"), "--json", "--out-csv", csv, "--plot", png, "--monitor", "0.05,30mm"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QVERIFY(json.value("run").toObject().value("completed").toBool());
    QCOMPARE(json.value("run").toObject().value("simulated_hours").toDouble(), 8760.0);
    const QJsonArray layers = json.value("layers").toArray();
    QVERIFY(!layers.isEmpty());
    bool woodSeen = false;
    for (const QJsonValue &layer : layers) {
        const QJsonObject l = layer.toObject();
        QVERIFY(l.value("maximum_water_kg_m2").toDouble() >= l.value("final_water_kg_m2").toDouble());
        woodSeen = woodSeen || l.contains("wood");
    }
    QVERIFY(woodSeen); // the timber roof has wood-based layers
    const QList<QByteArray> lines = csvLines(csv);
    QCOMPARE(lines.size(), 8762); // header, hour 0 .. 8760
    QCOMPARE(lines.first().count(','), 4 + 3 * layers.size() + 3 * 2);
    QCOMPARE(lines.last().split(',').first(), QByteArray("8760"));
    const QImage image(png);
    QCOMPARE(image.width(), 1000);
    QVERIFY(image.height() > 600);
}

void tst_SimulateCommand::interruptWritesWhatIsComputed() {
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("hours.csv"));
    QProcess process;
    process.start(QStringLiteral(HYGROLUX_CLI_PATH), {"simulate", example("masonry-wall-inside-insulation.v2p"),
                                                      "--years", "100", "--json", "--out-csv", csv});
    QVERIFY(process.waitForStarted());
    QTest::qWait(1500);
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    const CliRun run = finish(process);
    QCOMPARE(run.exitCode, 130);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QVERIFY(!json.value("run").toObject().value("completed").toBool());
    const double hours = json.value("run").toObject().value("simulated_hours").toDouble();
    QVERIFY(hours > 0 && hours < 100 * 8760);
    QCOMPARE(csvLines(csv).size(), int(hours) + 2);
}

void tst_SimulateCommand::climateErrors_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("message");
    QTest::newRow("gap") << QByteArray("h,T,rh\n0,1,80\n1,1,80\n5,1,80\n") << "Line 4: time 5 h does not follow";
    QTest::newRow("rh over 100") << QByteArray("h,T,rh\n0,1,80\n1,1,180\n") << "Line 3: relative humidity 180";
    QTest::newRow("columns") << QByteArray("h,T,rh\n0,1\n") << "Line 2: expected 3 columns";
}

void tst_SimulateCommand::climateErrors() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString climate = dir.filePath(QStringLiteral("outside.csv"));
    QFile file(climate);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();
    const CliRun run = runCli({"simulate", example("flat-roof.v2p"), "--exterior", climate});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(climate.toUtf8()) && run.err.contains(message.toUtf8()), run.err.constData());
    QVERIFY(run.out.isEmpty());
}

void tst_SimulateCommand::badUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no project") << QStringList{"simulate"};
    QTest::newRow("zero years") << QStringList{"simulate", example("flat-roof.v2p"), "--years", "0"};
    QTest::newRow("plot format") << QStringList{"simulate", example("flat-roof.v2p"), "--plot", "x.txt"};
    QTest::newRow("initial rh") << QStringList{"simulate", example("flat-roof.v2p"), "--initial-rh", "0"};
    QTest::newRow("unknown sine") << QStringList{"simulate", example("flat-roof.v2p"), "--exterior", "sine:mars"};
    QTest::newRow("monitor") << QStringList{"simulate", example("flat-roof.v2p"), "--monitor", "a,b"};
}

void tst_SimulateCommand::badUsage() {
    QFETCH(QStringList, arguments);
    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(!run.err.isEmpty());
}

QTEST_GUILESS_MAIN(tst_SimulateCommand)
#include "tst_SimulateCommand.moc"
