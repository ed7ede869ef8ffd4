// End-to-end tests of the "study" command: every row equals a "calc" of the project edited by hand, compared
// through the JSON of both; values with units, bad usage and an unreadable project.

#include <model/Project.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using Edit = std::function<void(InputData &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
};

CliRun runCli(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral(HYGROLUX_CLI_PATH), arguments);
    CliRun run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
    }
    return run;
}

QJsonObject parse(const QByteArray &json) {
    return QJsonDocument::fromJson(json).object();
}

QString example(const QString &name) {
    return QStringLiteral(HYGROLUX_EXAMPLES_DIR "/") + name;
}

} // namespace

class tst_StudyCommand : public QObject {
    Q_OBJECT
private slots:
    void rowEqualsCalcOfEditedProject_data();
    void rowEqualsCalcOfEditedProject();
    void widthUnits();
    void limitInJsonAndCsv();
    void badUsage_data();
    void badUsage();
    void unreadableProject();
    void chartFiles();
};

void tst_StudyCommand::rowEqualsCalcOfEditedProject_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<Edit>("edit");
    QTest::newRow("insulation width") << "masonry-wall-inside-insulation.v2p"
                                      << QStringList{"--vary", "width", "--layer", "2", "--values", "0.05"}
                                      << Edit([](InputData &input) { input.layers()[1].setWidth(0.05); });
    QTest::newRow("retarder sd-value") << "timber-roof.v2p"
                                       << QStringList{"--vary", "sd", "--layer", "2", "--values", "20"}
                                       << Edit([](InputData &input) {
                                              input.layers()[1].setSd_value(20);
                                              input.layers()[1].updateWidthFromSd();
                                          });
    QTest::newRow("brick lambda") << "masonry-wall-inside-insulation.v2p"
                                  << QStringList{"--vary", "lambda", "--layer", "4", "--values", "0.5"}
                                  << Edit([](InputData &input) { input.layers()[3].setLambda(0.5); });
    QTest::newRow("render A_w") << "masonry-wall-inside-insulation.v2p"
                                << QStringList{"--vary", "aw", "--layer", "5", "--values", "0.6"}
                                << Edit([](InputData &input) { input.layers()[4].setAw(0.01, true); });
    QTest::newRow("indoor humidity") << "masonry-wall-inside-insulation.v2p"
                                     << QStringList{"--vary", "rh-inside", "--values", "65"}
                                     << Edit([](InputData &input) {
                                            input.conditions().setInterior(AssessmentConditions::RelativeHumidity,
                                                                           AssessmentConditions::Winter, 65);
                                        });
    QTest::newRow("zero width") << "timber-frame-wall.v2p"
                                << QStringList{"--vary", "width", "--layer", "5", "--values", "0"}
                                << Edit([](InputData &input) { input.layers()[4].setWidth(0); });
}

void tst_StudyCommand::rowEqualsCalcOfEditedProject() {
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    QFETCH(Edit, edit);
    const CliRun study = runCli(QStringList{"study", example(file), "--json", "--drying-reserve", "250"} + options);
    const QJsonArray rows = parse(study.out)["rows"].toArray();
    QCOMPARE(rows.size(), 1);
    const QJsonObject row = rows[0].toObject();

    Project project;
    QString error;
    QVERIFY2(project.read(example(file), error), qPrintable(error));
    edit(project.document()->inputData());
    QTemporaryDir dir;
    const QString edited = dir.filePath("edited.v2p");
    QVERIFY(project.write(edited));
    const CliRun calc = runCli({"calc", edited, "--drying-reserve", "250"});
    // One value that cannot be judged ends like calc on the edited project: exit code 3.
    QCOMPARE(study.exitCode, calc.exitCode);
    const QJsonObject expected = parse(calc.out);
    const QJsonObject results = expected["results"].toObject();
    QCOMPARE(row["inputStatus"].toInt(), expected["inputStatus"].toInt());
    QCOMPARE(row["resultCode"].toInt(), results["resultCode"].toInt());
    QCOMPARE(row["U"].toDouble(), results["U"].toDouble());
    QCOMPARE(row["glaserMc"].toDouble(), results["glaserMc"].toDouble());
    QCOMPARE(row["criteria"].toObject(), expected["criteria"].toObject());
}

void tst_StudyCommand::widthUnits() {
    const QString file = example("masonry-wall-inside-insulation.v2p");
    const CliRun run =
        runCli({"study", file, "--vary", "width", "--layer", "2", "--values", "40mm,4cm,0.04m,0.04", "--csv"});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 5);
    QVERIFY2(lines[0].startsWith("width [m],"), lines[0].constData());
    for (int i = 2; i < 5; ++i)
        QCOMPARE(lines[i].mid(lines[i].indexOf(',')), lines[1].mid(lines[1].indexOf(',')));
    QVERIFY(lines[1].startsWith("0.04,"));
}

// The limit reaches JSON and CSV with its scan pair, refined values, tolerance and the criterion that flips;
// the list's order does not matter.
void tst_StudyCommand::limitInJsonAndCsv() {
    const QStringList study{"study",       example("masonry-wall-inside-insulation.v2p"),
                            "--vary",      "width",
                            "--layer",     "2",
                            "--values",    "0.01,0.08,0.02",
                            "--find-limit"};
    const CliRun json = runCli(study + QStringList{"--json"});
    QCOMPARE(json.exitCode, 0);
    const QJsonObject limit = parse(json.out)["limit"].toObject();
    QCOMPARE(limit["kind"].toString(), QStringLiteral("found"));
    QCOMPARE(limit["relativeTolerance"].toDouble(), 1e-4);
    QCOMPARE(limit["count"].toInt(), 1);
    const QJsonArray changes = limit["changes"].toArray();
    QCOMPARE(changes.size(), 1);
    const QJsonObject change = changes[0].toObject();
    QCOMPARE(change["scanFailing"].toDouble(), 0.02);
    QCOMPARE(change["scanPassing"].toDouble(), 0.08);
    QVERIFY(change["passing"].toDouble() - change["failing"].toDouble() <= change["tolerance"].toDouble());
    QCOMPARE(change["flipped"].toArray(), QJsonArray{"minimumResistance"});

    const CliRun csv = runCli(study + QStringList{"--csv"});
    QCOMPARE(csv.exitCode, 0);
    const QList<QByteArray> lines = csv.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 7);
    QVERIFY2(lines[1].startsWith("0.01,") && lines[2].startsWith("0.08,"), csv.out.constData());
    QCOMPARE(lines[4], QByteArray("# limit,found,count,1,relativeTolerance,0.0001"));
    const QList<QByteArray> fields = lines[6].split(',');
    QCOMPARE(fields.size(), 7);
    QCOMPARE(fields[0], QByteArray("# change"));
    QCOMPARE(fields[1].toDouble(), change["scanPassing"].toDouble());
    QCOMPARE(fields[3].toDouble(), change["passing"].toDouble());
    QCOMPARE(fields[4].toDouble(), change["failing"].toDouble());
    QCOMPARE(fields[6], QByteArray("minimumResistance"));
}

void tst_StudyCommand::badUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    const QString wall = example("masonry-wall-inside-insulation.v2p");
    QTest::newRow("no quantity") << QStringList{wall, "--values", "1"} << 1;
    QTest::newRow("unknown quantity") << QStringList{wall, "--vary", "colour", "--values", "1"} << 1;
    QTest::newRow("layer missing") << QStringList{wall, "--vary", "mu", "--values", "1"} << 1;
    QTest::newRow("no such layer") << QStringList{wall, "--vary", "mu", "--layer", "6", "--values", "1"} << 1;
    QTest::newRow("no values") << QStringList{wall, "--vary", "rh-inside"} << 1;
    QTest::newRow("values and range") << QStringList{wall,     "--vary", "rh-inside", "--values", "50",
                                                     "--from", "40",     "--to",      "60"}
                                      << 1;
    QTest::newRow("not a number") << QStringList{wall, "--vary", "rh-inside", "--values", "50,high"} << 1;
    QTest::newRow("unit of a width on a humidity") << QStringList{wall, "--vary", "rh-inside", "--values", "50mm"} << 1;
    QTest::newRow("steps 0") << QStringList{wall, "--vary", "rh-inside", "--from", "40", "--to", "60", "--steps", "0"}
                             << 1;
    QTest::newRow("json and csv") << QStringList{wall, "--vary", "rh-inside", "--values", "50", "--json", "--csv"} << 1;
    QTest::newRow("decimal comma") << QStringList{wall, "--vary", "width", "--layer", "2", "--values", "0,06"} << 1;
    QTest::newRow("layer of a climate value")
        << QStringList{wall, "--vary", "rh-inside", "--layer", "2", "--values", "50"} << 1;
    QTest::newRow("range too wide") << QStringList{wall, "--vary", "t-inside", "--from", "-1e308", "--to", "1e308"}
                                    << 1;
    QTest::newRow("unknown axis scale") << QStringList{wall,     "--vary", "rh-inside", "--values", "50",
                                                       "--plot", "x.svg",  "--x-scale", "ln"}
                                        << 1;
    QTest::newRow("nothing judged") << QStringList{wall, "--vary", "rh-inside", "--values", "120,130"} << 3;
    QTest::newRow("help") << QStringList{"--help"} << 0;
}

void tst_StudyCommand::badUsage() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const CliRun run = runCli(QStringList{"study"} + arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out.contains("--find-limit"), arguments == QStringList{"--help"});
}

void tst_StudyCommand::unreadableProject() {
    QCOMPARE(runCli({"study", "no-such-project.v2p", "--vary", "rh-inside", "--values", "50"}).exitCode, 2);
}

// The chart is written in the format of its extension, 16 cm wide at the resolution asked, with the axes titled
// in words and units, and never over an existing file unasked.
void tst_StudyCommand::chartFiles() {
    QTemporaryDir dir;
    const QStringList study{
        "study", example("timber-roof.v2p"), "--vary", "sd", "--layer", "2", "--values", "1,10,50", "--find-limit",
        "--plot"};
    for (const char *name : {"chart.svg", "chart.png", "chart.pdf"})
        QCOMPARE(runCli(study + QStringList{dir.filePath(name)}).exitCode, 0);
    QFile svg(dir.filePath("chart.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    for (const char *title : {"sd-value of layer 2", "in m", "Condensate mass M", "Drying time in days",
                              "drying time limit 90 d", "judged on the Glaser basis"})
        QVERIFY2(text.contains(title), title);
    QVERIFY(!text.contains("M_c"));
    QCOMPARE(QImage(dir.filePath("chart.png")).size(), QSize(1890, 1181));
    QFile pdf(dir.filePath("chart.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QCOMPARE(runCli(study + QStringList{dir.filePath("chart.txt")}).exitCode, 1);
    QVERIFY(!QFile::exists(dir.filePath("chart.txt")));
    // An existing chart is replaced only on request.
    QCOMPARE(runCli(study + QStringList{dir.filePath("chart.svg")}).exitCode, 2);
    QCOMPARE(runCli(study + QStringList{dir.filePath("chart.png"), "--force", "--dpi", "100"}).exitCode, 0);
    QCOMPARE(QImage(dir.filePath("chart.png")).size(), QSize(630, 394));

    // Surface condensation is named in the legend; without it the legend does not mention it.
    const QString surface = dir.filePath("surface.svg");
    for (const char *values : {"50,60", "50,95"}) {
        QCOMPARE(runCli({"study", example("masonry-wall-inside-insulation.v2p"), "--vary", "rh-inside", "--values",
                         values, "--plot", surface, "--force"})
                     .exitCode,
                 0);
        QFile file(surface);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().contains("surface condensation"), QByteArray(values) == "50,95");
    }
}

QTEST_GUILESS_MAIN(tst_StudyCommand)
#include "tst_StudyCommand.moc"
