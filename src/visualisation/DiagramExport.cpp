#include "DiagramExport.h"

#include "DiagramScene.h"

#include <model/SafeFileWriter.h>

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

/*! Resolution of PDF pages, so that one picture pixel is one device pixel as on screen. */
const int PDF_RESOLUTION = 96;

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
    QSvgGenerator generator;
    generator.setOutputDevice(out);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(svgTitle(content.type));
    generator.setDescription(description);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    draw(painter, QRect(QPoint(0, 0), size), content);
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

bool DiagramExport::writeImage(QIODevice *out, const QSize &size, const Content &content, const char *format) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        draw(painter, QRect(QPoint(0, 0), size), content);
    }
    return image.save(out, format);
}

bool DiagramExport::writePdf(QIODevice *out, const QSize &size, const Content &content) {
    QPdfWriter writer(out);
    writer.setResolution(PDF_RESOLUTION);
    const QSizeF points(size.width() * 72.0 / PDF_RESOLUTION, size.height() * 72.0 / PDF_RESOLUTION);
    writer.setPageSize(QPageSize(points, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(svgTitle(content.type));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    draw(painter, QRect(QPoint(0, 0), size), content);
    return painter.end();
}

bool DiagramExport::exportToFile(const QString &fileName, const QSize &size, const Content &content,
                                 QString *errorText) {
    const QString suffix = QFileInfo(fileName).suffix();
    if (!isKnownFormat(suffix)) {
        if (errorText)
            *errorText = tr("Unknown picture format '%1': use .svg, .png, .jpg or .pdf.").arg(suffix.toLower());
        return false;
    }
    QByteArray data;
    if (!encode(suffix, size, content, QFileInfo(fileName).fileName(), data)) {
        if (errorText)
            *errorText = tr("Could not write '%1'.").arg(fileName);
        return false;
    }
    return SafeFileWriter::write(fileName, data, errorText);
}

bool DiagramExport::isKnownFormat(const QString &format) {
    const QString f = format.toLower();
    return f == "svg" || f == "png" || f == "jpg" || f == "jpeg" || f == "pdf";
}

bool DiagramExport::encode(const QString &format, const QSize &size, const Content &content, const QString &description,
                           QByteArray &data) {
    const QString f = format.toLower();
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (f == "svg")
        return writeSvg(&buffer, size, content, description);
    if (f == "png")
        return writeImage(&buffer, size, content, "PNG");
    if (f == "jpg" || f == "jpeg")
        return writeImage(&buffer, size, content, "JPG");
    if (f == "pdf")
        return writePdf(&buffer, size, content);
    return false;
}

QString DiagramExport::svgTitle(int type) {
    switch (type) {
    case DiagramScene::ConstructionSketch: return tr("Construction Sketch");
    case DiagramScene::VapourPressureDiagram: return tr("Vapour pressure diagram");
    case DiagramScene::MoistureContentDiagram: return tr("Water content diagram");
    default: return QString();
    }
}
