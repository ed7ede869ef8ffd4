#include <QtTest>

#include <CoreEnums.h>

#include <model/Document.h>
#include <model/Project.h>

// The benchmark suite must measure constructions the program accepts: every file opens as valid input
// and calculates to the condensation pattern its name promises.
class tst_BenchmarkSuite : public QObject {
    Q_OBJECT
private slots:
    void suiteFilesAreValidProjects_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<ResultCode>("resultCode");
        const QString dir = QStringLiteral(HYGROLUX_TEST_DATA_DIR) + "/../../bench/data/";
        const QStringList files = QDir(dir).entryList({"*.v2p"}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 14);
        for (const QString &name : files) {
            ResultCode code = ResultCode::SeveralZones;
            if (name.contains("no-liquid-transport"))
                code = ResultCode::CalculationError;
            else if (name.contains("dry"))
                code = ResultCode::NoCondensation;
            else if (name.contains("plane") || name.startsWith("long-12") || name.startsWith("long-16") ||
                     name.startsWith("long-20"))
                code = ResultCode::OnePlane;
            else if (name.contains("-zone.") || name.contains("cold-side"))
                code = ResultCode::OneZone;
            QTest::newRow(qPrintable(name)) << dir + name << code;
        }
    }
    void suiteFilesAreValidProjects() {
        QFETCH(QString, file);
        QFETCH(ResultCode, resultCode);
        Project project;
        QString error;
        QVERIFY2(project.read(file, error), qPrintable(error));
        project.setModified(Project::ModificationType::AllModified);
        QCOMPARE(project.document()->inputData().inputStatus(), InputStatus::Valid);
        QCOMPARE(project.document()->calculation().results().resultCode, resultCode);
    }
};

QTEST_GUILESS_MAIN(tst_BenchmarkSuite)
#include "tst_BenchmarkSuite.moc"
