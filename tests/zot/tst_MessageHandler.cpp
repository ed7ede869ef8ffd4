#include <QtTest>

#include <ZOT_MessageHandler.h>
#include <ZOT_MessageStream.h>

#include <fstream>
#include <sstream>

namespace {

// Captures the console instead of writing to standard output.
class CapturingHandler : public ZOT::MessageHandler {
public:
    std::string console;

protected:
    void writeConsole(const std::string &text, int) override { console += text; }
};

std::string readFile(const std::string &path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

} // namespace

class tst_MessageHandler : public QObject {
    Q_OBJECT
private slots:
    void multiLineMessageGetsPrefixOnEveryLine() {
        QTemporaryDir dir;
        CapturingHandler h;
        h.setTimeStampFormat("");
        std::string err;
        const std::string log = dir.filePath("a.log").toStdString();
        QVERIFY(h.openLogFile(log, false, err));
        h.msg("first\nsecond\n", ZOT::MSG_PROGRESS, "main", 1);
        const std::string column = "main" + std::string(36, ' ') + "\t";
        QCOMPARE(readFile(log), column + "[Progress]\tfirst\n" + column + "[Progress]\tsecond\n");
    }

    void timeStampStartsEveryLogLine() {
        QTemporaryDir dir;
        CapturingHandler h;
        std::string err;
        const std::string log = dir.filePath("a.log").toStdString();
        QVERIFY(h.openLogFile(log, false, err));
        h.msg("x\ny\n", ZOT::MSG_PROGRESS, "main", 1);
        const QStringList lines = QString::fromStdString(readFile(log)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QRegularExpression re("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\tmain {36}\\t\\[Progress\\]\\t[xy]$");
        for (const QString &line : lines)
            QVERIFY2(re.match(line).hasMatch(), qPrintable(line));
    }

    void verbosityRouting_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("verbosity");
        QTest::addColumn<bool>("onConsole");
        QTest::addColumn<bool>("inLog");
        QTest::newRow("progress 3: console only") << 0 << 3 << true << false;
        QTest::newRow("progress 2: both") << 0 << 2 << true << true;
        QTest::newRow("progress 0: console only") << 0 << 0 << true << false;
        QTest::newRow("progress 5: nowhere") << 0 << 5 << false << false;
        QTest::newRow("warning 3: console only") << 2 << 3 << true << false;
        QTest::newRow("error 9: both") << 3 << 9 << true << true;
        QTest::newRow("debug 9: both") << 4 << 9 << true << true;
    }

    void verbosityRouting() {
        QFETCH(int, type);
        QFETCH(int, verbosity);
        QFETCH(bool, onConsole);
        QFETCH(bool, inLog);
        QTemporaryDir dir;
        CapturingHandler h;
        std::string err;
        const std::string log = dir.filePath("a.log").toStdString();
        QVERIFY(h.openLogFile(log, false, err));
        h.msg("text\n", type, "f", verbosity);
        QCOMPARE(h.console.find("text") != std::string::npos, onConsole);
        QCOMPARE(readFile(log).find("text") != std::string::npos, inLog);
    }

    void consoleFormatByType() {
        CapturingHandler h;
        h.setTimeStampFormat("");
        h.setIndentation(1);
        h.msg("progress\n", ZOT::MSG_PROGRESS, "f", 1);
        QCOMPARE(h.console, std::string("  progress\n"));
        h.console.clear();
        h.msg("raw", ZOT::MSG_CONTINUED, "f", 1);
        QCOMPARE(h.console, std::string("raw"));
        h.console.clear();
        h.msg("bad", ZOT::MSG_ERROR, nullptr, 1);
        QCOMPARE(h.console, std::string(40, ' ') + "\t[Error   ]\t  bad\n");
        h.console.clear();
        h.msg("odd\n", 17, "f", 1);
        QCOMPARE(h.console, std::string("  odd\n"));
    }

    void longFunctionNameIsNotCut() {
        CapturingHandler h;
        h.setTimeStampFormat("");
        const std::string name(45, 'n');
        h.msg("w", ZOT::MSG_WARNING, name.c_str(), 1);
        QCOMPARE(h.console, name + "\t[Warning ]\tw\n");
    }

    void openLogFileCases() {
        QTemporaryDir dir;
        CapturingHandler h;
        std::string err;
        QVERIFY(h.openLogFile("", false, err));
        QVERIFY(!h.logFileOpen());

        h.setLogfileVerbosityLevel(0);
        QVERIFY(h.openLogFile(dir.filePath("zero.log").toStdString(), false, err));
        QVERIFY(!h.logFileOpen());
        QVERIFY(!QFile::exists(dir.filePath("zero.log")));

        h.setLogfileVerbosityLevel(2);
        const std::string bad = dir.filePath("missing/dir/x.log").toStdString();
        QVERIFY(!h.openLogFile(bad, false, err));
        QCOMPARE(err, "Cannot open/create logfile '" + bad + "'.");
    }

    void appendModeWritesContinuationMarker() {
        QTemporaryDir dir;
        const std::string log = dir.filePath("a.log").toStdString();
        std::string err;
        {
            CapturingHandler h;
            h.setTimeStampFormat("");
            QVERIFY(h.openLogFile(log, false, err));
            h.msg("one\n", ZOT::MSG_PROGRESS, "f", 1);
        }
        CapturingHandler h;
        QVERIFY(h.openLogFile(log, true, err));
        const std::string first = "f" + std::string(39, ' ') + "\t[Progress]\tone\n";
        QCOMPARE(readFile(log), first + "\n----------- continued -------------\n\n");
        QVERIFY(h.openLogFile(log, false, err));
        QCOMPARE(readFile(log), std::string());
    }

    void registryAndMessageStream() {
        {
            CapturingHandler h;
            h.setTimeStampFormat("");
            ZOT::MessageHandlerRegistry::instance().setMessageHandler(&h);
            {
                ZOT::MessageStream s("Settings::userMaterialsDir", ZOT::MSG_ERROR, -1);
                s << "Cannot create " << 42;
                s.flush();
                s << "pending";
            }
            QCOMPARE(h.console,
                     std::string("Settings::userMaterialsDir              \t[Error   ]\tCannot create 42\n\n") +
                         "Settings::userMaterialsDir              \t[Error   ]\tpending\n");
        }
        // the destroyed replacement is no longer in use
        QVERIFY(ZOT::MessageHandlerRegistry::instance().messageHandler() != nullptr);
        CapturingHandler other;
        QVERIFY(ZOT::MessageHandlerRegistry::instance().messageHandler() != &other);
    }
};

QTEST_GUILESS_MAIN(tst_MessageHandler)
#include "tst_MessageHandler.moc"
