// The "report" command of the command-line tool, run in-process: the PDF with its pages and frames, the frame
// list, page numbers in the footer, and the usage and file errors.

#include <cli/ReportCommand.h>
#include <model/ReportSettings.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int pdfPageCount(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray content = file.readAll();
    return content.count("/Type /Page") - content.count("/Type /Pages");
}

/*! Text of a PDF file by pdftotext, empty when it cannot be run. */
QString pdfText(const QString &fileName) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {fileName, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString project(const QString &name) {
    return QStringLiteral(HYGROLUX_TEST_DATA_DIR "/%1").arg(name);
}

} // namespace

class tst_ReportCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void parseFrames_data();
    void parseFrames();
    void writesPdf_data();
    void writesPdf();
    void pageNumbers_data();
    void pageNumbers();
    void errors_data();
    void errors();
    void invalidProjectWritesThePdfAndEndsWith3();
    void listsEveryLayer();

private:
    QTemporaryDir m_dir;
};

void tst_ReportCommand::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void tst_ReportCommand::parseFrames_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QList<int>>("frames");
    QTest::newRow("list") << "0,1,11" << true << QList<int>{0, 1, 11};
    QTest::newRow("blanks and empty parts") << " 2, 13,," << true << QList<int>{2, 13};
    QTest::newRow("all") << "all" << true << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    QTest::newRow("id past the last frame") << "0,14" << false << QList<int>{};
    QTest::newRow("negative id") << "-1" << false << QList<int>{};
    QTest::newRow("not a number") << "header" << false << QList<int>{};
    QTest::newRow("empty") << "" << false << QList<int>{};
}

void tst_ReportCommand::parseFrames() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QList<int>, frames);
    QSet<int> parsed = {5};
    QCOMPARE(ReportCommand::parseFrames(text, parsed), ok);
    if (ok)
        QCOMPARE(parsed, QSet<int>(frames.begin(), frames.end()));
    else
        QCOMPARE(parsed, QSet<int>{5});
}

void tst_ReportCommand::writesPdf_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("severalPages");
    QTest::newRow("default frames") << QStringList{} << true;
    QTest::newRow("all frames with page numbers and criteria options")
        << QStringList{"--frames", "all", "--page-numbers", "--frsi", "--drying-reserve", "250"} << true;
    QTest::newRow("header and footer only") << QStringList{"--frames", "0,1"} << false;
}

void tst_ReportCommand::writesPdf() {
    QFETCH(QStringList, options);
    QFETCH(bool, severalPages);
    const QString out = m_dir.filePath(QStringLiteral("report.pdf"));
    QFile::remove(out);
    ReportCommand command;
    QCOMPARE(command.run(QStringList{project("report/report_wood.v2p"), "-o", out} + options),
             int(CliCommand::ExitSuccess));
    const int pages = pdfPageCount(out);
    if (severalPages)
        QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
    else
        QCOMPARE(pages, 1);
}

void tst_ReportCommand::pageNumbers_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("numbered");
    QTest::newRow("with --page-numbers") << QStringList{"--page-numbers"} << true;
    QTest::newRow("without the option") << QStringList{} << false;
}

void tst_ReportCommand::pageNumbers() {
    QFETCH(QStringList, options);
    QFETCH(bool, numbered);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString out = m_dir.filePath(QStringLiteral("numbered.pdf"));
    QFile::remove(out);
    ReportCommand command;
    QCOMPARE(command.run(QStringList{project("report/report_wood.v2p"), "-o", out} + options),
             int(CliCommand::ExitSuccess));
    const int pages = pdfPageCount(out);
    QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
    const QString text = pdfText(out);
    QVERIFY(!text.isEmpty());
    QCOMPARE(text.contains(QStringLiteral("Page 1 of %1").arg(pages)), numbered);
    QCOMPARE(text.contains(QStringLiteral("Page %1 of %1").arg(pages)), numbered);
    QVERIFY(!text.contains(QStringLiteral("Page 1 of")) || numbered);
}

void tst_ReportCommand::errors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    const QString good = project("report/report_wood.v2p");
    const QString out = QStringLiteral("report.pdf");
    QTest::newRow("no output file") << QStringList{good} << int(CliCommand::ExitUsage);
    QTest::newRow("no project file") << QStringList{"-o", out} << int(CliCommand::ExitUsage);
    QTest::newRow("two project files") << QStringList{good, good, "-o", out} << int(CliCommand::ExitUsage);
    QTest::newRow("bad frame list") << QStringList{good, "-o", out, "--frames", "1,99"} << int(CliCommand::ExitUsage);
    QTest::newRow("bad criteria option") << QStringList{good, "-o", out, "--din-edition", "7"}
                                         << int(CliCommand::ExitUsage);
    QTest::newRow("unreadable project") << QStringList{project("cli_broken.v2p"), "-o", out}
                                        << int(CliCommand::ExitFileError);
    QTest::newRow("unwritable output") << QStringList{good, "-o", "/nonexistent-directory-of-the-test/report.pdf"}
                                       << int(CliCommand::ExitFileError);
}

void tst_ReportCommand::errors() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QDir::setCurrent(m_dir.path());
    ReportCommand command;
    QCOMPARE(command.run(arguments), exitCode);
}

void tst_ReportCommand::invalidProjectWritesThePdfAndEndsWith3() {
    const QString out = m_dir.filePath(QStringLiteral("invalid.pdf"));
    QFile::remove(out);
    ReportCommand command;
    QCOMPARE(command.run({project("report/report_invalid.v2p"), "-o", out}), int(CliCommand::ExitNotAssessed));
    QVERIFY(pdfPageCount(out) >= 1);
}

// The largest project a file may hold: every one of its 1000 layers is in the report, none cut off.
void tst_ReportCommand::listsEveryLayer() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QFile source(project("cli_masonry_wall.v2p"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(source.readAll());
    const int begin = text.indexOf("<Layer ");
    const int end = text.lastIndexOf("</Layer>") + 8;
    const QString layer = text.mid(begin, text.indexOf("</Layer>") + 8 - begin);
    QString layers;
    for (int i = 0; i < 1000; ++i)
        layers += QString(layer)
                      .replace(QRegularExpression("index=\"\\d+\""), QStringLiteral("index=\"%1\"").arg(i))
                      .replace(QRegularExpression("<Material name=\"[^\"]*\""),
                               QStringLiteral("<Material name=\"L%1\"").arg(i, 4, 10, QLatin1Char('0')));
    const QString many = m_dir.filePath(QStringLiteral("many.v2p"));
    QFile target(many);
    QVERIFY(target.open(QIODevice::WriteOnly));
    target.write(text.replace(begin, end - begin, layers).toUtf8());
    target.close();
    const QString out = m_dir.filePath(QStringLiteral("many.pdf"));
    ReportCommand command;
    QCOMPARE(command.run({many, "-o", out, "--force"}), int(CliCommand::ExitSuccess));
    QSet<QString> names;
    auto matches = QRegularExpression("\\bL\\d{4}\\b").globalMatch(pdfText(out));
    while (matches.hasNext())
        names.insert(matches.next().captured());
    QCOMPARE(names.size(), 1000);
}

QTEST_MAIN(tst_ReportCommand)
#include "tst_ReportCommand.moc"
