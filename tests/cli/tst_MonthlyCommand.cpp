// End-to-end tests of "calc --method monthly": the built tool runs on small projects written here, its JSON is
// compared with the core's monthly method for the same file in this process, and its options are checked.

#include <calculation/MonthlyClimate.h>
#include <calculation/MonthlyInterior.h>
#include <calculation/MonthlyMethod.h>
#include <model/Project.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(MonthlyInterior)

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
};

CliRun runCli(const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HYGROLUX_CLI_PATH), arguments);
    CliRun run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
    }
    return run;
}

/*! A project of layers "d lambda mu" (m, W/(m K), -), heat flowing horizontally. */
QByteArray project(const QStringList &layers) {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<VaproProject version=\"2.0\">\n <InputData>\n"
                     "  <Construction>\n";
    for (int i = 0; i < layers.size(); ++i) {
        const QStringList v = layers[i].split(QLatin1Char(' '));
        xml += QStringLiteral("   <Layer index=\"%1\" d=\"%2\"><Material name=\"M\" materialId=\"800\" cat=\"6\" "
                              "rho=\"500\" lambda=\"%3\" mu=\"%4\" mu_min=\"%4\" mu_max=\"%4\" w_80=\"0.01\" "
                              "w_sat=\"0.5\" m_Aw=\"0.1\" sd_value=\"0\" color=\"0 0 0\" isAir=\"0\" isWood=\"0\" "
                              "isWoodbased=\"0\" isFoil=\"0\"/></Layer>\n")
                   .arg(i)
                   .arg(v[0], v[1], v[2])
                   .toUtf8();
    }
    return xml + "  </Construction>\n  <Climate><Interior T_i=\"20\" rh_i=\"50\" alpha_i=\"4\" T_i_summer=\"12\" "
                 "rh_i_summer=\"70\"/><Exterior T_e=\"-5\" rh_e=\"80\" alpha_e=\"25\" T_e_summer=\"12\" "
                 "rh_e_summer=\"70\"/></Climate>\n  <Options tT=\"90\" tT_summer=\"90\"/>\n </InputData>\n "
                 "<ProjectInformation><HeatFlowDirection>2</HeatFlowDirection>"
                 "</ProjectInformation>\n</VaproProject>\n";
}

} // namespace

class tst_MonthlyCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Written in the order of the keys; a dry construction has nulls where there is no month.
    void neverCondenses() {
        const CliRun run = runCli(
            {QStringLiteral("calc"), QStringLiteral("--method"), QStringLiteral("monthly"), QStringLiteral("--json"),
             write("dry.v2p", project({QStringLiteral("0.0125 0.25 1000"), QStringLiteral("0.16 0.04 1")}))});
        QCOMPARE(run.exitCode, 0);
        int last = -1;
        for (const char *key : {"\"climate\"", "\"startMonth\"", "\"months\"", "\"maxAccumulated\"", "\"maxMonth\"",
                                "\"driesOut\"", "\"surface\"", "\"criteria\"", "\"allFulfilled\""}) {
            const int at = run.out.indexOf(key);
            QVERIFY2(at > last, key);
            last = at;
        }
        const QJsonObject monthly =
            QJsonDocument::fromJson(run.out).object().value(QStringLiteral("monthly")).toObject();
        QVERIFY(monthly.value(QStringLiteral("startMonth")).isNull());
        QVERIFY(monthly.value(QStringLiteral("maxMonth")).isNull());
        QCOMPARE(monthly.value(QStringLiteral("driesOut")).toBool(), true);
        const QJsonObject january = monthly.value(QStringLiteral("months")).toArray().first().toObject();
        QCOMPARE(january.value(QStringLiteral("month")).toInt(), 1);
        QVERIFY(january.value(QStringLiteral("interfaces")).toArray().isEmpty());
        const QJsonObject climate = monthly.value(QStringLiteral("climate")).toObject();
        QCOMPARE(climate.value(QStringLiteral("name")).toString(), QStringLiteral("Potsdam (DWD station 10379)"));
        QCOMPARE(climate.value(QStringLiteral("pE")).toArray().at(6).toDouble(), 1546.0);
        QVERIFY(monthly.value(QStringLiteral("criteria")).toObject().value(QStringLiteral("wood")).isNull());
    }

    // The tool's figures are those of the core, bit for bit, with every interior option.
    void matchesCore_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<MonthlyInterior>("interior");
        MonthlyInterior humid;
        humid.phi = 65;
        humid.theta = 22;
        MonthlyInterior class4;
        class4.model = MonthlyInterior::Model::MoistureExcess;
        class4.excess = 0.008;
        MonthlyInterior excess = class4;
        excess.excess = 0.005;
        QTest::newRow("default") << QStringList() << MonthlyInterior();
        QTest::newRow("rh and temperature") << QStringList{"--indoor-rh", "65", "--indoor-t", "22"} << humid;
        QTest::newRow("class 4") << QStringList{"--moisture-class", "4"} << class4;
        QTest::newRow("excess") << QStringList{"--moisture-excess", "0.005"} << excess;
    }
    void matchesCore() {
        QFETCH(QStringList, options);
        QFETCH(MonthlyInterior, interior);
        const QString file = write("wall.v2p", project({QStringLiteral("0.0125 0.25 8"), QStringLiteral("0.16 0.04 1"),
                                                        QStringLiteral("0.015 0.13 100")}));
        const CliRun run = runCli(
            QStringList{QStringLiteral("calc"), QStringLiteral("--method"), QStringLiteral("monthly"), file} + options);
        QCOMPARE(run.exitCode, 0);
        Project loaded;
        QString error;
        QVERIFY(loaded.read(file, error));
        const MonthlyResults r = MonthlyMethod::calculate(loaded.document()->inputData(), HeatFlowDirection::Horizontal,
                                                          MonthlyClimate::potsdam(), interior);
        const QJsonObject monthly =
            QJsonDocument::fromJson(run.out).object().value(QStringLiteral("monthly")).toObject();
        QCOMPARE(monthly.value(QStringLiteral("startMonth")).toInt(), r.startMonth);
        QCOMPARE(monthly.value(QStringLiteral("maxAccumulated")).toDouble(), r.maxAccumulated);
        const QJsonArray months = monthly.value(QStringLiteral("months")).toArray();
        for (int i = 0; i < 12; ++i) {
            const QJsonObject month = months[i].toObject();
            QCOMPARE(month.value(QStringLiteral("pI")).toDouble(), r.months[std::size_t(i)].pI);
            QCOMPARE(month.value(QStringLiteral("total")).toDouble(), r.months[std::size_t(i)].total);
        }
        QCOMPARE(monthly.value(QStringLiteral("surface")).toObject().value(QStringLiteral("designFRsiMin")).toDouble(),
                 r.designFRsiMin);
    }

    void refused_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("two interior models") << QStringList{"--indoor-rh", "50", "--moisture-class", "2"} << 1;
        QTest::newRow("rh 0") << QStringList{"--indoor-rh", "0"} << 1;
        QTest::newRow("class 6") << QStringList{"--moisture-class", "6"} << 1;
        QTest::newRow("81 °C") << QStringList{"--indoor-t", "81"} << 1;
        QTest::newRow("unknown method") << QStringList{"--method", "daily"} << 1;
        QTest::newRow("missing climate file") << QStringList{"--climate", "no-such-file.csv"} << 2;
    }
    void refused() {
        QFETCH(QStringList, options);
        const QString file = write("refused.v2p", project({QStringLiteral("0.16 0.04 1")}));
        QStringList arguments{QStringLiteral("calc"), file};
        if (!options.contains(QStringLiteral("--method")))
            arguments << QStringLiteral("--method") << QStringLiteral("monthly");
        QTEST(runCli(arguments + options).exitCode, "exitCode");
    }

    void monthlyOptionNeedsMethod() {
        QCOMPARE(runCli({QStringLiteral("calc"), QStringLiteral("--indoor-rh"), QStringLiteral("60"),
                         write("period.v2p", project({QStringLiteral("0.16 0.04 1")}))})
                     .exitCode,
                 1);
    }

    void invalidLayerGivesNull() {
        const CliRun run = runCli({QStringLiteral("calc"), QStringLiteral("--method"), QStringLiteral("monthly"),
                                   write("invalid.v2p", project({QStringLiteral("0 0.04 1")}))});
        QCOMPARE(run.exitCode, 3);
        QVERIFY(QJsonDocument::fromJson(run.out).object().value(QStringLiteral("monthly")).isNull());
    }

    void csvClimate() {
        QByteArray table = "month;theta;rh [%]\n";
        for (int m = 1; m <= 12; ++m)
            table += QByteArray::number(m) + ";-2,5;80\n";
        const CliRun run = runCli({QStringLiteral("calc"), QStringLiteral("--method"), QStringLiteral("monthly"),
                                   QStringLiteral("--climate"), write("Cold Place.csv", table),
                                   write("csv.v2p", project({QStringLiteral("0.16 0.04 1")}))});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject climate = QJsonDocument::fromJson(run.out)
                                        .object()
                                        .value(QStringLiteral("monthly"))
                                        .toObject()
                                        .value(QStringLiteral("climate"))
                                        .toObject();
        QCOMPARE(climate.value(QStringLiteral("name")).toString(), QStringLiteral("Cold Place"));
        QCOMPARE(climate.value(QStringLiteral("source")).toString(), QString());
        QCOMPARE(climate.value(QStringLiteral("thetaE")).toArray().at(11).toDouble(), -2.5);
    }

private:
    QString write(const char *name, const QByteArray &content) {
        const QString path = m_dir.filePath(QLatin1String(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qWarning() << "cannot write" << path;
        return path;
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_MonthlyCommand)
#include "tst_MonthlyCommand.moc"
