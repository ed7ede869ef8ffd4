#ifndef DiagramExportH
#define DiagramExportH

// Pictures of profile diagrams and construction sketches outside the screen: pixmaps, SVG, printers and files
// chosen by extension (.svg, .png, .jpg, .pdf). Every export draws a fresh DiagramScene onto a paint device,
// so the view, the layer table, the command-line tool and tests share one code path.

#include "DiagramScene.h"
#include "DiagramStyle.h"

#include <calculation/CalculationResults.h>
#include <model/InputData.h>

#include <QCoreApplication>
#include <QRect>
#include <QSize>
#include <QString>

class QIODevice;
class QPainter;
class QPixmap;
class QPrinter;

class DiagramExport {
    Q_DECLARE_TR_FUNCTIONS(DiagramExport)
public:
    /*! What to draw. */
    struct Content {
        InputData input;
        CalculationResults results;
        DiagramScene::DiagramType type = DiagramScene::DiagramType::MoistureContent;
        DiagramFontSettings fonts;
    };

    /*! A drawing on paper for the files of the command-line tool: drawn in report mode, so that every format
        shows the same ticks and labels up to scale. */
    struct Paper {
        double widthMM = 170;
        double heightMM = 106;
        double dpi = 150; ///< pixels per inch of .png and .jpg; vector files are written at 96 dpi
    };

    /*! Draws a fresh scene of the content into \a rect of the painter's device, text laid out on that device. */
    static void draw(QPainter &painter, const QRect &rect, const Content &content, bool screenMode = true,
                     double scale = 1.0);

    /*! Size of an exported picture of a widget of \a widgetSize: the widget size times A4 page width / widget
        width, the page measured by a printer at screen resolution. */
    static QSize exportSize(const QSize &widgetSize);

    /*! A white pixmap of \a size with the diagram drawn in screen mode. */
    static QPixmap pixmap(const QSize &size, const Content &content);
    /*! Writes the diagram as SVG of \a size, titled by type, with \a description; false when painting failed. */
    static bool writeSvg(QIODevice *out, const QSize &size, const Content &content, const QString &description);
    /*! Prints on A4 at the widget size scaled to the page width. */
    static void print(QPrinter *printer, const QSize &widgetSize, const Content &content);
    /*! Writes \a fileName by its extension: .svg, .png, .jpg/.jpeg or .pdf (one page of the picture's size at
        96 dpi), through a temporary file that replaces the target only when complete. Returns false with a
        translated \a errorText on an unknown extension or a write error; the target is then untouched. */
    static bool exportToFile(const QString &fileName, const QSize &size, const Content &content,
                             QString *errorText = nullptr);
    /*! The picture in \a format ("svg", "png", "jpg"/"jpeg" or "pdf", any case) as bytes; false for an unknown
        format or when painting failed. \a description goes into an SVG. */
    static bool encode(const QString &format, const QSize &size, const Content &content, const QString &description,
                       QByteArray &data);
    /*! True for the formats encode() knows. */
    static bool isKnownFormat(const QString &format);

    /*! As encode() above, as a report-mode drawing of the paper's size: pictures at the paper's dpi, vector
        files at 96 dpi. */
    static bool encode(const QString &format, const Paper &paper, const Content &content, const QString &description,
                       QByteArray &data);
    /*! As exportToFile() above, as a report-mode drawing of the paper's size. */
    static bool exportToFile(const QString &fileName, const Paper &paper, const Content &content,
                             QString *errorText = nullptr);

    /*! The window's picture of a widget of \a widgetSize, written to \a fileName by its extension: .svg, .png and
        .jpg of exportSize(widgetSize) (an SVG described by \a description), .pdf as print() puts it on an A4 page.
        Written through a temporary file like exportToFile(), with the same failures. */
    static bool exportWidgetPicture(const QString &fileName, const QSize &widgetSize, const Content &content,
                                    const QString &description, QString *errorText = nullptr);
    /*! The A4 page of print() as PDF bytes; false when it could not be made. */
    static bool encodePrintedPdf(const QSize &widgetSize, const Content &content, QByteArray &data);

    /*! SVG title of a diagram type: "Construction Sketch", "Vapour pressure diagram", "Water content diagram". */
    static QString svgTitle(DiagramScene::DiagramType type);

private:
    /*! How a picture is drawn: size, mode, report-mode scale (pixels per mm) and resolution (dpi). */
    struct Output {
        QSize size;
        bool screenMode = true;
        double scale = 1.0;
        double dpi = 96;
    };
    /*! Report mode on paper: pictures (by format) at the paper's dpi, vector files at 96 dpi. */
    static Output paperOutput(const QString &format, const Paper &paper);
    static bool writeFile(const QString &fileName, const Output &output, const Content &content, QString *errorText);
    /*! False with the error text of an unknown extension of \a fileName. */
    static bool checkFormat(const QString &fileName, QString *errorText);
    static bool encode(const QString &format, const Output &output, const Content &content, const QString &description,
                       QByteArray &data);
    static bool writeSvg(QIODevice *out, const Output &output, const Content &content, const QString &description);
    static bool writeImage(QIODevice *out, const Output &output, const Content &content, const char *format);
    static bool writePdf(QIODevice *out, const Output &output, const Content &content);
};

#endif // DiagramExportH
