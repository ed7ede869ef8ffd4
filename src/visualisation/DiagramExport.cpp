#include "DiagramExport.h"

#include "DiagramScene.h"

#include <model/SafeFileWriter.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QSvgGenerator>
#include <QTemporaryDir>

namespace {

/*! Resolution of PDF pages, so that one picture pixel is one device pixel as on screen. */
const int PDF_RESOLUTION = 96;
/*! Resolution of vector files drawn on paper: their size in millimetres is what counts. */
const double VectorResolution = 96;

} // namespace

void DiagramExport::draw(QPainter &painter, const QRect &rect, const Content &content, bool screenMode, double scale) {
    DiagramScene scene(screenMode, painter.device(), content.fonts);
    scene.setup(rect, painter.device(), scale, content.results, content.input, content.type);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.renderInto(&painter, rect);
}

QSize DiagramExport::exportSize(const QSize &widgetSize) {
    if (widgetSize.width() <= 0)
        return widgetSize;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const double r = printer.pageRect(QPrinter::DevicePixel).width() / widgetSize.width();
    return QSize(int(widgetSize.width() * r), int(widgetSize.height() * r));
}

QPixmap DiagramExport::pixmap(const QSize &size, const Content &content) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    draw(painter, QRect(QPoint(0, 0), size), content);
    return pixmap;
}

bool DiagramExport::writeSvg(QIODevice *out, const QSize &size, const Content &content, const QString &description) {
    Output output;
    output.size = size;
    return writeSvg(out, output, content, description);
}

bool DiagramExport::writeSvg(QIODevice *out, const Output &output, const Content &content, const QString &description) {
    QSvgGenerator generator;
    generator.setOutputDevice(out);
    // the resolution gives the SVG its size in millimetres: an A4-wide picture is A4 wide
    generator.setResolution(int(output.dpi));
    generator.setSize(output.size);
    generator.setViewBox(QRect(QPoint(0, 0), output.size));
    generator.setTitle(svgTitle(content.type));
    generator.setDescription(description);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    draw(painter, QRect(QPoint(0, 0), output.size), content, output.screenMode, output.scale);
    return painter.end();
}

void DiagramExport::print(QPrinter *printer, const QSize &widgetSize, const Content &content) {
    printer->setPageSize(QPageSize(QPageSize::A4));
    if (widgetSize.width() <= 0)
        return;
    const double r = printer->pageRect(QPrinter::DevicePixel).width() / widgetSize.width();
    QPainter painter(printer);
    draw(painter, QRect(0, 0, int(widgetSize.width() * r), int(widgetSize.height() * r)), content);
}

bool DiagramExport::writeImage(QIODevice *out, const Output &output, const Content &content, const char *format) {
    QImage image(output.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(output.dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        draw(painter, QRect(QPoint(0, 0), output.size), content, output.screenMode, output.scale);
    }
    return image.save(out, format);
}

bool DiagramExport::writePdf(QIODevice *out, const Output &output, const Content &content) {
    QPdfWriter writer(out);
    writer.setResolution(int(output.dpi));
    const QSizeF points(output.size.width() * 72.0 / output.dpi, output.size.height() * 72.0 / output.dpi);
    writer.setPageSize(QPageSize(points, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(svgTitle(content.type));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    draw(painter, QRect(QPoint(0, 0), output.size), content, output.screenMode, output.scale);
    return painter.end();
}

bool DiagramExport::exportToFile(const QString &fileName, const QSize &size, const Content &content,
                                 QString *errorText) {
    Output output;
    output.size = size;
    output.dpi = PDF_RESOLUTION;
    return writeFile(fileName, output, content, errorText);
}

DiagramExport::Output DiagramExport::paperOutput(const QString &format, const Paper &paper) {
    const QString f = format.toLower();
    Output output;
    output.screenMode = false;
    output.dpi = f == "png" || f == "jpg" || f == "jpeg" ? paper.dpi : VectorResolution;
    output.scale = output.dpi / 25.4;
    output.size = QSize(qRound(paper.widthMM * output.scale), qRound(paper.heightMM * output.scale));
    return output;
}

bool DiagramExport::exportToFile(const QString &fileName, const Paper &paper, const Content &content,
                                 QString *errorText) {
    return writeFile(fileName, paperOutput(QFileInfo(fileName).suffix(), paper), content, errorText);
}

bool DiagramExport::encode(const QString &format, const Paper &paper, const Content &content,
                           const QString &description, QByteArray &data) {
    return encode(format, paperOutput(format, paper), content, description, data);
}

bool DiagramExport::checkFormat(const QString &fileName, QString *errorText) {
    const QString suffix = QFileInfo(fileName).suffix();
    if (isKnownFormat(suffix))
        return true;
    if (errorText)
        *errorText = tr("Unknown picture format '%1': use .svg, .png, .jpg or .pdf.").arg(suffix.toLower());
    return false;
}

bool DiagramExport::writeFile(const QString &fileName, const Output &output, const Content &content,
                              QString *errorText) {
    if (!checkFormat(fileName, errorText))
        return false;
    const QString suffix = QFileInfo(fileName).suffix();
    QByteArray data;
    if (!encode(suffix, output, content, QFileInfo(fileName).fileName(), data)) {
        if (errorText)
            *errorText = tr("Could not write '%1'.").arg(fileName);
        return false;
    }
    return SafeFileWriter::write(fileName, data, errorText);
}

bool DiagramExport::exportWidgetPicture(const QString &fileName, const QSize &widgetSize, const Content &content,
                                        const QString &description, QString *errorText) {
    if (!checkFormat(fileName, errorText))
        return false;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    QByteArray data;
    const bool encoded = suffix == "pdf" ? encodePrintedPdf(widgetSize, content, data)
                                         : encode(suffix, exportSize(widgetSize), content, description, data);
    if (!encoded) {
        if (errorText)
            *errorText = tr("Could not write '%1'.").arg(fileName);
        return false;
    }
    return SafeFileWriter::write(fileName, data, errorText);
}

bool DiagramExport::encodePrintedPdf(const QSize &widgetSize, const Content &content, QByteArray &data) {
    // A printer writes only to a named file: a private temporary one, read back whole.
    const QTemporaryDir directory;
    if (!directory.isValid())
        return false;
    const QString path = directory.filePath(QStringLiteral("picture.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        print(&printer, widgetSize, content);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    data = file.readAll();
    return !data.isEmpty();
}

bool DiagramExport::isKnownFormat(const QString &format) {
    const QString f = format.toLower();
    return f == "svg" || f == "png" || f == "jpg" || f == "jpeg" || f == "pdf";
}

bool DiagramExport::encode(const QString &format, const QSize &size, const Content &content, const QString &description,
                           QByteArray &data) {
    Output output;
    output.size = size;
    output.dpi = PDF_RESOLUTION;
    return encode(format, output, content, description, data);
}

bool DiagramExport::encode(const QString &format, const Output &output, const Content &content,
                           const QString &description, QByteArray &data) {
    const QString f = format.toLower();
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (f == "svg")
        return writeSvg(&buffer, output, content, description);
    if (f == "png")
        return writeImage(&buffer, output, content, "PNG");
    if (f == "jpg" || f == "jpeg")
        return writeImage(&buffer, output, content, "JPG");
    if (f == "pdf")
        return writePdf(&buffer, output, content);
    return false;
}

QString DiagramExport::svgTitle(DiagramScene::DiagramType type) {
    switch (type) {
    case DiagramScene::DiagramType::ConstructionSketch: return tr("Construction Sketch");
    case DiagramScene::DiagramType::VapourPressure: return tr("Vapour pressure diagram");
    case DiagramScene::DiagramType::MoistureContent: return tr("Water content diagram");
    case DiagramScene::DiagramType::Glaser: return tr("Glaser diagram");
    case DiagramScene::DiagramType::NoDiagram: break;
    }
    return QString();
}
