#include <QtTest>

#include <DiagramEnums.h>

#include <cli/DiagramCommand.h>
#include <visualisation/DiagramExport.h>

#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

// The "diagram" command of the command-line tool, run in-process: a project file drawn to each format, the
// SVG titled by the chosen type, and the usage and file errors.

class tst_DiagramCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void drawsEveryFormat_data();
    void drawsEveryFormat();
    void svgTitleFollowsType_data();
    void svgTitleFollowsType();
    void errors_data();
    void errors();
    void pictureSize_data();
    void pictureSize();
    void invalidProjectWritesThePictureAndEndsWith3();

private:
    QString project() const { return QStringLiteral(HYGROLUX_TEST_DATA_DIR "/cli_masonry_wall.v2p"); }
    QTemporaryDir m_dir;
};

void tst_DiagramCommand::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void tst_DiagramCommand::drawsEveryFormat_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("svg") << "wall.svg";
    QTest::newRow("png") << "wall.png";
    QTest::newRow("jpg") << "wall.jpg";
    QTest::newRow("pdf") << "wall.pdf";
}

void tst_DiagramCommand::drawsEveryFormat() {
    QFETCH(QString, fileName);
    const QString out = m_dir.filePath(fileName);
    DiagramCommand command;
    QCOMPARE(command.run({project(), "--type", "pressure", "-o", out}), int(CliCommand::ExitSuccess));
    QVERIFY(QFileInfo(out).size() > 1000);
}

void tst_DiagramCommand::svgTitleFollowsType_data() {
    QTest::addColumn<QStringList>("typeOption");
    QTest::addColumn<DiagramScene::DiagramType>("type");
    QTest::newRow("sketch") << QStringList{"--type", "sketch"} << DiagramScene::DiagramType::ConstructionSketch;
    QTest::newRow("pressure") << QStringList{"--type", "pressure"} << DiagramScene::DiagramType::VapourPressure;
    QTest::newRow("moisture is the default") << QStringList() << DiagramScene::DiagramType::MoistureContent;
}

void tst_DiagramCommand::svgTitleFollowsType() {
    QFETCH(QStringList, typeOption);
    QFETCH(DiagramScene::DiagramType, type);
    const QString out = m_dir.filePath(QString("type%1.svg").arg(int(type)));
    DiagramCommand command;
    QCOMPARE(command.run(QStringList{project(), "-o", out} + typeOption), int(CliCommand::ExitSuccess));
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    QString title;
    while (!reader.atEnd() && title.isEmpty()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("title"))
            title = reader.readElementText();
    }
    QVERIFY(!reader.hasError());
    QCOMPARE(title, DiagramExport::svgTitle(type));
}

void tst_DiagramCommand::errors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    const QString out = "unused.svg";
    QTest::newRow("unknown type") << QStringList{project(), "--type", "section", "-o", out}
                                  << int(CliCommand::ExitUsage);
    QTest::newRow("no output") << QStringList{project()} << int(CliCommand::ExitUsage);
    QTest::newRow("no project") << QStringList{"-o", out} << int(CliCommand::ExitUsage);
    QTest::newRow("missing project file") << QStringList{"missing.v2p", "-o", out} << int(CliCommand::ExitFileError);
    QTest::newRow("unknown picture format") << QStringList{project(), "-o", "wall.tiff"} << int(CliCommand::ExitUsage);
    QTest::newRow("dpi not a number") << QStringList{project(), "--dpi", "high", "-o", out}
                                      << int(CliCommand::ExitUsage);
    QTest::newRow("width of 0 mm") << QStringList{project(), "--width", "0", "-o", out} << int(CliCommand::ExitUsage);
}

void tst_DiagramCommand::errors() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    DiagramCommand command;
    QCOMPARE(command.run(arguments), exitCode);
}

void tst_DiagramCommand::pictureSize_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("size");
    // 170 mm at 150 dpi: 1004 x 627 pixels (1.6 : 1)
    QTest::newRow("png default") << QStringList{} << "default.png" << QSize(1004, 627);
    QTest::newRow("png 100 mm at 300 dpi")
        << QStringList{"--width", "100", "--dpi", "300"} << "small.png" << QSize(1181, 738);
    // vector files at 96 dpi, SVG at most 210 mm wide
    QTest::newRow("svg wider than A4") << QStringList{"--width", "400"} << "wide.svg" << QSize(794, 496);
}

void tst_DiagramCommand::pictureSize() {
    QFETCH(QStringList, options);
    QFETCH(QString, fileName);
    QFETCH(QSize, size);
    const QString out = m_dir.filePath(fileName);
    DiagramCommand command;
    QCOMPARE(command.run(QStringList{project(), "-o", out} + options), int(CliCommand::ExitSuccess));
    if (fileName.endsWith(".png")) {
        QCOMPARE(QImage(out).size(), size);
        return;
    }
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() && xml.name() != QLatin1String("svg")) {
    }
    const QStringList viewBox = xml.attributes().value("viewBox").toString().split(' ');
    QCOMPARE(QSize(viewBox.value(2).toInt(), viewBox.value(3).toInt()), size);
    QVERIFY(xml.attributes().value("width").toString().startsWith("210"));
}

void tst_DiagramCommand::invalidProjectWritesThePictureAndEndsWith3() {
    const QString out = m_dir.filePath(QStringLiteral("invalid.png"));
    DiagramCommand command;
    QCOMPARE(command.run({QStringLiteral(HYGROLUX_TEST_DATA_DIR "/report/report_invalid.v2p"), "-o", out}),
             int(CliCommand::ExitNotAssessed));
    QVERIFY(!QImage(out).isNull());
}

QTEST_MAIN(tst_DiagramCommand)
#include "DiagramEnums.h"
#include "tst_DiagramCommand.moc"
