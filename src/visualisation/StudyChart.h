#ifndef StudyChartH
#define StudyChartH

// Chart of a variant study: condensate mass (left axis) and drying time (right axis) against the varied value,
// the limits of DIN 4108-3 as dashed lines and the values that fulfil every requirement shaded. Painted with
// QPainter on any device, so that SVG, PNG and PDF come from one drawing.

#include <QCoreApplication>
#include <QRectF>
#include <QString>

#include <vector>

class QByteArray;
class QPainter;

class StudyChart {
    Q_DECLARE_TR_FUNCTIONS(StudyChart)
public:
    struct Point {
        double value = 0;
        /*! Condensate mass (kg/m2) and drying time (d) the criteria judged. */
        double Mc = 0;
        double dryingDays = 0;
        /*! False for values without a judged result (invalid input, no solution): left out of the lines. */
        bool judged = false;
        bool passes = false;
    };

    struct Content {
        QString title;
        /*! Title of the value axis with its unit. */
        QString valueTitle;
        /*! Points in increasing value. */
        std::vector<Point> points;
    };

    static void draw(QPainter &painter, const QRectF &rect, const Content &content);
    /*! The chart at 900 x 560 pixels encoded as \a format ("svg", "png" or "pdf") into \a data; false for another
        format or when painting failed. */
    static bool encode(const QString &format, const Content &content, QByteArray &data);

    /*! About five round tick values covering [low, high]: steps of 1, 2 or 5 times a power of ten. */
    static std::vector<double> ticks(double low, double high);
};

#endif // StudyChartH
