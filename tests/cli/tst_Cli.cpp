// End-to-end tests of hygrolux2-cli: the built executable runs on the sample projects, its JSON is parsed and
// compared with what the core library computes for the same file in this process.

#include <calculation/CalculationResults.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include <calculation/MinimumHeatResistance.h>
#include <calculation/ResultSummary.h>
#include <calculation/ResultTexts.h>
#include <model/MaterialList.h>
#include <model/ProgramInfo.h>
#include <model/Project.h>
#include <model/ReportSettings.h>

#include "ResultFields.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QtTest>

#include <unistd.h>

#include <CoreEnums.h>

#include <cmath>
#include <functional>

using SettingsChange = std::function<void(ReportSettings &)>;
using MaterialPredicate = std::function<bool(const Material &)>;
Q_DECLARE_METATYPE(SettingsChange)
Q_DECLARE_METATYPE(MaterialPredicate)

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/*! Runs the tool; standard output goes to \a stdoutFile when given, the tool runs in \a workingDirectory when
    given, with the "NAME=value" entries of \a environmentAdditions. */
CliRun runCli(const QStringList &arguments, const QString &stdoutFile = QString(),
              const QString &workingDirectory = QString(), const QStringList &environmentAdditions = {}) {
    QProcess process;
    if (!stdoutFile.isEmpty())
        process.setStandardOutputFile(stdoutFile);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The tool must run without any display.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const QString &entry : environmentAdditions)
        environment.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HYGROLUX_CLI_PATH), arguments);
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString dataFile(const QString &name) {
    return QStringLiteral(HYGROLUX_TEST_DATA_DIR "/") + name;
}

QJsonValue parse(const QByteArray &json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "invalid JSON:" << error.errorString() << json.left(400);
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

/*! Loads and calculates like the program does. */
bool loadProject(const QString &fileName, Document &document) {
    Project project;
    QString errorText;
    if (!project.read(fileName, errorText))
        return false;
    project.setModified(Project::ModificationType::AllModified);
    document = *project.document();
    return true;
}

/*! A double read back from JSON: exact for finite values, null for non-finite ones. */
bool sameDouble(const QJsonValue &json, double expected) {
    if (!std::isfinite(expected))
        return json.isNull();
    return json.isDouble() && json.toDouble() == expected;
}

bool sameVector(const QJsonValue &json, const std::vector<double> &expected) {
    const QJsonArray array = json.toArray();
    if (!json.isArray() || array.size() != int(expected.size()))
        return false;
    for (int i = 0; i < array.size(); ++i)
        if (!sameDouble(array[i], expected[size_t(i)]))
            return false;
    return true;
}

bool sameZones(const QJsonValue &json, const std::vector<std::pair<int, int>> &expected) {
    const QJsonArray array = json.toArray();
    if (!json.isArray() || array.size() != int(expected.size()))
        return false;
    for (int i = 0; i < array.size(); ++i) {
        const QJsonArray pair = array[i].toArray();
        if (pair.size() != 2 || pair[0].toInt() != expected[size_t(i)].first ||
            pair[1].toInt() != expected[size_t(i)].second)
            return false;
    }
    return true;
}

QStringList jsonStrings(const QJsonValue &json) {
    QStringList texts;
    for (const QJsonValue &value : json.toArray())
        texts << value.toString();
    return texts;
}

QByteArray fileHash(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class tst_Cli : public QObject {
    Q_OBJECT
private slots:
    void calcMatchesCore_data();
    void calcMatchesCore();
    void verdictsAndExitCodes_data();
    void verdictsAndExitCodes();
    void criteriaOptions_data();
    void criteriaOptions();
    void projectChoicesAndOptions_data();
    void projectChoicesAndOptions();
    void severalFiles();
    void loadFailures_data();
    void loadFailures();
    void badUsage_data();
    void badUsage();
    void textSummary();
    void convertRoundTrip();
    void convertRefusesToOverwrite();
    void materialsList();
    void materialsFilters_data();
    void materialsFilters();
    void languageComesFirst_data();
    void languageComesFirst();
    void materialsLeavesUserDatabaseAlone();
    void materialsWarnsOfDamagedDatabase();
    void helpAndVersion();
    void neverWritesOverAnInput_data();
    void neverWritesOverAnInput();
    void existingOutputNeedsForce_data();
    void existingOutputNeedsForce();
    void outputExtensionMustMatch_data();
    void outputExtensionMustMatch();
    void failedWriteIsAnError_data();
    void failedWriteIsAnError();
    void dashIsStandardOutput_data();
    void dashIsStandardOutput();
    void nonFiniteNumbersAreInvalid_data();
    void nonFiniteNumbersAreInvalid();
    void tooManyLayers();
    void materialsUserDirectoryMissing();
    void projectFromStandardInput_data();
    void projectFromStandardInput();
    void hugeValuesInTextSummary();
    void jsonShapeForScripts();
    void minimumResistanceVersionAlone();
    void criteriaList();
    void materialsCsv();
    void quietUnlessVerbose_data();
    void quietUnlessVerbose();
    void undecodableFileName();
    void reportLanguage_data();
    void reportLanguage();
};

void tst_Cli::calcMatchesCore_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("masonry wall, xml") << dataFile("cli_masonry_wall.v2p") << 0;
    QTest::newRow("timber frame with condensation zone, wood-based layer") << dataFile("cli_timber_frame.v2p") << 0;
    QTest::newRow("legacy project file") << dataFile("project/legacy_valid.vpj") << 0;
    QTest::newRow("zero layer width: invalid input") << dataFile("project/project_zero_width.v2p") << 3;
}

void tst_Cli::calcMatchesCore() {
    QFETCH(QString, file);
    QFETCH(int, exitCode);
    Document document;
    QVERIFY(loadProject(file, document));
    const CalculationResults &r = document.calculation().results();

    const CliRun run = runCli({"calc", file});
    QCOMPARE(run.exitCode, exitCode);
    const QJsonObject object = parse(run.out).toObject();
    QCOMPARE(object["file"].toString(), file);
    QCOMPARE(object["inputStatus"].toInt(), int(document.inputData().inputStatus()));
    QCOMPARE(object["assessmentType"].toInt(), document.inputData().conditions().type());
    QCOMPARE(object["heatFlowDirection"].toInt(), int(document.projectInformation().m_heatFlowDirection));

    const QJsonObject results = object["results"].toObject();
    QCOMPARE(results.size(), 39);
    QCOMPARE(results["resultCode"].toInt(), int(r.resultCode));
    QCOMPARE(results["glaserResultCode"].toInt(), int(r.glaserResultCode));
    QCOMPARE(results["glaserFirstPlane"].toInt(), r.glaserFirstPlane);
    QCOMPARE(results["glaserLastPlane"].toInt(), r.glaserLastPlane);
    // Doubles must read back bit for bit: 17 significant digits round-trip.
    for (const auto &scalar : resultDoubleFields(r))
        QVERIFY2(sameDouble(results[scalar.first], scalar.second), scalar.first);
    for (const auto &vector : resultVectorFields(r))
        QVERIFY2(sameVector(results[vector.first], *vector.second), vector.first);
    QVERIFY(sameZones(results["condensationZones"], r.condensationZones));
    QVERIFY(sameZones(results["glaserZones"], r.glaserZones));
    QCOMPARE(jsonStrings(results["messages"]), r.messages);

    const QJsonObject expectedCriteria = DINCriteria::toJson(
        DINCriteria::evaluate(document.inputData(), document.projectInformation().m_heatFlowDirection, r,
                              ReportSettings()),
        CriteriaBasis(r));
    QCOMPARE(object["criteria"].toObject(), expectedCriteria);
}

void tst_Cli::verdictsAndExitCodes_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("basis");
    QTest::addColumn<QJsonValue>("allFulfilled");
    QTest::addColumn<QStringList>("errors");
    const QString zeroWidth = dataFile("project/project_zero_width.v2p");
    const QString flatRoof = QStringLiteral(HYGROLUX_EXAMPLES_DIR "/flat-roof-on-eps.v2p");
    const QString wall = dataFile("cli_masonry_wall.v2p");
    const QJsonValue null(QJsonValue::Null);
    // Undefined: any verdict, as long as there is one.
    const QJsonValue judged(QJsonValue::Undefined);
    QTest::newRow("every file assessed") << QStringList{wall} << 0 << "moisture-dependent" << judged << QStringList{};
    QTest::newRow("invalid input: not assessed, the layer named")
        << QStringList{zeroWidth} << 3 << "moisture-dependent" << null
        << QStringList{zeroWidth + ": not assessed: Invalid width 0 of layer #2."};
    QTest::newRow("condensate between non-capillary layers: Glaser basis, assessed")
        << QStringList{flatRoof} << 0 << "glaser" << judged << QStringList{};
    QTest::newRow("a file that cannot be loaded wins over invalid input")
        << QStringList{zeroWidth, dataFile("cli_broken.v2p")} << 2 << "moisture-dependent" << null
        << QStringList{zeroWidth + ": not assessed", dataFile("cli_broken.v2p") + ": "};
}

void tst_Cli::verdictsAndExitCodes() {
    QFETCH(QStringList, files);
    QFETCH(int, exitCode);
    QFETCH(QString, basis);
    QFETCH(QJsonValue, allFulfilled);
    QFETCH(QStringList, errors);
    Document document;
    QVERIFY(loadProject(files.first(), document));
    const CalculationResults &r = document.calculation().results();

    const CliRun run = runCli(QStringList{"calc"} + files);
    QCOMPARE(run.exitCode, exitCode);
    const QJsonValue json = parse(run.out);
    const QJsonObject criteria = (json.isArray() ? json.toArray()[0] : json).toObject()["criteria"].toObject();
    QCOMPARE(criteria["basis"].toString(), basis);
    if (allFulfilled.isUndefined())
        QVERIFY(criteria["allFulfilled"].isBool());
    else
        QCOMPARE(criteria["allFulfilled"], allFulfilled);
    const double Mc = basis == "glaser" ? r.glaserMc : r.Mc;
    QCOMPARE(criteria["condensate"].toObject()["Mc"].toDouble(), Mc);
    const QString err = QString::fromUtf8(run.err);
    for (const QString &error : errors)
        QVERIFY2(err.contains(error), qPrintable(err));
    if (errors.isEmpty())
        QVERIFY2(err.isEmpty(), qPrintable(err));

    // The summary names the Glaser basis exactly where it applies, and the reason for rows not assessed once.
    const QString text = QString::fromUtf8(runCli({"calc", "--text", files.first()}).out);
    QCOMPARE(text.contains(CriteriaBasis::glaserNote()), basis == "glaser");
    QCOMPARE(text.contains("(Glaser)"), basis == "glaser");
    QCOMPARE(text.count("Not assessed: "), allFulfilled.isNull() ? 1 : 0);
}

void tst_Cli::criteriaOptions_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<SettingsChange>("change");
    QTest::newRow("defaults") << QStringList() << SettingsChange([](ReportSettings &) {});
    QTest::newRow("f_Rsi check") << QStringList{"--frsi"}
                                 << SettingsChange([](ReportSettings &s) { s.m_frsiCheck = true; });
    QTest::newRow("drying reserve 250 g/(m2 a)") << QStringList{"--drying-reserve", "250"}
                                                 << SettingsChange([](ReportSettings &s) { s.m_dryingReserve = 0.25; });
    QTest::newRow("edition 2001") << QStringList{"--din-edition", "0"}
                                  << SettingsChange([](ReportSettings &s) { s.m_DIN4108_3Accordance_Type = 0; });
    QTest::newRow("user-defined edition with A_w limit 0.01 per h^0.5")
        << QStringList{"--din-edition", "3", "--non-capillary-aw", "0.01"} << SettingsChange([](ReportSettings &s) {
               s.m_DIN4108_3Accordance_Type = 3;
               s.m_nonCapillarAw = 0.01 / 60;
           });
    // Boundaries: 0 is a valid value of every numeric option ("no check" for the drying reserve).
    QTest::newRow("drying reserve 0: no check")
        << QStringList{"--drying-reserve", "0"} << SettingsChange([](ReportSettings &s) { s.m_dryingReserve = 0; });
    QTest::newRow("user-defined edition with A_w limit 0")
        << QStringList{"--din-edition", "3", "--non-capillary-aw", "0"} << SettingsChange([](ReportSettings &s) {
               s.m_DIN4108_3Accordance_Type = 3;
               s.m_nonCapillarAw = 0;
           });
    QTest::newRow("minimum resistance table 2013, last kind")
        << QStringList{"--min-res-version", "1", "--min-res-kind",
                       QString::number(MinimumHeatResistance::constructionKinds(1).constLast())}
        << SettingsChange([](ReportSettings &s) {
               s.m_minimumHeatResVersion = 1;
               s.m_minimumHeatResConstruction = MinimumHeatResistance::constructionKinds(1).constLast();
           });
    QTest::newRow("minimum resistance table 2004, first kind")
        << QStringList{"--min-res-version", "0", "--min-res-kind",
                       QString::number(MinimumHeatResistance::constructionKinds(0).value(0))}
        << SettingsChange([](ReportSettings &s) {
               s.m_minimumHeatResVersion = 0;
               s.m_minimumHeatResConstruction = MinimumHeatResistance::constructionKinds(0).value(0);
           });
}

void tst_Cli::criteriaOptions() {
    QFETCH(QStringList, options);
    QFETCH(SettingsChange, change);
    const QString file = dataFile("cli_timber_frame.v2p");
    Document document;
    QVERIFY(loadProject(file, document));
    ReportSettings settings;
    change(settings);
    const CalculationResults &results = document.calculation().results();
    const QJsonObject expected =
        DINCriteria::toJson(DINCriteria::evaluate(document.inputData(),
                                                  document.projectInformation().m_heatFlowDirection, results, settings),
                            CriteriaBasis(results));

    const CliRun run = runCli(QStringList{"calc"} + options + QStringList{file});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject criteria = parse(run.out).toObject()["criteria"].toObject();
    QCOMPARE(criteria, expected);
    QCOMPARE(criteria["frsi"].isNull(), !settings.m_frsiCheck);
    QVERIFY(criteria["minimumResistance"].isObject());
    QVERIFY(criteria["condensate"].isObject());
    QVERIFY(criteria["dryingTime"].isObject());
}

// A project with its own assessment choices is judged by them; an option given overrides its choice for the run.
void tst_Cli::projectChoicesAndOptions_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<SettingsChange>("change");
    QTest::addColumn<QString>("origin");
    QTest::newRow("the project's choices") << QStringList() << SettingsChange([](ReportSettings &) {}) << "project";
    QTest::newRow("options override theirs")
        << QStringList{"--din-edition", "2", "--drying-reserve", "0"} << SettingsChange([](ReportSettings &s) {
               s.m_DIN4108_3Accordance_Type = 2;
               s.m_dryingReserve = 0;
           })
        << "project and command line";
    QTest::newRow("kind alone, in the project's table")
        << QStringList{"--min-res-kind", "10"}
        << SettingsChange([](ReportSettings &s) { s.m_minimumHeatResConstruction = 10; }) << "project and command line";
    QTest::newRow("table alone, without the project's kind")
        << QStringList{"--min-res-version", "1"} << SettingsChange([](ReportSettings &s) {
               s.m_minimumHeatResVersion = 1;
               s.m_minimumHeatResConstruction = 12;
           })
        << "project and command line";
}

void tst_Cli::projectChoicesAndOptions() {
    QFETCH(QStringList, options);
    QFETCH(SettingsChange, change);
    QFETCH(QString, origin);
    const QString plain = dataFile("cli_timber_frame.v2p");
    QFile source(plain);
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray xml = source.readAll();
    const QByteArray element = "\n        <Assessment dinEdition=\"0\" dryingReserve=\"0.25\" minResVersion=\"0\" "
                               "minResKind=\"11\" frsiCheck=\"1\"/>";
    const int optionsEnd = xml.indexOf("/>", xml.indexOf("<Options ")) + 2;
    xml.insert(optionsEnd, element);
    QTemporaryDir dir;
    const QString own = dir.filePath("own.v2p");
    QFile file(own);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size());
    file.close();

    ReportSettings settings;
    settings.m_DIN4108_3Accordance_Type = 0;
    settings.m_dryingReserve = 0.25;
    settings.m_minimumHeatResVersion = 0;
    settings.m_minimumHeatResConstruction = 11;
    settings.m_frsiCheck = true;
    change(settings);
    Document document;
    QVERIFY(loadProject(plain, document));
    const CalculationResults &results = document.calculation().results();
    const QJsonObject expected =
        DINCriteria::toJson(DINCriteria::evaluate(document.inputData(),
                                                  document.projectInformation().m_heatFlowDirection, results, settings),
                            CriteriaBasis(results));
    const CliRun run = runCli(QStringList{"calc"} + options + QStringList{own});
    QCOMPARE(run.exitCode, 0);
    QJsonObject judged = parse(run.out).toObject();
    QCOMPARE(judged["criteria"].toObject(), expected);

    // The same choices given as options on the project without its own give the same output.
    const QStringList equal{"--din-edition",
                            QString::number(settings.m_DIN4108_3Accordance_Type),
                            "--drying-reserve",
                            QString::number(settings.m_dryingReserve * 1000),
                            "--min-res-version",
                            QString::number(settings.m_minimumHeatResVersion),
                            "--min-res-kind",
                            QString::number(settings.m_minimumHeatResConstruction),
                            "--frsi"};
    QJsonObject byOptions = parse(runCli(QStringList{"calc"} + equal + QStringList{plain}).out).toObject();
    judged.remove("file");
    byOptions.remove("file");
    QCOMPARE(judged, byOptions);

    const QString text = QString::fromUtf8(runCli(QStringList{"calc", "--text"} + options + QStringList{own}).out);
    QVERIFY2(text.contains(QString("Assessment: %1 (%2)\n").arg(AssessmentChoices(settings).summary(), origin)),
             qPrintable(text));
}

void tst_Cli::severalFiles() {
    const QStringList files{dataFile("cli_timber_frame.v2p"), dataFile("cli_masonry_wall.v2p"),
                            dataFile("project/legacy_valid.vpj")};
    const CliRun run = runCli(QStringList{"calc"} + files);
    QCOMPARE(run.exitCode, 0);
    const QJsonArray array = parse(run.out).toArray();
    QCOMPARE(array.size(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(array[i].toObject()["file"].toString(), files[i]);
        QVERIFY(array[i].toObject()["results"].isObject());
    }
}

void tst_Cli::loadFailures_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("missing file") << dataFile("cli_does_not_exist.v2p");
    QTest::newRow("truncated xml") << dataFile("cli_broken.v2p");
    QTest::newRow("project without layers") << dataFile("project/project_no_layers.v2p");
    QTest::newRow("a directory") << dataFile("project");
    QTest::newRow("legacy file with an unknown keyword") << dataFile("project/legacy_unknown_keyword.vpj");
}

void tst_Cli::loadFailures() {
    QFETCH(QString, file);
    Project project;
    QString expectedError;
    QVERIFY(!project.read(file, expectedError));
    // A file that is not there is named as such, not as a permission problem.
    if (!QFileInfo::exists(file))
        expectedError = "not found";
    else if (QFileInfo(file).isDir())
        expectedError = "is a directory";
    // The cause without the readers' "[Class::function]" locations.
    expectedError.remove(QRegularExpression("^\\[[^\\]\n]*\\]\\s+", QRegularExpression::MultilineOption));
    QVERIFY(!expectedError.isEmpty());

    // A good file beside the broken one is still calculated; the exit code reports the failure.
    const CliRun run = runCli({"calc", dataFile("cli_masonry_wall.v2p"), file});
    QCOMPARE(run.exitCode, 2);
    const QJsonArray array = parse(run.out).toArray();
    QCOMPARE(array.size(), 2);
    QVERIFY(array[0].toObject()["results"].isObject());
    const QJsonObject failed = array[1].toObject();
    QCOMPARE(failed["file"].toString(), file);
    QCOMPARE(failed["error"].toString(), expectedError);
    QVERIFY(!failed.contains("results"));
    QVERIFY(QString::fromUtf8(run.err).contains(expectedError));
    QVERIFY2(!run.err.contains("::"), run.err.constData());
}

void tst_Cli::badUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    const QString file = dataFile("cli_masonry_wall.v2p");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("unknown command") << QStringList{"calculate", file};
    QTest::newRow("calc without file") << QStringList{"calc"};
    QTest::newRow("unknown option") << QStringList{"calc", "--fast", file};
    QTest::newRow("edition 4") << QStringList{"calc", "--din-edition", "4", file};
    QTest::newRow("edition -1") << QStringList{"calc", "--din-edition", "-1", file};
    QTest::newRow("edition not an integer") << QStringList{"calc", "--din-edition", "2.0", file};
    QTest::newRow("edition text") << QStringList{"calc", "--din-edition", "latest", file};
    QTest::newRow("table version 2") << QStringList{"calc", "--min-res-version", "2", file};
    QTest::newRow("table version not an integer") << QStringList{"calc", "--min-res-version", "1x", file};
    QTest::newRow("kind unknown to the table") << QStringList{"calc", "--min-res-kind", "9999", file};
    QTest::newRow("negative drying reserve") << QStringList{"calc", "--drying-reserve", "-5", file};
    QTest::newRow("drying reserve just below 0") << QStringList{"calc", "--drying-reserve", "-0.001", file};
    QTest::newRow("A_w limit just below 0") << QStringList{"calc", "--non-capillary-aw", "-0.001", file};
    QTest::newRow("table version -1") << QStringList{"calc", "--min-res-version", "-1", file};
    QTest::newRow("materials category -1") << QStringList{"materials", "--category", "-1"};
    QTest::newRow("A_w limit not a number") << QStringList{"calc", "--non-capillary-aw", "nan", file};
    QTest::newRow("option value missing") << QStringList{"calc", file, "--din-edition"};
    QTest::newRow("convert with one file") << QStringList{"convert", file};
    QTest::newRow("convert to a vpj name") << QStringList{"convert", file, QDir::tempPath() + "/cli_new.vpj"};
    QTest::newRow("materials category 14") << QStringList{"materials", "--category", "14"};
    QTest::newRow("materials with a file") << QStringList{"materials", file};
    QTest::newRow("convert unknown option")
        << QStringList{"convert", "--fast", file, QDir::tempPath() + "/cli_new.v2p"};
    QTest::newRow("materials unknown option") << QStringList{"materials", "--fast"};
    QTest::newRow("calc --text with --json-lines") << QStringList{"calc", "--text", "--json-lines", file};
    QTest::newRow("calc --text with --array") << QStringList{"calc", "--array", "--text", file};
    QTest::newRow("report with an empty font")
        << QStringList{"report", file, "--font", "", "-o", QDir::tempPath() + "/cli_empty_font.pdf"};
    QTest::newRow("report edition 4") << QStringList{
        "report", "--din-edition", "4", file, "-o", QDir::tempPath() + "/cli_bad_edition.pdf"};
    QTest::newRow("diagram unknown option")
        << QStringList{"diagram", "--fast", file, "-o", QDir::tempPath() + "/d.svg"};
}

void tst_Cli::badUsage() {
    QFETCH(QStringList, arguments);
    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    // One line naming the fault and where help is, not the whole help text.
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.err.contains("--help"));
}

void tst_Cli::textSummary() {
    const QString file = dataFile("cli_timber_frame.v2p");
    Document document;
    QVERIFY(loadProject(file, document));
    const CalculationResults &r = document.calculation().results();
    const std::vector<DINCriterion> criteria = DINCriteria::evaluate(
        document.inputData(), document.projectInformation().m_heatFlowDirection, r, ReportSettings());

    const CliRun run = runCli({"calc", "--text", file});
    QCOMPARE(run.exitCode, 0);
    const QString text = QString::fromUtf8(run.out);
    QVERIFY(text.startsWith(file + '\n'));
    const QString verdict = ResultSummary(document.inputData(), r).row(ResultSummary::Key::Verdict).verdict;
    QVERIFY(text.contains(QTextDocumentFragment::fromHtml(verdict).toPlainText()));
    QVERIFY(text.contains(QString::number(r.U, 'f', 3)));
    QVERIFY(text.contains(QString::number(r.Mc, 'f', 3)));
    QVERIFY(text.contains(QString::number(r.dryingTime / 86400, 'f', 2)));
    // One verdict per criterion row, in the words of the evaluation.
    int verdicts = 0;
    for (const QString &line : text.split('\n'))
        if (line.endsWith(DINCriteria::verdictText(true)) || line.endsWith(DINCriteria::verdictText(false)))
            ++verdicts;
    QCOMPARE(verdicts, int(criteria.size()));
    // Rich text is turned into plain text.
    QVERIFY(!text.contains(QRegularExpression("<[a-z/]")));
}

void tst_Cli::convertRoundTrip() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString legacy = dataFile("project/legacy_valid.vpj");
    const QString converted = dir.filePath("converted.v2p");
    const CliRun run = runCli({"convert", legacy, converted});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFile::exists(converted));

    const CliRun before = runCli({"calc", legacy});
    const CliRun after = runCli({"calc", converted});
    QCOMPARE(before.exitCode, 0);
    QCOMPARE(after.exitCode, 0);
    QJsonObject beforeObject = parse(before.out).toObject();
    QJsonObject afterObject = parse(after.out).toObject();
    beforeObject.remove("file");
    afterObject.remove("file");
    QVERIFY(beforeObject.contains("results"));
    // The current format stores numbers with 6 digits: compare what the user sees, not the last bits.
    Document original;
    Document reloaded;
    QVERIFY(loadProject(legacy, original));
    QVERIFY(loadProject(converted, reloaded));
    QCOMPARE(reloaded.inputData().layers().size(), original.inputData().layers().size());
    const CalculationResults &a = original.calculation().results();
    const CalculationResults &b = reloaded.calculation().results();
    QCOMPARE(afterObject["results"].toObject()["resultCode"], beforeObject["results"].toObject()["resultCode"]);
    QCOMPARE(b.resultCode, a.resultCode);
    QCOMPARE(b.condensationZones, a.condensationZones);
    QVERIFY(std::fabs(b.U - a.U) <= 1e-5 * a.U);
    QVERIFY(std::fabs(b.Mc - a.Mc) <= 1e-5 * std::max(a.Mc, 1e-3));
    QCOMPARE(afterObject["criteria"].toObject()["condensate"].toObject()["fulfilled"],
             beforeObject["criteria"].toObject()["condensate"].toObject()["fulfilled"]);
}

void tst_Cli::convertRefusesToOverwrite() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath("existing.v2p");
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    const QString source = dataFile("project/legacy_valid.vpj");

    const CliRun refused = runCli({"convert", source, target});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY(refused.err.contains("--force"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
    file.close();

    const CliRun forced = runCli({"convert", "--force", source, target});
    QCOMPARE(forced.exitCode, 0);
    Document document;
    QVERIFY(loadProject(target, document));

    const CliRun missing = runCli({"convert", dataFile("cli_does_not_exist.vpj"), dir.filePath("new.v2p")});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY2(missing.err.contains("not found"), missing.err.constData());
    QVERIFY(!QFile::exists(dir.filePath("new.v2p")));
}

void tst_Cli::materialsList() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MaterialList list("en", dir.path());
    list.setReadOnly(true);
    QVERIFY(list.readDatabase(QStringLiteral(HYGROLUX_RESOURCES_DIR)));

    const CliRun run = runCli({"materials", "--json", "--user-dir", dir.path()});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray array = parse(run.out).toArray();
    QCOMPARE(array.size(), list.count());
    QVERIFY(list.count() > 1);
    for (int i = 0; i < list.count(); ++i) {
        const QJsonObject object = array[i].toObject();
        const Material *m = list.materialAt(i);
        QCOMPARE(object["id"].toInt(), m->materialId());
        QCOMPARE(object["name"].toString(), m->name());
        QCOMPARE(object["category"].toInt(), m->category());
        QCOMPARE(object["lambda"].toDouble(), m->lambda());
        QCOMPARE(object["Aw"].toDouble(), m->Aw());
        QCOMPARE(jsonStrings(object["flags"]).contains("air"), m->isAir());
    }
    // Listing creates nothing.
    QVERIFY(QDir(dir.path()).isEmpty());

    const CliRun table = runCli({"materials", "--user-dir", dir.path()});
    QCOMPARE(table.exitCode, 0);
    QCOMPARE(table.out.count('\n'), list.count() + 1);
}

void tst_Cli::materialsFilters_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("language");
    QTest::addColumn<MaterialPredicate>("accepted");
    QTest::newRow("category 5") << QStringList{"--category", "5"} << "en"
                                << MaterialPredicate([](const Material &m) { return m.category() == 5; });
    QTest::newRow("category 0") << QStringList{"--category", "0"} << "en"
                                << MaterialPredicate([](const Material &m) { return m.category() == 0; });
    QTest::newRow("every word, any letter case")
        << QStringList{"--filter", "POLYSTYRENE eps"} << "en" << MaterialPredicate([](const Material &m) {
               return m.name().contains("polystyrene", Qt::CaseInsensitive) &&
                      m.name().contains("eps", Qt::CaseInsensitive);
           });
    // Brackets of a regular expression are plain text: "(EPS)" is not the word EPS anywhere.
    QTest::newRow("plain text, never a pattern")
        << QStringList{"--filter", "(EPS)"} << "en"
        << MaterialPredicate([](const Material &m) { return m.name().contains("(EPS)", Qt::CaseInsensitive); });
    QTest::newRow("a phrase in quotes") << QStringList{"--filter", "\"rock wool\" 040"} << "en"
                                        << MaterialPredicate([](const Material &m) {
                                               return m.name().contains("rock wool", Qt::CaseInsensitive) &&
                                                      m.name().contains("040");
                                           });
    QTest::newRow("German names found by a German word")
        << QStringList{"--filter", "gips", "--lang", "de"} << "de"
        << MaterialPredicate([](const Material &m) { return m.name().contains("gips", Qt::CaseInsensitive); });
    QTest::newRow("German names found by an English word")
        << QStringList{"--lang=de", "--filter", "plasterboard"} << "de" << MaterialPredicate([](const Material &m) {
               return m.otherNames().filter("plasterboard", Qt::CaseInsensitive).size() == 1;
           });
}

void tst_Cli::materialsFilters() {
    QFETCH(QStringList, options);
    QFETCH(QString, language);
    QFETCH(MaterialPredicate, accepted);
    QTemporaryDir dir;
    MaterialList list(language, dir.path());
    list.setReadOnly(true);
    list.readDatabase(QStringLiteral(HYGROLUX_RESOURCES_DIR));
    QStringList expected;
    for (int i = 0; i < list.count(); ++i)
        if (accepted(*list.materialAt(i)))
            expected << list.materialAt(i)->name();
    QVERIFY(!expected.isEmpty());

    const CliRun run = runCli(QStringList{"materials", "--json", "--user-dir", dir.path()} + options);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QStringList names;
    for (const QJsonValue &value : parse(run.out).toArray())
        names << value.toObject()["name"].toString();
    QCOMPARE(names, expected);
}

void tst_Cli::languageComesFirst_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("usage error, language in front")
        << QStringList{"--lang", "de", "materials", "--category", "14"} << 1 << "--category muss eine ganze Zahl";
    QTest::newRow("usage error, language behind")
        << QStringList{"materials", "--category", "14", "--lang=de"} << 1 << "Siehe hygrolux2-cli materials --help";
    QTest::newRow("overview") << QStringList{"--lang", "de", "--help"} << 0 << "Aufruf: hygrolux2-cli COMMAND";
    for (const char *command : {"calc", "materials", "convert", "criteria", "report", "diagram", "study"})
        QTest::newRow(command) << QStringList{command, "--help", "--lang", "de"} << 0
                               << QStringLiteral("Aufruf: hygrolux2-cli %1").arg(command);
    QTest::newRow("no language id") << QStringList{"calc", "--lang"} << 1 << "--lang";
}

// "--lang" is taken before any command parses its options: its usage errors and help are in that language too.
void tst_Cli::languageComesFirst() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    const QByteArray text = exitCode == 0 ? run.out : run.err;
    QVERIFY2(text.contains(expected.toUtf8()), text.constData());
}

void tst_Cli::materialsLeavesUserDatabaseAlone() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    {
        MaterialList list("en", dir.path());
        Material own("Homemade clay plaster", 1, QString(), QString(), QString(), QString(), 1500, 0.8, 8, 0.02, 0.3,
                     0.001, 0);
        list.addUserMaterial(own);
        QVERIFY(list.writeUserDatabase());
        list.setReadOnly(true);
    }
    const QString database = dir.filePath(MaterialList::UserDatabaseFileName);
    const QByteArray hash = fileHash(database);
    const QDateTime modified = QFileInfo(database).lastModified();

    const CliRun run = runCli({"materials", "--json", "--user-dir", dir.path(), "--filter", "homemade"});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray array = parse(run.out).toArray();
    QCOMPARE(array.size(), 1);
    QCOMPARE(array[0].toObject()["name"].toString(), QString("Homemade clay plaster"));
    QVERIFY(array[0].toObject()["id"].toInt() >= MaterialList::FirstUserMaterialId);
    QCOMPARE(fileHash(database), hash);
    QCOMPARE(QFileInfo(database).lastModified(), modified);
    QVERIFY(!QFileInfo::exists(database + ".backup"));
}

// The tool never writes the database, so it keeps no copy; it says on standard error that the file is damaged.
void tst_Cli::materialsWarnsOfDamagedDatabase() {
    QTemporaryDir dir;
    const QString database = dir.filePath(MaterialList::UserDatabaseFileName);
    {
        MaterialList list("en", dir.path());
        list.addUserMaterial(Material("Homemade clay plaster", 1, QString(), QString(), QString(), QString(), 1500, 0.8,
                                      8, 0.02, 0.3, 0.001, 0));
        QVERIFY(list.writeUserDatabase());
        list.setReadOnly(true);
    }
    QFile file(database);
    QVERIFY(file.open(QIODevice::Append));
    file.write("tail");
    file.close();
    const QByteArray hash = fileHash(database);

    const CliRun run = runCli({"materials", "--json", "--user-dir", dir.path(), "--filter", "homemade"});
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(parse(run.out).toArray().size(), 1);
    QVERIFY2(QString::fromUtf8(run.err).contains(
                 QRegularExpression("(^|\n)warning: " + QRegularExpression::escape(database) + ": ")),
             run.err.constData());
    QCOMPARE(fileHash(database), hash);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{MaterialList::UserDatabaseFileName});
}

void tst_Cli::helpAndVersion() {
    const CliRun help = runCli({"--help"});
    QCOMPARE(help.exitCode, 0);
    for (const char *command : {"calc", "materials", "convert", "criteria"})
        QVERIFY(help.out.contains(command));
    const CliRun commandHelp = runCli({"calc", "--help"});
    QCOMPARE(commandHelp.exitCode, 0);
    QVERIFY(commandHelp.out.contains("--din-edition"));
    for (const char *command : {"convert", "materials", "report", "diagram"}) {
        const CliRun usage = runCli({command, "--help"});
        QCOMPARE(usage.exitCode, 0);
        QVERIFY(usage.out.contains(QByteArray("Usage: hygrolux2-cli ") + command));
    }
    const CliRun version = runCli({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.contains(ProgramInfo::version().toUtf8()));
    // -V after any command, also where a project file would be needed.
    for (const char *command : {"calc", "materials", "convert", "report", "diagram", "study", "criteria"}) {
        const CliRun commandVersion = runCli({command, "-V"});
        QCOMPARE(commandVersion.exitCode, 0);
        QCOMPARE(commandVersion.out, version.out);
    }
}

namespace {

/*! A copy of the masonry wall project in \a dir, with \a edit applied to its text. */
QString projectCopy(const QTemporaryDir &dir, const QString &name,
                    const std::function<QByteArray(QByteArray)> &edit = nullptr) {
    QFile source(dataFile("cli_masonry_wall.v2p"));
    if (!source.open(QIODevice::ReadOnly))
        return QString();
    QByteArray text = source.readAll();
    if (edit)
        text = edit(text);
    const QString path = dir.filePath(name);
    QFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(text) != text.size())
        return QString();
    return path;
}

} // namespace

void tst_Cli::neverWritesOverAnInput_data() {
    // P: the project, L: a symbolic link to it, H: a hard link to it, A: the project through a linked directory
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("report to a link to the project") << QStringList{"report", "P", "-o", "L.pdf", "--force"};
    QTest::newRow("diagram to a link to the project") << QStringList{"diagram", "P", "-o", "L.svg", "--force"};
    QTest::newRow("convert onto itself") << QStringList{"convert", "--force", "P", "P"};
    QTest::newRow("report to a hard link") << QStringList{"report", "P", "-o", "H.pdf", "--force"};
    QTest::newRow("convert to a hard link") << QStringList{"convert", "--force", "P", "H.v2p"};
    QTest::newRow("study chart to a hard link")
        << QStringList{"study", "P", "--vary", "rh-inside", "--values", "50", "--plot", "H.png", "--force"};
    QTest::newRow("convert through a linked directory") << QStringList{"convert", "--force", "P", "A"};
}

void tst_Cli::neverWritesOverAnInput() {
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const QString project = projectCopy(dir, "p.v2p");
    QVERIFY(!project.isEmpty());
    const QByteArray before = fileHash(project);
    for (QString &argument : arguments) {
        if (argument == "P") {
            argument = project;
        }
        else if (argument.startsWith("L.")) {
            argument = dir.filePath("link" + argument.mid(1));
            QVERIFY(QFile::link(project, argument));
        }
        else if (argument.startsWith("H.")) {
            argument = dir.filePath("hard" + argument.mid(1));
            QCOMPARE(::link(QFile::encodeName(project).constData(), QFile::encodeName(argument).constData()), 0);
        }
        else if (argument == "A") {
            QVERIFY(QFile::link(dir.path(), dir.filePath("alias")));
            argument = dir.filePath("alias/p.v2p");
        }
    }
    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("input file"), run.err.constData());
    QCOMPARE(fileHash(project), before);
}

void tst_Cli::existingOutputNeedsForce_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("output");
    QTest::newRow("report") << "report"
                            << "out.pdf";
    QTest::newRow("diagram") << "diagram"
                             << "out.svg";
}

void tst_Cli::existingOutputNeedsForce() {
    QFETCH(QString, command);
    QFETCH(QString, output);
    QTemporaryDir dir;
    const QString project = projectCopy(dir, "p.v2p");
    const QString out = dir.filePath(output);
    QFile file(out);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep me") == 7);
    file.close();

    const CliRun refused = runCli({command, project, "-o", out});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY(refused.err.contains("--force"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
    file.close();
    QCOMPARE(runCli({command, project, "-o", out, "--force"}).exitCode, 0);
    QVERIFY(QFileInfo(out).size() > 7);
}

void tst_Cli::outputExtensionMustMatch_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("output");
    QTest::newRow("report as PNG") << "report"
                                   << "x.png";
    QTest::newRow("diagram as text") << "diagram"
                                     << "x.txt";
}

void tst_Cli::outputExtensionMustMatch() {
    QFETCH(QString, command);
    QFETCH(QString, output);
    QTemporaryDir dir;
    const CliRun run = runCli({command, projectCopy(dir, "p.v2p"), "-o", dir.filePath(output)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(!QFile::exists(dir.filePath(output)));
}

void tst_Cli::failedWriteIsAnError_data() {
    QTest::addColumn<QStringList>("arguments"); // P: the project
    QTest::addColumn<QString>("stdoutFile");
    QTest::newRow("calc to a full disk") << QStringList{"calc", "P"} << "/dev/full";
    QTest::newRow("materials to a full disk") << QStringList{"materials"} << "/dev/full";
    QTest::newRow("report to a full standard output") << QStringList{"report", "P", "-o", "-"} << "/dev/full";
    QTest::newRow("diagram to a full standard output")
        << QStringList{"diagram", "P", "-o", "-", "--format", "png"} << "/dev/full";
    QTest::newRow("help to a full disk") << QStringList{"--help"} << "/dev/full";
    QTest::newRow("version to a full disk") << QStringList{"--version"} << "/dev/full";
    QTest::newRow("command help to a full disk") << QStringList{"study", "--help"} << "/dev/full";
    QTest::newRow("convert to a full standard output") << QStringList{"convert", "P", "-"} << "/dev/full";
    // Never /dev/full as a file target: renaming over it would replace the device for everyone.
    QTest::newRow("convert onto a named pipe") << QStringList{"convert", "--force", "P", "FIFO"} << QString();
}

void tst_Cli::failedWriteIsAnError() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, stdoutFile);
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("no /dev/full");
    QTemporaryDir dir;
    arguments.replaceInStrings(QRegularExpression("^P$"), projectCopy(dir, "p.v2p"));
    const QString fifo = dir.filePath("pipe.v2p");
    arguments.replaceInStrings(QRegularExpression("^FIFO$"), fifo);
    if (arguments.contains(fifo))
        QCOMPARE(QProcess::execute("mkfifo", {fifo}), 0);
    const CliRun run = runCli(arguments, stdoutFile);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!run.err.isEmpty());
    if (arguments.contains(fifo))
        QVERIFY(!QFileInfo(fifo).isFile());
}

void tst_Cli::dashIsStandardOutput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("report as PDF") << QStringList{"report", "-o", "-"} << QByteArray("%PDF-");
    QTest::newRow("diagram as PNG") << QStringList{"diagram", "-o", "-", "--format", "png"} << QByteArray("\x89PNG");
    QTest::newRow("converted project") << QStringList{"convert", "P", "-"} << QByteArray("<?xml");
}

void tst_Cli::dashIsStandardOutput() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    if (!arguments.contains("P"))
        arguments << "P";
    arguments.replaceInStrings(QRegularExpression("^P$"), projectCopy(dir, "p.v2p"));
    const CliRun run = runCli(arguments, QString(), dir.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(start));
    QVERIFY(!QFile::exists(dir.filePath("-")));
}

void tst_Cli::nonFiniteNumbersAreInvalid_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("inf") << QByteArray("inf");
    QTest::newRow("-Infinity") << QByteArray("-Infinity");
    QTest::newRow("NaN") << QByteArray("NaN");
}

void tst_Cli::nonFiniteNumbersAreInvalid() {
    QFETCH(QByteArray, value);
    QTemporaryDir dir;
    const QString project = projectCopy(dir, "p.v2p", [&](QByteArray text) {
        const int at = text.indexOf("lambda=\"") + 8;
        return text.replace(at, text.indexOf('"', at) - at, value);
    });
    const CliRun run = runCli({"calc", project});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("Invalid value for attribute 'lambda'."), run.err.constData());
}

void tst_Cli::tooManyLayers() {
    QTemporaryDir dir;
    const QString project = projectCopy(dir, "p.v2p", [](QByteArray text) {
        const int begin = text.indexOf("<Layer ");
        const int end = text.indexOf("</Layer>", begin) + 8;
        const QByteArray layer = text.mid(begin, end - begin);
        QByteArray layers;
        for (int i = 0; i < 1001; ++i)
            layers += QByteArray(layer).replace(QByteArray("index=\"0\""), "index=\"" + QByteArray::number(i) + '"');
        const int last = text.lastIndexOf("</Layer>") + 8;
        return text.replace(begin, last - begin, layers);
    });
    const CliRun run = runCli({"calc", project});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("The project has more than 1000 layers."), run.err.constData());
}

void tst_Cli::materialsUserDirectoryMissing() {
    QTemporaryDir dir;
    const CliRun run = runCli({"materials", "--json", "--user-dir", dir.filePath("none")});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.err.contains("warning: " + dir.filePath("none").toUtf8() + ": not found"), run.err.constData());
    QVERIFY(!parse(run.out).toArray().isEmpty());
}

void tst_Cli::projectFromStandardInput_data() {
    QTest::addColumn<QStringList>("arguments"); // P: the project
    QTest::newRow("calc") << QStringList{"calc", "P"};
    QTest::newRow("study") << QStringList{"study", "P",        "--vary",   "width", "--layer",
                                          "1",     "--values", "0.01,0.1", "--json"};
}

void tst_Cli::projectFromStandardInput() {
    QFETCH(QStringList, arguments);
    const QString file = dataFile("project/legacy_valid.vpj");
    QProcess process;
    process.setStandardInputFile(file);
    process.start(QStringLiteral(HYGROLUX_CLI_PATH),
                  QStringList(arguments).replaceInStrings(QRegularExpression("^P$"), "-"));
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 0);
    QJsonObject fromStdin = parse(process.readAllStandardOutput()).toObject();
    QJsonObject fromFile = parse(runCli(arguments.replaceInStrings(QRegularExpression("^P$"), file)).out).toObject();
    QCOMPARE(fromStdin["file"].toString(), QString("-"));
    fromStdin.remove("file");
    fromFile.remove("file");
    QVERIFY(fromFile.size() > 2);
    QCOMPARE(fromStdin, fromFile);
}

void tst_Cli::hugeValuesInTextSummary() {
    QTemporaryDir dir;
    const QString project = projectCopy(
        dir, "p.v2p", [](QByteArray text) { return text.replace(text.indexOf("d=\"0.015\""), 9, "d=\"1e300\""); });
    const CliRun run = runCli({"calc", "--text", project});
    QVERIFY(run.out.contains("1e+300 m"));
    for (const QByteArray &line : run.out.split('\n'))
        QVERIFY2(line.size() < 300, line.left(120).constData());
}

void tst_Cli::jsonShapeForScripts() {
    const QString file = dataFile("cli_masonry_wall.v2p");
    const CliRun array = runCli({"calc", "--array", file});
    QCOMPARE(array.exitCode, 0);
    QCOMPARE(parse(array.out).toArray().size(), 1);

    const CliRun lines = runCli({"calc", "--json-lines", file, dataFile("cli_timber_frame.v2p")});
    QCOMPARE(lines.exitCode, 0);
    const QList<QByteArray> objects = lines.out.trimmed().split('\n');
    QCOMPARE(objects.size(), 2);
    for (const QByteArray &object : objects)
        QVERIFY(parse(object).toObject().contains("criteria"));
    QCOMPARE(parse(objects.at(1)).toObject()["file"].toString(), dataFile("cli_timber_frame.v2p"));

    QTemporaryDir dir;
    QFile list(dir.filePath("list.txt"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write((file + "\n" + dataFile("cli_timber_frame.v2p") + "\n").toUtf8());
    list.close();
    const CliRun fromList = runCli({"calc", "--json-lines", "@" + list.fileName()});
    QCOMPARE(fromList.exitCode, 0);
    QCOMPARE(fromList.out, lines.out);
}

void tst_Cli::minimumResistanceVersionAlone() {
    // The default kind exists only in the 2013 table; the 2004 table starts at its own first kind.
    const CliRun run = runCli({"calc", "--min-res-version", "0", dataFile("cli_masonry_wall.v2p")});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject minimum = parse(run.out).toObject()["criteria"].toObject()["minimumResistance"].toObject();
    QCOMPARE(minimum["version"].toInt(), 0);
    QCOMPARE(minimum["kind"].toInt(), MinimumHeatResistance::constructionKinds(0).value(0));
}

void tst_Cli::criteriaList() {
    const CliRun run = runCli({"criteria", "--list"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(runCli({"calc", "--list-kinds"}).out, run.out);
    const QString text = QString::fromUtf8(run.out);
    // Every kind a table accepts, with its row label, under the heading of its version.
    for (int version : {0, 1}) {
        const int heading = text.indexOf(QStringLiteral("--min-res-version %1 ").arg(version));
        QVERIFY(heading >= 0);
        const int next = text.indexOf(QStringLiteral("--min-res-version "), heading + 1);
        const QString table = text.mid(heading, next < 0 ? -1 : next - heading);
        for (int kind : MinimumHeatResistance::constructionKinds(version)) {
            const QRegularExpression row(
                QStringLiteral("\n +%1  %2 ")
                    .arg(kind)
                    .arg(QRegularExpression::escape(MinimumHeatResistance::rowLabel(version, kind))));
            QVERIFY2(table.contains(row), qPrintable(row.pattern()));
        }
    }
}

namespace {

QStringList csvFields(const QString &line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        if (quoted && line[i] == '"' && line.mid(i + 1, 1) == "\"") {
            field += '"';
            ++i;
        }
        else if (line[i] == '"') {
            quoted = !quoted;
        }
        else if (line[i] == ',' && !quoted) {
            fields << field;
            field.clear();
        }
        else {
            field += line[i];
        }
    }
    return fields << field;
}

} // namespace

void tst_Cli::materialsCsv() {
    QTemporaryDir dir;
    {
        MaterialList own("en", dir.path());
        own.addUserMaterial(Material("Clay plaster, \"fine\"", 1, QString(), QString(), QString(), QString(), 1500, 0.8,
                                     8, 0.02, 0.3, 0.001, 0));
        QVERIFY(own.writeUserDatabase());
        own.setReadOnly(true);
    }
    MaterialList list("en", dir.path());
    list.setReadOnly(true);
    QVERIFY(list.readDatabase(QStringLiteral(HYGROLUX_RESOURCES_DIR)));

    const CliRun run = runCli({"materials", "--csv", "--user-dir", dir.path()});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), list.count() + 1);
    QCOMPARE(csvFields(lines[0]).value(5), QString("lambda"));
    for (int i = 0; i < list.count(); ++i) {
        const QStringList fields = csvFields(lines[i + 1]);
        QCOMPARE(fields.size(), 11);
        QCOMPARE(fields[0].toInt(), list.materialAt(i)->materialId());
        QCOMPARE(fields[1], list.materialAt(i)->name());
        QCOMPARE(fields[5].toDouble(), list.materialAt(i)->lambda());
        QCOMPARE(fields[9].toDouble(), list.materialAt(i)->Aw());
    }
    QCOMPARE(runCli({"materials", "--csv", "--json"}).exitCode, 1);
}

void tst_Cli::quietUnlessVerbose_data() {
    QTest::addColumn<QStringList>("arguments"); // P: the project, O: an output directory
    QTest::newRow("report") << QStringList{"report", "P", "-o", "O/r.pdf", "--frames", "all"};
    QTest::newRow("diagram") << QStringList{"diagram", "P", "-o", "O/d.png", "--type", "sketch"};
    QTest::newRow("study with chart") << QStringList{"study", "P",        "--vary",  "width",  "--layer",
                                                     "2",     "--values", "0.1,0.2", "--plot", "O/s.svg"};
}

void tst_Cli::quietUnlessVerbose() {
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    arguments.replaceInStrings(QRegularExpression("^P$"), projectCopy(dir, "p.v2p"));
    arguments.replaceInStrings(QRegularExpression("^O/"), dir.path() + '/');
    // Qt's own debug lines stand in for its notes (painter, fonts, platform): they belong to the log only.
    const QStringList qtTalks{"QT_LOGGING_RULES=*.debug=true"};
    const CliRun quiet = runCli(arguments, QString(), QString(), qtTalks);
    QCOMPARE(quiet.exitCode, 0);
    QVERIFY2(quiet.err.isEmpty(), quiet.err.left(300).constData());
    const CliRun verbose = runCli(arguments << "--force"
                                            << "--verbose",
                                  QString(), QString(), qtTalks);
    QCOMPARE(verbose.exitCode, 0);
    QVERIFY(verbose.err.contains("qt."));
    // In front of the command it works the same; the drawing commands still get their GUI application.
    const CliRun inFront = runCli(QStringList{"--verbose"} + arguments, QString(), QString(), qtTalks);
    QCOMPARE(inFront.exitCode, 0);
    QVERIFY(inFront.err.contains("qt."));
}

void tst_Cli::undecodableFileName() {
    // The name "caf\xE9.v2p" is Latin-1, not UTF-8: it cannot reach the tool as text, so it is refused by name.
    // The shell makes and removes the file, which Qt could not name either.
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start("sh", {"-c",
                         "f=$(printf 'caf\\351.v2p'); cp \"$1\" \"$f\"; LC_ALL=C.UTF-8 \"$0\" calc \"$f\"; rc=$?; "
                         "rm -f \"$f\"; exit $rc",
                         HYGROLUX_CLI_PATH, dataFile("cli_masonry_wall.v2p")});
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.startsWith("caf\\xe9.v2p: ") && err.contains("UTF-8"), err.constData());
}

void tst_Cli::reportLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German texts and numbers") << "de" << 0 << "Konstruktionsskizze|12,5";
    QTest::newRow("English by default") << "" << 0 << "Construction Sketch|12.5";
    QTest::newRow("a language without catalogues") << "fr" << 1 << "";
}

void tst_Cli::reportLanguage() {
    QFETCH(QString, language);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    QStringList arguments{"report", QStringLiteral(HYGROLUX_EXAMPLES_DIR "/timber-frame-wall.v2p"), "-o", pdf};
    if (!language.isEmpty())
        arguments << "--lang" << language;
    // An English desktop, so that only the option can make the numbers German.
    const CliRun run = runCli(arguments, QString(), QString(), {"LC_ALL=en_US.UTF-8", "LANG=en_US.UTF-8"});
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0) {
        QVERIFY2(run.err.contains("'fr'"), run.err.constData());
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString &word : expected.split('|'))
        QVERIFY2(content.contains(word), qPrintable(word));
}

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_Cli.moc"
