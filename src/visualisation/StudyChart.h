#ifndef StudyChartH
#define StudyChartH

// Chart of a variant study for a report: condensate mass (left axis) and drying time (right axis) against the
// varied value, the limits of DIN 4108-3 that apply, the values that fulfil every requirement shaded, the
// values judged on the Glaser basis hatched, surface condensation marked, and each found limit as a vertical
// line naming the criterion that changes there. Painted with QPainter on any device, so that the study dialog,
// the report frame and the SVG, PNG and PDF files of the command-line tool come from one drawing; the series
// differ by line style and marker as well as by colour, so that a greyscale print keeps them apart.

#include <calculation/VariantStudy.h>

#include <QCoreApplication>
#include <QRectF>
#include <QString>

#include <vector>

class QByteArray;
class QPainter;

class StudyChart {
    Q_DECLARE_TR_FUNCTIONS(StudyChart)
public:
    /*! Value axis: logarithmic for sd-values and for values spanning more than two decades, or as asked. */
    enum class AxisScale { Automatic, Linear, Logarithmic };

    struct Point {
        /*! Value as shown on the axis (widths in mm). */
        double value = 0;
        /*! Condensate mass (kg/m2) and drying time (d) the criteria judged. */
        double Mc = 0;
        double dryingDays = 0;
        /*! False for values without judged moisture figures (invalid input, no solution, surface
            condensation): left out of the lines. */
        bool judged = false;
        bool passes = false;
        /*! Judged on the Glaser figures. */
        bool glaser = false;
        /*! Condensation on a surface (result codes 4 and 5): no condensate mass or drying time exists. */
        bool surfaceCondensation = false;
        /*! Condensate limit that applies at this value (kg/m2: 1.0, or 0.5 with a non-capillary layer in the
            zone); 0 when the condensate was not judged. */
        double McLimit = 0;
    };

    /*! A found limit: drawn at \a value, labelled with the value and the criteria that change there. */
    struct Marker {
        double value = 0;
        QString text;
    };

    struct Content {
        QString title;
        /*! Title of the value axis in words with its unit. */
        QString valueTitle;
        /*! Points in increasing value. */
        std::vector<Point> points;
        std::vector<Marker> limits;
        bool logarithmic = false;
    };

    /*! Size of a chart file: vector files of this size, pictures at the resolution. */
    struct Paper {
        double widthMM = 160;
        double heightMM = 100;
        double dpi = 300;
    };

    /*! The chart of a study of \a quantity (of layer \a layer named \a layerName, 0 for a climate value): widths
        shown in mm, the limit's changes as markers. */
    static Content content(const std::vector<VariantStudy::Row> &rows, const VariantStudy::Limit *limit,
                           VariantStudy::Quantity quantity, int layer, const QString &layerName,
                           AxisScale scale = AxisScale::Automatic);

    static void draw(QPainter &painter, const QRectF &rect, const Content &content);
    /*! The chart on \a paper encoded as \a format ("svg", "png" or "pdf") into \a data; false for another
        format or when painting failed. */
    static bool encode(const QString &format, const Paper &paper, const Content &content, QByteArray &data);

    /*! About five round tick values covering [low, high]: steps of 1, 2 or 5 times a power of ten. */
    static std::vector<double> ticks(double low, double high);
    /*! Ticks of a logarithmic axis over [low, high] (both positive): the powers of ten, with 2 and 5 times them
        when the range spans fewer than three decades. */
    static std::vector<double> logTicks(double low, double high);
};

#endif // StudyChartH
