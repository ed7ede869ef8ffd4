#include <QtTest>

#include <DiagramEnums.h>

#include "DiagramTestConstructions.h"

#include <visualisation/DiagramExport.h>
#include <visualisation/DiagramScene.h>
#include <visualisation/DiagramView.h>

#include <QBuffer>
#include <QGraphicsTextItem>
#include <QImage>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

// Picture exports of the diagram: SVG validity and title, files by extension, the SVG file name rule, the
// view's redraw threshold, printing to a PDF printer. The gallery writes PNG pictures of real constructions into the
// test output directory (tests/output/diagrams in the build tree) for a look by eye.

using namespace DiagramTest;
using Type = DiagramScene::DiagramType;

Q_DECLARE_METATYPE(InputData)

namespace {

/*! Page objects of a PDF file, without the page tree nodes ("/Type /Pages"); -1 when unreadable. */
int pdfPageObjects(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    // with the explicit size: embedded font data holds NUL bytes
    const QString content = QString::fromLatin1(bytes.constData(), bytes.size());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(content.count(page));
}

} // namespace

class tst_DiagramExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void svgIsValidWithTitle_data();
    void svgIsValidWithTitle();
    void exportToFile_data();
    void exportToFile();
    void unknownExtensionFails();
    void viewRedrawsOnlyBeyondMargin();
    void viewExportImageHasPageWidth();
    void printGivesOneA4PdfPage_data();
    void printGivesOneA4PdfPage();
    void printedPdfReadByPdfinfo();
    void gallery_data();
    void gallery();

private:
    static DiagramExport::Content content(const InputData &input, Type type);
    QString printCondensingWall(const QString &fileName, Type type, QPageSize::PageSizeId startSize, QPrinter &printer);
    QTemporaryDir m_dir;
};

void tst_DiagramExport::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

DiagramExport::Content tst_DiagramExport::content(const InputData &input, Type type) {
    DiagramExport::Content c;
    c.input = input;
    c.results = calculate(input);
    c.type = type;
    return c;
}

void tst_DiagramExport::svgIsValidWithTitle_data() {
    QTest::addColumn<Type>("type");
    QTest::addColumn<QString>("title");
    QTest::newRow("construction sketch") << Type::ConstructionSketch << "Construction Sketch";
    QTest::newRow("vapour pressure diagram") << Type::VapourPressure << "Vapour pressure diagram";
    QTest::newRow("water content diagram") << Type::MoistureContent << "Water content diagram";
}

void tst_DiagramExport::svgIsValidWithTitle() {
    QFETCH(Type, type);
    QFETCH(QString, title);
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(DiagramExport::writeSvg(&buffer, QSize(800, 500), content(condensingWall(), type), "project.v2p"));
    buffer.close();

    QXmlStreamReader reader(buffer.data());
    QString foundTitle, foundDescription;
    int elements = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        ++elements;
        if (reader.name() == QLatin1String("title") && foundTitle.isEmpty())
            foundTitle = reader.readElementText();
        else if (reader.name() == QLatin1String("desc") && foundDescription.isEmpty())
            foundDescription = reader.readElementText();
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(foundTitle, title);
    QCOMPARE(foundDescription, QString("project.v2p"));
    QVERIFY2(elements > 20, "the drawing is missing from the SVG");
}

void tst_DiagramExport::exportToFile_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("svg") << "diagram.svg" << QByteArray("<?xml");
    QTest::newRow("png") << "diagram.png" << QByteArray("\x89PNG");
    QTest::newRow("jpg") << "diagram.jpg" << QByteArray("\xff\xd8\xff");
    QTest::newRow("upper-case JPEG") << "diagram.JPEG" << QByteArray("\xff\xd8\xff");
    QTest::newRow("pdf") << "diagram.pdf" << QByteArray("%PDF");
}

void tst_DiagramExport::exportToFile() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, magic);
    const QString path = m_dir.filePath(fileName);
    QString error;
    QVERIFY2(DiagramExport::exportToFile(path, QSize(640, 400), content(tenLayers(), Type::MoistureContent), &error),
             qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(magic.size()) == magic);
    QVERIFY(file.size() > 1000);
}

void tst_DiagramExport::unknownExtensionFails() {
    QString error;
    QVERIFY(!DiagramExport::exportToFile(m_dir.filePath("diagram.bmpx"), QSize(640, 400),
                                         content(oneLayer(), Type::ConstructionSketch), &error));
    QVERIFY(error.contains("bmpx"));
    QVERIFY(!QFile::exists(m_dir.filePath("diagram.bmpx")));
}

void tst_DiagramExport::viewRedrawsOnlyBeyondMargin() {
    DiagramView view{DiagramFontSettings()};
    view.resize(700, 450);
    const InputData input = twoLayers();
    view.setData(&view, input, calculate(input));
    QCOMPARE(view.diagramType(), Type::MoistureContent);
    const QRectF drawn = view.diagramScene()->area();
    QCOMPARE(drawn, QRectF(5, 5, 690, 440));

    view.resize(704, 446);
    QCOMPARE(view.diagramScene()->area(), drawn);
    view.resize(705, 446);
    QCOMPARE(view.diagramScene()->area(), QRectF(5, 5, 695, 436));

    view.setDiagramType(Type::ConstructionSketch);
    QCOMPARE(view.diagramScene()->type(), Type::ConstructionSketch);
}

void tst_DiagramExport::viewExportImageHasPageWidth() {
    DiagramView view{DiagramFontSettings()};
    view.resize(600, 400);
    const InputData input = condensingWall();
    view.setData(&view, input, calculate(input));
    const QSize expected = DiagramExport::exportSize(QSize(600, 400));
    QCOMPARE(view.exportImage().size(), expected);
    // an A4 page at screen resolution is wider than this widget, so the picture grows in proportion
    QVERIFY(expected.width() > 600);
    QCOMPARE(expected.height(), int(400.0 * expected.width() / 600));
}

QString tst_DiagramExport::printCondensingWall(const QString &fileName, Type type, QPageSize::PageSizeId startSize,
                                               QPrinter &printer) {
    const InputData input = condensingWall();
    DiagramExport::Content wall = content(input, type);
    if (wall.results.condensationZones.empty())
        return QString();
    const QString path = m_dir.filePath(fileName);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(startSize));
    DiagramExport::print(&printer, QSize(600, 400), wall);
    return path;
}

void tst_DiagramExport::printGivesOneA4PdfPage_data() {
    QTest::addColumn<Type>("type");
    QTest::addColumn<int>("startSize");
    QTest::newRow("sketch, printer set to A4") << Type::ConstructionSketch << int(QPageSize::A4);
    QTest::newRow("vapour pressure, printer set to Letter") << Type::VapourPressure << int(QPageSize::Letter);
    QTest::newRow("water content, printer set to A3") << Type::MoistureContent << int(QPageSize::A3);
}

void tst_DiagramExport::printGivesOneA4PdfPage() {
    QFETCH(Type, type);
    QFETCH(int, startSize);
    const QString fileName = QString("print_type%1.pdf").arg(int(type));
    QString path;
    {
        QPrinter printer;
        path = printCondensingWall(fileName, type, QPageSize::PageSizeId(startSize), printer);
        QVERIFY2(!path.isEmpty(), "the wall meant to condense shows no condensation zone");
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    }
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QCOMPARE(file.read(4), QByteArray("%PDF"));
    QVERIFY2(file.size() > 1000, "the drawing is missing from the PDF");
    QCOMPARE(pdfPageObjects(path), 1);
}

void tst_DiagramExport::printedPdfReadByPdfinfo() {
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (pdfinfo.isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed");
    // The window's PDF of a picture: the printed A4 page, written as a whole.
    const QString path = m_dir.filePath("window_picture.pdf");
    QString error;
    QVERIFY2(DiagramExport::exportWidgetPicture(path, QSize(600, 400), content(condensingWall(), Type::VapourPressure),
                                                QString(), &error),
             qPrintable(error));
    QProcess process;
    process.start(pdfinfo, {path});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString info = QString::fromLocal8Bit(process.readAllStandardOutput());
    QVERIFY2(info.contains(QRegularExpression("^Pages:\\s+1$", QRegularExpression::MultilineOption)), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("^Page size:.*\\(A4\\)", QRegularExpression::MultilineOption)),
             qPrintable(info));
}

void tst_DiagramExport::gallery_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<InputData>("input");
    QTest::newRow("one layer") << "one_layer" << oneLayer();
    QTest::newRow("two layers") << "two_layers" << twoLayers();
    QTest::newRow("condensation") << "condensation" << condensingWall();
    QTest::newRow("ten layers, air space, foil") << "ten_layers" << tenLayers();
    QTest::newRow("summer-like climate") << "summer" << withClimate(condensingWall(), 20, 50, 30, 60);
    QTest::newRow("equal temperatures") << "isothermal" << withClimate(twoLayers(), 20, 50, 20, 80);
}

void tst_DiagramExport::gallery() {
    QFETCH(QString, name);
    QFETCH(InputData, input);
    const QString dir = QCoreApplication::applicationDirPath() + "/output/diagrams";
    QVERIFY(QDir().mkpath(dir));
    for (Type type : {Type::ConstructionSketch, Type::VapourPressure, Type::MoistureContent}) {
        for (const QSize &size : {QSize(800, 500), QSize(420, 300)}) {
            const QString path =
                QString("%1/%2_type%3_%4x%5.png").arg(dir, name).arg(int(type)).arg(size.width()).arg(size.height());
            QString error;
            QVERIFY2(DiagramExport::exportToFile(path, size, content(input, type), &error), qPrintable(error));
            QCOMPARE(QImage(path).size(), size);
        }
    }
}

QTEST_MAIN(tst_DiagramExport)
#include "tst_DiagramExport.moc"
